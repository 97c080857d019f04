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

// The keys the program reads, in other cases too, and one it never uses; `same` groups the ones
// that are one key whatever their case.
struct Key {
    std::string_view section, key;
    int same;
};
constexpr std::array<Key, 8> kKeys = {{{"Zel", "UserDrive", 0},
                                       {"Zel", "UserPath", 1},
                                       {"Options", "AutoLoad", 2},
                                       {"Options", "AFileName", 3},
                                       {"Options", "APassword", 4},
                                       {"OPTIONS", "autogrid", 5},
                                       {"zel", "userpath", 1},
                                       {"Autre", "Clé", 6}}};

std::array<std::optional<std::string>, kKeys.size()> ValuesOf(const zel::IniFile &f) {
    std::array<std::optional<std::string>, kKeys.size()> out;
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        out[i] = f.value(kKeys[i].section, kKeys[i].key);
    return out;
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
    test::WriteBytes(path, {data + 1, data + size});
    FUZZ_CHECK(IniFile::Load(path).text() == ini.text());
    FUZZ_CHECK(ValuesOf(IniFile(ini.text())) == before);

    const std::string user_dir = ResolveUserDir("/zel", ini.get("Zel", "UserDrive", kDefaultUserDrive),
                                                ini.get("Zel", "UserPath", kDefaultUserPath));
    FUZZ_CHECK(!user_dir.empty() && user_dir.front() == '/' && user_dir.back() == '/');
    FUZZ_CHECK(user_dir.find('\\') == std::string::npos);

    // Values a program writes: no blanks or quotes at the ends, no line breaks.
    static const std::array<std::string, 6> values = {
        "TRUE", "FALSE", std::string(38, 'X'), "Dupont Jean.usr", "C:\\joueurs\\", std::string(1500, 'v')};
    const Key &key = kKeys[data[0] % kKeys.size()];
    const std::string &value = values[data[0] / kKeys.size() % values.size()];
    ini.set(key.section, key.key, value);
    const auto after = ValuesOf(ini);
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        FUZZ_CHECK(after[i] == (kKeys[i].same == key.same ? value.substr(0, kProfileValueMax) : before[i]));
    FUZZ_CHECK(ini.save(path));
    FUZZ_CHECK(ValuesOf(IniFile::Load(path)) == after);
    return 0;
}
