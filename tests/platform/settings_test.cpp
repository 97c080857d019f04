// Settings files with Windows profile semantics, the paths built from them, and the numbers read
// from dialog fields.
#include "platform/dialog_units.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace zel {
namespace {

TEST(IniFile, readsAsProfileStringsAre) {
    const IniFile ini("; réglages\r\n[zel]\r\n  userdrive =  D  \r\nUserPath=\"\\players\\\"\r\n"
                      "[Options]\r\nAutoLoad=true\r\nAFileName='Dupont.usr'\r\nEmpty=\r\n"
                      "[options]\r\nAutoGrid=TRUE\r\n[Long]\r\nValue=" +
                      std::string(2000, 'a') + "\r\n");
    EXPECT_EQ(ini.value("Zel", "UserDrive"), "D");
    EXPECT_EQ(ini.value("ZEL", "userpath"), "\\players\\");
    EXPECT_EQ(ini.value("Options", "AutoLoad"), "true"); // values keep their case
    EXPECT_EQ(ini.value("Options", "AFileName"), "Dupont.usr");
    EXPECT_EQ(ini.value("Options", "Empty"), "");
    EXPECT_EQ(ini.value("Options", "AutoGrid"), std::nullopt); // only the first section counts
    EXPECT_EQ(ini.value("Options", "; réglages"), std::nullopt);
    EXPECT_EQ(ini.get("Nowhere", "Key", "FALSE"), "FALSE");
    EXPECT_EQ(ini.value("Long", "Value"), std::string(kProfileValueMax, 'a')); // cut to the buffer
}

TEST(IniFile, writingAKeyKeepsEveryOtherLineAndSavesAtomically) {
    IniFile ini(
        "; garder\r\n[Zel]\r\nUserPath=.\\users\\\r\n\r\n[OPTIONS]\r\nautoload=TRUE\r\nOther=1\r\n\r\n"
        "[Autre]\r\nX=y\r\n");
    ini.set("Options", "AutoLoad", "FALSE");
    ini.set("Options", "AFileName", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX");
    ini.set("Nouvelle", "K", "v");
    EXPECT_EQ(ini.text(),
              "; garder\r\n[Zel]\r\nUserPath=.\\users\\\r\n\r\n[OPTIONS]\r\nAutoLoad=FALSE\r\nOther=1\r\n"
              "AFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\r\n\r\n[Autre]\r\nX=y\r\n"
              "[Nouvelle]\r\nK=v\r\n");

    const auto dir = std::filesystem::temp_directory_path() / ("zel-ini-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Zel.ini").string();
    EXPECT_EQ(IniFile::Load(path).text(), ""); // missing: empty
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(IniFile::Load(path).text(), ini.text());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1); // no temporary left
    EXPECT_FALSE(ini.save((dir / "no" / "such" / "Zel.ini").string()));
    // A FIFO in place of the settings file must not block start-up.
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(IniFile::Load(path).text(), "");
    std::filesystem::remove_all(dir);
}

TEST(Paths, userDirIsAbsoluteWithATrailingSlash) {
    const struct {
        const char *drive, *path, *expected;
    } cases[] = {
        {"C", ".\\users\\", "/start/users/"}, // the Windows default
        {"C:", "\\players\\", "/start/players/"}, {"", "C:\\players", "/start/players/"},
        {"", "/home/me/zel", "/home/me/zel/"},    {"", "..\\autres\\", "/autres/"},
        {"sub", "dir\\", "/start/subdir/"}, // joined as they are, without a separator
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResolveUserDir("/start", c.drive, c.path), c.expected) << c.drive << " + " << c.path;
    EXPECT_EQ(ResolveStartPath("/start/", ".\\help\\zel.hlp"), "/start/help/zel.hlp");
}

TEST(DialogFields, numbersAreReadLikeTheDialogManager) {
    const struct {
        const char *text;
        std::optional<uint32_t> unsigned_value;
        std::optional<int32_t> signed_value;
    } cases[] = {{"", std::nullopt, std::nullopt},           {" 12 ", 12u, 12},
                 {"12a", std::nullopt, std::nullopt},        {"-3", std::nullopt, -3},
                 {"+3", std::nullopt, std::nullopt},         {"4294967295", 4294967295u, std::nullopt},
                 {"4294967296", std::nullopt, std::nullopt}, {"-2147483648", std::nullopt, INT32_MIN},
                 {"-2147483649", std::nullopt, std::nullopt}};
    for (const auto &c : cases) {
        EXPECT_EQ(ParseUnsignedField(c.text), c.unsigned_value) << '"' << c.text << '"';
        EXPECT_EQ(ParseSignedField(c.text), c.signed_value) << '"' << c.text << '"';
    }
    EXPECT_EQ(UnsignedFieldValue("12a"), 0u);
}

} // namespace
} // namespace zel
