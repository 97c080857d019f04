// Fuzz target: any bytes as a settings file.
//
// Byte 0 is left out (the seeds keep a byte there that is not part of the file); the rest is the
// file. Read from disk it is the text as given, the text reads back to the same values, and the
// players' directory built from any settings is an absolute directory.
#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

#include <string_view>

namespace {

// The keys the program reads, in other cases too, and one it never uses.
const std::pair<std::string_view, std::string_view> kKeys[] = {
    {"Zel", "UserDrive"},     {"Zel", "UserPath"},     {"Options", "AutoLoad"}, {"Options", "AFileName"},
    {"Options", "APassword"}, {"OPTIONS", "autogrid"}, {"zel", "userpath"},     {"Autre", "Clé"}};

std::vector<std::optional<std::string>> ValuesOf(const zel::IniFile &f) {
    std::vector<std::optional<std::string>> out;
    for (const auto &[section, key] : kKeys)
        out.push_back(f.value(section, key));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const IniFile ini(text);
    const auto values = ValuesOf(ini);
    for (const auto &v : values)
        FUZZ_CHECK(!v || v->size() <= kProfileValueMax);

    const std::string path = FreshScratchDir() + "Zel.ini";
    test::WriteBytes(path, {data + 1, data + size});
    FUZZ_CHECK(IniFile::Load(path).text() == ini.text());
    FUZZ_CHECK(ValuesOf(IniFile(ini.text())) == values);

    const std::string user_dir = ResolveUserDir("/zel", ini.get("Zel", "UserDrive", kDefaultUserDrive),
                                                ini.get("Zel", "UserPath", kDefaultUserPath));
    FUZZ_CHECK(!user_dir.empty() && user_dir.front() == '/' && user_dir.back() == '/');
    FUZZ_CHECK(user_dir.find('\\') == std::string::npos);
    return 0;
}
