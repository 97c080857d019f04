// Fuzz target: any bytes as a settings file, read, changed and written back.
//
// Byte 0 picks a key to write and the value written; the rest is the file.
// Writing a key changes that key only, the text reads back to the same values,
// and the players' directory built from any settings is an absolute directory.
#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

#include <array>
#include <string_view>

namespace {

struct Key {
    std::string_view section, key;
};

// The keys the program reads, in other cases too, and one it never uses.
constexpr std::array<Key, 8> kKeys = {{{"Zel", "UserDrive"},
                                       {"Zel", "UserPath"},
                                       {"Options", "AutoLoad"},
                                       {"Options", "AFileName"},
                                       {"Options", "APassword"},
                                       {"OPTIONS", "autogrid"},
                                       {"zel", "userpath"},
                                       {"Autre", "Clé"}}};

// Values a program writes: no blanks or quotes at the ends, no line breaks.
const std::array<std::string, 6> &Values() {
    static const std::array<std::string, 6> values = {
        "TRUE", "FALSE", std::string(38, 'X'), "Dupont Jean.usr", "C:\\joueurs\\", std::string(1500, 'v')};
    return values;
}

std::array<std::optional<std::string>, kKeys.size()> ValuesOf(const zel::IniFile &f) {
    std::array<std::optional<std::string>, kKeys.size()> out;
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        out[i] = f.value(kKeys[i].section, kKeys[i].key);
    return out;
}

bool SameKey(const Key &a, const Key &b) {
    auto fold = [](std::string_view s) {
        std::string out(s);
        for (char &c : out)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    return fold(a.section) == fold(b.section) && fold(a.key) == fold(b.key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    IniFile ini(text);
    const auto before = ValuesOf(ini);
    for (const auto &v : before)
        FUZZ_CHECK(!v || v->size() <= kProfileValueMax);

    // The file on disk reads as the text does.
    const std::string path = fuzz::FreshScratchDir() + "Zel.ini";
    fuzz::WriteFileBytes(path, data + 1, size - 1);
    FUZZ_CHECK(IniFile::Load(path).text() == ini.text());
    FUZZ_CHECK(ValuesOf(IniFile(ini.text())) == before);

    const std::string start = "/zel";
    const std::string user_dir = ResolveUserDir(start, ini.get("Zel", "UserDrive", kDefaultUserDrive),
                                                ini.get("Zel", "UserPath", kDefaultUserPath));
    FUZZ_CHECK(!user_dir.empty() && user_dir.front() == '/' && user_dir.back() == '/');
    FUZZ_CHECK(user_dir.find('\\') == std::string::npos);

    const Key &key = kKeys[data[0] % kKeys.size()];
    const std::string &value = Values()[data[0] / kKeys.size() % Values().size()];
    ini.set(key.section, key.key, value);
    const auto after = ValuesOf(ini);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (SameKey(kKeys[i], key))
            FUZZ_CHECK(after[i] == value.substr(0, kProfileValueMax));
        else
            FUZZ_CHECK(after[i] == before[i]);
    }
    FUZZ_CHECK(ini.save(path));
    FUZZ_CHECK(ValuesOf(IniFile::Load(path)) == after);
    return 0;
}
