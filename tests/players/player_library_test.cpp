// The player library: naming, reading, appending and removing records. (Changes that fail on the
// disk are in tests/storage/disk_fault_test.cpp.)
#include "players/player_library.h"

#include "shell/shared_state.h"
#include "storage_test_support.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace zel {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using Names = std::vector<std::string>;

// User.bib bytes: one zero-padded 96-byte record per name.
std::vector<uint8_t> Library(const Names &names) {
    std::vector<uint8_t> bytes;
    for (const std::string &n : names) {
        bytes.insert(bytes.end(), n.begin(), n.end());
        bytes.resize(bytes.size() + kLibraryRecordBytes - n.size(), 0);
    }
    return bytes;
}

Names RecordNames(const std::vector<uint8_t> &bytes) {
    Names out;
    for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
        out.emplace_back(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes));
    return out;
}

struct Fixture {
    test::TempDir dir;
    SharedState s;
    test::RecordingReporter r;
    Fixture() { s.User_Dir = dir.path(); }
    std::string path(const std::string &name) const { return dir.path() + name; }
    std::string lib() const { return path("User.bib"); }
    // Registers a new player with these names (Windows-1252); returns its file name.
    std::string add(std::string_view name, std::string_view first, const char *file = "") {
        s.Current_Profile = test::MakeProfile("", "", file);
        SetFieldText(s.Current_Profile.name, name);
        SetFieldText(s.Current_Profile.first_name, first);
        return RegisterNewPlayer(s, r) ? std::string(FieldText(s.Current_Profile.file_name)) : "<refused>";
    }
    // Writes a player file directly, as another build or a copy would.
    void putPlayer(const std::string &file_utf8, const char *name, const char *profile_file) {
        const Player_Profile p = test::MakeProfile(name, "Jean", profile_file);
        test::RecordingReporter quiet;
        ASSERT_TRUE(SavePlayerFile(path(file_utf8), p, {}, {}, quiet));
    }
};

TEST(PlayerLibrary, aPlayersFilesAreTheOwnersAloneWhateverTheUmask) {
    const mode_t umask_before = ::umask(022);
    Fixture f;
    ASSERT_EQ(f.add("Dupont", "Jean"), "Dupont.usr");
    const auto mode = [](const std::string &path) {
        return unsigned(std::filesystem::status(path).permissions());
    };
    EXPECT_EQ(std::pair(mode(f.path("Dupont.usr")), mode(f.lib())), std::pair(0600u, 0600u));
    // A save keeps a mode stricter still.
    ::chmod(f.path("Dupont.usr").c_str(), 0400);
    ASSERT_TRUE(SaveCurrentPlayer(f.s, f.r));
    EXPECT_EQ(mode(f.path("Dupont.usr")), 0400u);
    ::umask(umask_before);
}

TEST(PlayerLibrary, namingSequenceAndNamesTakenIgnoringCase) {
    // Names are taken by the directory's files and by the library's records, whatever their case.
    Fixture f;
    WriteBytes(f.path("DUPONTJEAN.USR"), {'x'});
    WriteBytes(f.path("DUPRÉ.usr"), {'x'});
    WriteBytes(f.lib(), Library({"du_pont.usr"}));
    for (int i = 0; i < 2; ++i) {
        f.add("Dupont", "Jean");
        f.add("", "");
        f.add("Du/pont", "a:b*?"); // nothing may reach outside the directory
    }
    f.add(Utf8ToCp1252("Dupré"), "Luc");
    EXPECT_EQ(RecordNames(ReadBytes(f.lib())),
              (Names{"du_pont.usr", "Dupont.usr", "Njttttt.usr", "Du_ponta_b__.usr", "DupontJeanA.usr",
                     "Njtttttfix.usr", "Du_ponta_b__A.usr", Utf8ToCp1252("DupréLuc.usr")}));
    EXPECT_EQ(f.dir.names().size(), 10u);
    EXPECT_EQ(f.r.told, "");
}

TEST(PlayerLibrary, letterSuffixSkipsUnsafeCharactersAndRunsOut) {
    Fixture f;
    const std::string unsafe = "\\|\x7F\x81\x8D\x8F\x90\x9D]"; // and ']', left free for the test
    for (unsigned c = 'A'; c <= 0xFF; ++c)
        if (unsafe.find(char(c)) == std::string::npos)
            WriteBytes(f.path(Cp1252ToUtf8(std::string("DupontJean") + char(c) + ".usr")), {'x'});
    WriteBytes(f.path("Dupont.usr"), {'x'});
    WriteBytes(f.path("DupontJean.usr"), {'x'});
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJean].usr"); // past '\'

    const auto before = std::pair(ReadBytes(f.lib()), f.dir.names());
    EXPECT_EQ(f.add("Dupont", "Jean", "Ancien.usr"), "<refused>");
    EXPECT_EQ(std::pair(ReadBytes(f.lib()), f.dir.names()), before);
    EXPECT_EQ(f.r.told, "Aucun nom de fichier libre pour ce joueur|Information");
}

TEST(PlayerLibrary, onlyReadablePlayersAreOfferedEntriesMapToRecordsAndAppendingFollowsTheLastWholeOne) {
    Fixture f;
    f.s.Library_Image.resize(4); // a missing library is empty, and not created
    EXPECT_TRUE(ReadPlayerLibrary(f.s, f.r).empty());
    EXPECT_TRUE(f.s.Library_Image.empty() && !test::Exists(f.lib()));
    f.putPlayer("A.usr", "Martin", "A.usr");
    f.putPlayer("Copie.usr", "Petit", "Original.usr"); // a copied file: its profile names another
    f.putPlayer("Dupré.usr", "Dupré", "x");
    WriteBytes(f.path("Autre.usr"), {'M', 'Z'});
    std::vector<uint8_t> lib =
        Library({"A.usr", "Absent.usr", "../A.usr", "", ".", "..", "x\\A.usr", "c:A.usr", "Autre.usr",
                 "Copie.usr", std::string(kLibraryRecordBytes, 'a'), Utf8ToCp1252("Dupré.usr")});
    lib.insert(lib.end(), 8, 0x55); // a partial record
    WriteBytes(f.lib(), lib);

    std::string offered; // record, display, file name
    for (const LibraryEntry &e : ReadPlayerLibrary(f.s, f.r))
        offered += std::to_string(e.record) + "|" + e.display + "|" + e.file_name + ";";
    EXPECT_EQ(offered,
              "0|Martin Jean|A.usr;9|Petit Jean|Copie.usr;11|Dupré Jean|" + Utf8ToCp1252("Dupré.usr") + ";");
    ASSERT_EQ(f.s.Library_Image.size(), 12u);
    EXPECT_EQ(std::pair(FieldText(f.s.Library_Image[9].file_name), FieldText(f.s.Library_Image[9].name)),
              std::pair(std::string_view("Copie.usr"), std::string_view("Petit")));
    EXPECT_EQ(f.r.told,
              f.path("Absent.usr") +
                  "|Probleme d'ouverture du fichier;Le fichier Autre.usr n'est pas un fichier joueur "
                  "valide|Info");
    EXPECT_EQ(ReadBytes(f.lib()), lib);
    EXPECT_FALSE(test::Exists(f.path("Absent.usr"))); // reading a player never creates its file

    EXPECT_EQ(f.add("Dupont", "Jean"), "Dupont.usr");
    lib.resize(lib.size() - 8);
    const std::vector<uint8_t> added = Library({"Dupont.usr"});
    lib.insert(lib.end(), added.begin(), added.end());
    EXPECT_EQ(ReadBytes(f.lib()), lib);
}

TEST(PlayerLibrary, removingRecords) {
    const struct {
        const char *what;
        Names before;
        const char *remove;
        Names after; // empty: no library left
    } cases[] = {
        {"last of three", {"A.usr", "B.usr", "C.usr"}, "C.usr", {"A.usr", "B.usr"}},
        {"only", {"A.usr"}, "A.usr", {}},
        {"first of two equal", {"A.usr", "B.usr", "A.usr"}, "A.usr", {"B.usr", "A.usr"}},
    };
    for (const auto &c : cases) {
        Fixture f;
        WriteBytes(f.lib(), Library(c.before));
        f.s.Current_Profile = test::MakeProfile("X", "Y", c.remove);
        const bool removed = c.before.size() != c.after.size();
        EXPECT_EQ(RemoveFromLibrary(f.s, f.r), removed) << c.what;
        EXPECT_EQ(f.r.told, removed ? "" : "beep") << c.what;
        if (c.after.empty())
            EXPECT_TRUE(f.dir.names().empty()) << c.what;
        else
            EXPECT_EQ(ReadBytes(f.lib()), Library(c.after)) << c.what;
    }
}

} // namespace
} // namespace zel
