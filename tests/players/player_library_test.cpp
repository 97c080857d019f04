// The player library: naming, reading, appending and removing records.
#include "players/player_library.h"

#include "platform/cp1252.h"
#include "platform/fixed_text.h"
#include "shell/shared_state.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
using test::WriteBytes;

std::vector<uint8_t> Record(std::string_view name) {
    std::vector<uint8_t> r(kLibraryRecordBytes, 0);
    std::copy(name.begin(), name.end(), r.begin());
    return r;
}

std::vector<uint8_t> Library(std::initializer_list<std::string_view> names) {
    std::vector<uint8_t> bytes;
    for (std::string_view n : names) {
        const auto r = Record(n);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    return bytes;
}

std::vector<std::string> RecordNames(const std::vector<uint8_t> &bytes) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
        out.emplace_back(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes));
    return out;
}

struct Fixture {
    TempDir dir;
    SharedState s;
    RecordingReporter r;
    Fixture() { s.User_Dir = dir.path(); }
    std::string lib() const { return dir.path() + "User.bib"; }
    // Registers a new player with these names (Windows-1252); returns its file name.
    std::string add(std::string_view name, std::string_view first) {
        s.Current_Profile = test::MakeProfile("", "", "");
        SetFieldText(s.Current_Profile.name, name);
        SetFieldText(s.Current_Profile.first_name, first);
        if (!RegisterNewPlayer(s, r))
            return "<refused>";
        return std::string(FieldText(s.Current_Profile.file_name));
    }
    // Writes a player file directly, as another build or a copy would.
    void putPlayer(const std::string &file_utf8, const char *name, const char *profile_file) {
        PlayerData p{};
        p.profile = test::MakeProfile(name, "Jean", profile_file);
        RecordingReporter quiet;
        ASSERT_TRUE(SavePlayerFile(dir.path() + file_utf8, p.profile, p.days, p.tournaments, quiet));
    }
};

TEST(PlayerLibrary, namingSequence) {
    Fixture f;
    EXPECT_EQ(f.add("Dupont", "Jean"), "Dupont.usr");
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJean.usr");
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJeanA.usr");
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJeanB.usr");
    EXPECT_EQ(f.add("", ""), "Njttttt.usr");
    EXPECT_EQ(f.add("", ""), "Njtttttfix.usr");
    EXPECT_EQ(f.add("", ""), "NjtttttfixA.usr");
    EXPECT_EQ(f.add("", "Paul"), "NjtttttPaul.usr");
    EXPECT_EQ(f.add("Du/pont", "a:b*?"), "Du_pont.usr");
    EXPECT_EQ(f.add("Du/pont", "a:b*?"), "Du_ponta_b__.usr");
    EXPECT_EQ(f.add("..", ""), "...usr");
    EXPECT_EQ(RecordNames(ReadBytes(f.lib())),
              (std::vector<std::string>{"Dupont.usr", "DupontJean.usr", "DupontJeanA.usr", "DupontJeanB.usr",
                                        "Njttttt.usr", "Njtttttfix.usr", "NjtttttfixA.usr", "NjtttttPaul.usr",
                                        "Du_pont.usr", "Du_ponta_b__.usr", "...usr"}));
    EXPECT_EQ(ReadBytes(f.lib()).size(), 11 * kLibraryRecordBytes);
    EXPECT_TRUE(f.r.messages.empty());
    EXPECT_EQ(f.r.beeps, 0);
}

TEST(PlayerLibrary, namesAreTakenIgnoringCase) {
    Fixture f;
    WriteBytes(f.dir.path() + "dupont.usr", {'x'});
    WriteBytes(f.dir.path() + "DUPONTJEAN.USR", {'x'});
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJeanA.usr");
    // Accented letters fold too: "DUPRÉ.usr" makes "Dupré.usr" taken.
    WriteBytes(f.dir.path() + "DUPRÉ.usr", {'x'});
    EXPECT_EQ(f.add(Utf8ToCp1252("Dupré"), "Luc"), Utf8ToCp1252("DupréLuc.usr"));
    EXPECT_TRUE(test::Exists(f.dir.path() + "DupréLuc.usr"));
}

TEST(PlayerLibrary, letterSuffixSkipsUnsafeCharactersAndRunsOut) {
    Fixture f;
    WriteBytes(f.dir.path() + "Dupont.usr", {'x'});
    WriteBytes(f.dir.path() + "DupontJean.usr", {'x'});
    for (char c = 'A'; c <= 'Z'; ++c)
        WriteBytes(f.dir.path() + "DupontJean" + c + ".usr", {'x'});
    WriteBytes(f.dir.path() + "DupontJean[.usr", {'x'});
    EXPECT_EQ(f.add("Dupont", "Jean"), "DupontJean].usr"); // '\' cannot stand in a name

    for (unsigned c = 0x5E; c <= 0xFF; ++c) {
        const std::string name = Cp1252ToUtf8(std::string("DupontJean") + char(c) + ".usr");
        if (c != '|' && c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            WriteBytes(f.dir.path() + name, {'x'});
    }
    const std::vector<uint8_t> lib_before = ReadBytes(f.lib());
    const auto names_before = f.dir.names();
    f.s.Current_Profile = test::MakeProfile("Dupont", "Jean", "Ancien.usr");
    EXPECT_FALSE(RegisterNewPlayer(f.s, f.r));
    EXPECT_EQ(FieldText(f.s.Current_Profile.file_name), "Ancien.usr");
    EXPECT_EQ(ReadBytes(f.lib()), lib_before);
    EXPECT_EQ(f.dir.names(), names_before);
    EXPECT_EQ(f.r.messages.size(), 1u);
}

TEST(PlayerLibrary, aPartialRecordIsIgnoredAndAppendingStartsAfterTheLastWholeOne) {
    Fixture f;
    f.putPlayer("Martin.usr", "Martin", "Martin.usr");
    f.putPlayer("Petit.usr", "Petit", "Petit.usr");
    std::vector<uint8_t> lib = Library({"Martin.usr", "Petit.usr"});
    lib.insert(lib.end(), 8, 0x55);
    WriteBytes(f.lib(), lib);
    ASSERT_EQ(lib.size(), 200u);

    auto entries = ReadPlayerLibrary(f.s, f.r);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].display, "Petit Jean");
    EXPECT_EQ(f.add("Dupont", "Jean"), "Dupont.usr");
    EXPECT_EQ(ReadBytes(f.lib()).size(), 288u);
    entries = ReadPlayerLibrary(f.s, f.r);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].file_name, "Dupont.usr");
    EXPECT_EQ(entries[2].display, "Dupont Jean");
    EXPECT_TRUE(f.r.messages.empty());
}

TEST(PlayerLibrary, onlyReadablePlayersAreOfferedAndEntriesMapToRecords) {
    Fixture f;
    f.putPlayer("A.usr", "Martin", "A.usr");
    f.putPlayer("Copie.usr", "Petit", "Original.usr"); // a copied file: its profile names another
    f.putPlayer(Cp1252ToUtf8(Utf8ToCp1252("Dupré.usr")), "Dupré", "x");
    WriteBytes(f.dir.path() + "Autre.usr", {'M', 'Z'});
    std::vector<uint8_t> unterminated(kLibraryRecordBytes, 'a');
    std::vector<uint8_t> lib = Library(
        {"A.usr", "Absent.usr", "../A.usr", "", ".", "..", "x\\A.usr", "c:A.usr", "Autre.usr", "Copie.usr"});
    lib.insert(lib.end(), unterminated.begin(), unterminated.end());
    const auto dupre = Record(Utf8ToCp1252("Dupré.usr"));
    lib.insert(lib.end(), dupre.begin(), dupre.end());
    WriteBytes(f.lib(), lib);

    const auto entries = ReadPlayerLibrary(f.s, f.r);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].record, 0u);
    EXPECT_EQ(entries[1].record, 9u);
    EXPECT_EQ(entries[2].record, 11u);
    EXPECT_EQ(entries[2].file_name, Utf8ToCp1252("Dupré.usr"));
    ASSERT_EQ(f.s.Library_Image.size(), 12u);
    EXPECT_EQ(FieldText(f.s.Library_Image[9].file_name), "Copie.usr");
    EXPECT_EQ(FieldText(f.s.Library_Image[9].name), "Petit");
    EXPECT_EQ(FieldText(f.s.Library_Image[1].name), "");
    // Absent.usr (open failure) and Autre.usr (not a player file) are reported.
    EXPECT_EQ(f.r.messages.size(), 2u);
    EXPECT_FALSE(test::Exists(f.dir.path() + "Absent.usr"));
    EXPECT_EQ(ReadBytes(f.lib()), lib);
}

TEST(PlayerLibrary, displayTextIsCutTo63Bytes) {
    Fixture f;
    PlayerData p{};
    p.profile = test::MakeProfile("", "", "Long.usr");
    std::memset(p.profile.name, 'N', 32); // no terminator: the field ends at its end
    std::memset(p.profile.first_name, 'P', 32);
    RecordingReporter quiet;
    ASSERT_TRUE(SavePlayerFile(f.dir.path() + "Long.usr", p.profile, p.days, p.tournaments, quiet));
    WriteBytes(f.lib(), Library({"Long.usr"}));
    const auto entries = ReadPlayerLibrary(f.s, f.r);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].display, std::string(32, 'N') + " " + std::string(30, 'P'));
}

TEST(PlayerLibrary, missingOrUnreadableLibrary) {
    Fixture f;
    f.s.Library_Image.resize(4);
    EXPECT_TRUE(ReadPlayerLibrary(f.s, f.r).empty());
    EXPECT_TRUE(f.s.Library_Image.empty());
    EXPECT_TRUE(f.r.messages.empty());
    EXPECT_TRUE(f.dir.names().empty());

    std::filesystem::create_directory(f.lib());
    EXPECT_TRUE(ReadPlayerLibrary(f.s, f.r).empty());
    ASSERT_EQ(f.r.messages.size(), 1u);
    EXPECT_EQ(f.r.messages[0].text, "Impossible d'accéder à la librairie des joueurs");
    EXPECT_EQ(f.r.messages[0].caption, f.lib());
    EXPECT_EQ(f.r.messages[0].icon, Icon::Stop);

    // Registering against it is refused before a player file is written.
    f.s.Current_Profile = test::MakeProfile("Dupont", "Jean", "");
    EXPECT_FALSE(RegisterNewPlayer(f.s, f.r));
    EXPECT_EQ(f.r.beeps, 1);
    EXPECT_EQ(f.dir.names(), std::vector<std::string>{"User.bib"});
}

TEST(PlayerLibrary, aDifferentlyCasedLibraryIsUsed) {
    Fixture f;
    f.putPlayer("Martin.usr", "Martin", "Martin.usr");
    WriteBytes(f.dir.path() + "user.bib", Library({"Martin.usr"}));
    EXPECT_EQ(ReadPlayerLibrary(f.s, f.r).size(), 1u);
    EXPECT_EQ(f.add("Dupont", "Jean"), "Dupont.usr");
    EXPECT_EQ(RecordNames(ReadBytes(f.dir.path() + "user.bib")),
              (std::vector<std::string>{"Martin.usr", "Dupont.usr"}));
    EXPECT_FALSE(test::Exists(f.lib()));
}

TEST(PlayerLibrary, failedRegistrationLeavesNothingBehind) {
    {
        // The players' directory is a regular file: the player file cannot be saved.
        Fixture f;
        WriteBytes(f.dir.path() + "users", {'x'});
        f.s.User_Dir = f.dir.path() + "users/";
        f.s.Current_Profile = test::MakeProfile("Dupont", "Jean", "Avant.usr");
        EXPECT_FALSE(RegisterNewPlayer(f.s, f.r));
        EXPECT_EQ(FieldText(f.s.Current_Profile.file_name), "Avant.usr");
        EXPECT_EQ(f.r.messages.size(), 1u);
        EXPECT_EQ(f.dir.names(), std::vector<std::string>{"users"});
    }
    {
        // The library cannot grow (file size limit): the new player file goes again.
        Fixture f;
        std::vector<uint8_t> lib;
        for (int i = 0; i < 100; ++i) {
            const auto r = Record("Joueur" + std::to_string(i) + ".usr");
            lib.insert(lib.end(), r.begin(), r.end());
        }
        WriteBytes(f.lib(), lib);
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lim{4000, 4000}; // room for the player file, not the library
            ::setrlimit(RLIMIT_FSIZE, &lim);
            f.s.Current_Profile = test::MakeProfile("Dupont", "Jean", "Avant.usr");
            const bool ok = RegisterNewPlayer(f.s, f.r);
            const bool kept = FieldText(f.s.Current_Profile.file_name) == "Avant.usr";
            ::_exit(ok ? 1 : !kept ? 2 : f.r.beeps != 1 ? 10 + f.r.beeps + 10 * int(f.r.messages.size()) : 0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(ReadBytes(f.lib()), lib);
        EXPECT_EQ(f.dir.names(), std::vector<std::string>{"User.bib"});
    }
}

TEST(PlayerLibrary, removingRecords) {
    const struct {
        const char *what;
        std::vector<std::string_view> before;
        const char *remove;
        bool removed;
        std::vector<std::string> after; // empty: no library left
    } cases[] = {
        {"first of three", {"A.usr", "B.usr", "C.usr"}, "A.usr", true, {"B.usr", "C.usr"}},
        {"last of three", {"A.usr", "B.usr", "C.usr"}, "C.usr", true, {"A.usr", "B.usr"}},
        {"middle", {"A.usr", "B.usr", "C.usr"}, "B.usr", true, {"A.usr", "C.usr"}},
        {"only", {"A.usr"}, "A.usr", true, {}},
        {"absent", {"A.usr", "B.usr"}, "Z.usr", false, {"A.usr", "B.usr"}},
        {"absent from a single record", {"A.usr"}, "Z.usr", false, {"A.usr"}},
        {"first of two equal", {"A.usr", "B.usr", "A.usr"}, "A.usr", true, {"B.usr", "A.usr"}},
        {"case matters", {"A.usr", "B.usr"}, "a.usr", false, {"A.usr", "B.usr"}},
    };
    for (const auto &c : cases) {
        Fixture f;
        std::vector<uint8_t> lib;
        for (std::string_view n : c.before) {
            const auto r = Record(n);
            lib.insert(lib.end(), r.begin(), r.end());
        }
        WriteBytes(f.lib(), lib);
        f.s.Current_Profile = test::MakeProfile("X", "Y", c.remove);
        EXPECT_EQ(RemoveFromLibrary(f.s, f.r), c.removed) << c.what;
        EXPECT_EQ(f.r.beeps, c.removed ? 0 : 1) << c.what;
        if (!c.removed) {
            EXPECT_EQ(ReadBytes(f.lib()), lib) << c.what;
        } else if (c.after.empty()) {
            EXPECT_FALSE(test::Exists(f.lib())) << c.what;
        } else {
            EXPECT_EQ(RecordNames(ReadBytes(f.lib())), c.after) << c.what;
            EXPECT_EQ(ReadBytes(f.lib()).size(), c.after.size() * kLibraryRecordBytes) << c.what;
        }
        EXPECT_EQ(f.dir.names().size(), c.after.empty() ? 0u : 1u) << c.what;
    }
}

TEST(PlayerLibrary, removingWithoutALibrary) {
    Fixture f;
    f.s.Current_Profile = test::MakeProfile("X", "Y", "A.usr");
    EXPECT_FALSE(RemoveFromLibrary(f.s, f.r));
    EXPECT_EQ(f.r.beeps, 1);
    EXPECT_TRUE(f.dir.names().empty());
}

TEST(PlayerLibrary, registeredPlayerLoadsBackWithItsData) {
    Fixture f;
    const PlayerData p = test::MakeDeterministicPlayer();
    f.s.Current_Profile = p.profile;
    SetFieldText(f.s.Current_Profile.file_name, "");
    f.s.Mem_Days = p.days;
    f.s.Mem_Tournois = p.tournaments;
    ASSERT_TRUE(RegisterNewPlayer(f.s, f.r));
    const auto entries = ReadPlayerLibrary(f.s, f.r);
    ASSERT_EQ(entries.size(), 1u);
    SharedState loaded;
    loaded.User_Dir = f.s.User_Dir;
    loaded.Current_Profile = f.s.Library_Image[entries[0].record];
    ASSERT_TRUE(LoadPlayerData(loaded, entries[0].file_name, f.r));
    EXPECT_TRUE(test::SameBytes({loaded.Current_Profile, loaded.Mem_Days, loaded.Mem_Tournois},
                                {f.s.Current_Profile, f.s.Mem_Days, f.s.Mem_Tournois}));
}

} // namespace
} // namespace zel
