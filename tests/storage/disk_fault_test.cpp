// Changes that fail on a real disk (a file size limit anywhere in the write, something else standing
// where a file or directory should be): the disk and the data in memory stay exactly as they were,
// and the user is told what the program says for that failure.
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "storage_test_support.h"
#include "support/disk_faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace zel {
namespace {

namespace fs = std::filesystem;

// Every path under `root` with its bytes, or what else stands there.
std::map<std::string, std::string> Disk(const std::string &root) {
    std::map<std::string, std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(root)) {
        const std::vector<uint8_t> bytes =
            e.is_regular_file() ? test::ReadBytes(e.path()) : std::vector<uint8_t>{};
        out[e.path()] = e.is_directory() ? "<dir>"
                        : e.is_fifo()    ? "<fifo>"
                                         : std::string(bytes.begin(), bytes.end());
    }
    return out;
}

// A players' directory with Dupont.usr saved and listed in User.bib among 60 players, and in
// memory a bigger Dupont, not yet saved.
struct Scene {
    test::TempDir dir;
    std::string users = dir.path() + "users/";
    SharedState s;

    Scene() {
        fs::create_directory(users);
        s.User_Dir = users;
        const PlayerData old = test::MakeDeterministicPlayer(), next = test::MakeRealisticPlayer(40, 30, 11);
        s.Current_Profile = old.profile;
        s.Mem_Days = old.days;
        s.Mem_Tournois = old.tournaments;
        test::RecordingReporter r;
        EXPECT_TRUE(SaveCurrentPlayer(s, r));
        std::vector<uint8_t> library;
        for (int i = 0; i < 60; ++i) {
            const std::string name = i == 7 ? "Dupont.usr" : "Joueur" + std::to_string(i) + ".usr";
            library.insert(library.end(), name.begin(), name.end());
            library.resize(kLibraryRecordBytes * (i + 1), 0);
        }
        test::WriteBytes(users + kLibraryFileName, library);
        s.Mem_Days = next.days;
        s.Mem_Tournois = next.tournaments;
        s.Current_Profile.day_count = 40;
        s.Current_Profile.tournament_count = 30;
    }
};

enum class Change { Save, Register, Remove, Load, List };
enum class Stand { Nothing, File, Directory, Fifo, TooLarge };

TEST(DiskFaults, aFailedChangeLeavesDiskAndMemoryAsTheyWereAndSaysWhy) {
    // Offsets in the file the bigger Dupont saves to: each section names itself.
    const std::vector<uint8_t> file = [] {
        const Scene f;
        return EncodePlayer(f.s.Current_Profile, f.s.Mem_Days, f.s.Mem_Tournois);
    }();
    const std::size_t n = file[3] | file[4] << 8;
    const std::string open = "@Dupont.usr|Probleme d'ouverture du fichier",
                      library = "Impossible d'accéder à la librairie des joueurs|@User.bib";
    const struct {
        Change change;
        std::optional<rlim_t> limit;
        Stand stands;
        const char *where; // what it stands in place of, in the players' directory ("" for itself)
        std::string told;  // '@' stands for the players' directory
    } cases[] = {
        {Change::Save, 0, {}, "", "Erreur d'écriture de l'identificateur|Info"},
        {Change::Save, 5, {}, "", "Erreur d'écriture de Num_code|Info"},
        {Change::Save, 7 + 8 * 3, {}, "", "Erreur d'écriture Code|Info"},
        {Change::Save, 7 + 8 * n + 2, {}, "", "Erreur d'écriture Bin_pos|Info"},
        {Change::Save, 11 + 8 * n + 1, {}, "", "Erreur d'écriture Recept|Info"},
        {Change::Save, file.size() - 1, {}, "", "Erreur d'écriture Recept|Info"},
        {Change::Save, {}, Stand::File, "", open},
        {Change::Save, {}, Stand::Directory, "Dupont.usr", open},
        {Change::Save, {}, Stand::TooLarge, "", "Le joueur est trop volumineux pour être enregistré|Info"},
        // Room for the new player's file, not for the longer library: the new file goes again.
        {Change::Register, 4000, {}, "", "beep"},
        {Change::Register, {}, Stand::Directory, "User.bib", "beep"},
        // No free name is chosen from a partial picture of the directory.
        {Change::Register,
         {},
         Stand::File,
         "",
         "Le répertoire des joueurs ne peut pas être lu : aucun joueur n'y est enregistré.|Zel Manager"},
        {Change::Remove, 2 * kLibraryRecordBytes, {}, "", "beep"},
        // Nothing ever writes into these FIFOs: a reader that opened them as files would wait forever.
        {Change::Remove, {}, Stand::Fifo, "User.bib", "beep"},
        {Change::List, {}, Stand::Fifo, "User.bib", library},
        {Change::List, {}, Stand::Directory, "User.bib", library},
        {Change::Load, {}, Stand::Fifo, "Dupont.usr", open},
    };
    for (const auto &c : cases) {
        Scene f;
        const std::string what = std::to_string(int(c.change)) + " " + std::to_string(c.limit.value_or(-1)) +
                                 " " + std::to_string(int(c.stands)) + " " + c.where;
        if (c.change == Change::Register)
            f.s.Current_Profile = test::MakeProfile("Petit", "Luc", "Avant.usr");
        const std::string place = f.users + c.where;
        if (c.stands != Stand::Nothing && c.stands != Stand::TooLarge)
            fs::rename(place, f.dir.path() + "away");
        if (c.stands == Stand::File)
            test::WriteBytes(place.substr(0, place.size() - 1), {'x'});
        if (c.stands == Stand::Directory)
            fs::create_directory(place);
        if (c.stands == Stand::Fifo) {
            ASSERT_EQ(::mkfifo(place.c_str(), 0600), 0);
        }
        if (c.stands == Stand::TooLarge) {
            f.s.Current_Profile.day_count = 743;
            f.s.Mem_Days.assign(743, Day_Sheet{});
        }
        const auto disk = Disk(f.dir.path());
        const SharedState before = f.s;
        test::RecordingReporter r;
        bool done = true;
        {
            std::optional<test::FileSizeLimit> limit;
            if (c.limit)
                limit.emplace(*c.limit);
            switch (c.change) {
            case Change::Save:
                done = SaveCurrentPlayer(f.s, r);
                break;
            case Change::Register:
                done = RegisterNewPlayer(f.s, r);
                break;
            case Change::Remove:
                done = RemoveFromLibrary(f.s, r);
                break;
            case Change::Load:
                done = LoadPlayerData(f.s, "Dupont.usr", r);
                break;
            case Change::List:
                done = !ReadPlayerLibrary(f.s, r).empty();
            }
        }
        EXPECT_FALSE(done) << what;
        std::string told = c.told;
        if (const auto at = told.find('@'); at != std::string::npos)
            told.replace(at, 1, f.users);
        EXPECT_EQ(r.told, told) << what;
        EXPECT_EQ(Disk(f.dir.path()), disk) << what;
        EXPECT_TRUE(test::SameBytes({f.s.Current_Profile, f.s.Mem_Days, f.s.Mem_Tournois},
                                    {before.Current_Profile, before.Mem_Days, before.Mem_Tournois}))
            << what;
    }
}

} // namespace
} // namespace zel
