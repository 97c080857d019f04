// Players, directories and a recording reporter for the storage and library tests.
#include "storage_test_support.h"

#include "storage/huffman.h"
#include "storage/run_length.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace zel::test {

TempDir::TempDir(bool tmpfs) {
    const bool shm = tmpfs && ::access("/dev/shm", W_OK) == 0;
    std::string templ = ((shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
                         "zel-test-XXXXXX")
                            .string();
    if (!::mkdtemp(templ.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = templ + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempDir::names() const {
    std::vector<std::string> out;
    for (const auto &e : std::filesystem::directory_iterator(path_))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<uint8_t> ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string &path) {
    return std::filesystem::exists(path);
}

Player_Profile MakeProfile(const char *name, const char *first_name, const char *file_name) {
    Player_Profile p{};
    SetFieldText(p.name, name);
    SetFieldText(p.first_name, first_name);
    p.age = 34;
    p.sex = 'M';
    SetFieldTextFull(p.classement, "30");
    SetFieldText(p.club, "ASPTT Strasbourg");
    p.licence = 6712345;
    SetFieldText(p.file_name, file_name);
    p.scale_length = 9;
    return p;
}

std::vector<uint8_t> RecordOf(const PlayerData &p) {
    const auto *profile = reinterpret_cast<const uint8_t *>(&p.profile);
    std::vector<uint8_t> r(profile, profile + sizeof p.profile);
    const auto *days = reinterpret_cast<const uint8_t *>(p.days.data());
    r.insert(r.end(), days, days + p.days.size() * sizeof(Day_Sheet));
    const auto *tournaments = reinterpret_cast<const uint8_t *>(p.tournaments.data());
    r.insert(r.end(), tournaments, tournaments + p.tournaments.size() * sizeof(Tournament_Sheet));
    return r;
}

std::vector<uint8_t> FileAround(const std::vector<uint8_t> &record) {
    const Huff_Encoded e = HuffEncode(RunLengthPack(record));
    std::vector<uint8_t> f{'u', 's', 'r'};
    auto le32 = [&](uint64_t v) {
        for (int i = 0; i < 4; ++i)
            f.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    le32(e.table.size());
    const auto *t = reinterpret_cast<const uint8_t *>(e.table.data());
    f.insert(f.end(), t, t + 8 * e.table.size());
    le32(e.bit_count);
    f.insert(f.end(), e.bits.begin(), e.bits.end());
    return f;
}

SharedState StateWith(const PlayerData &p, const std::string &user_dir) {
    SharedState s;
    s.User_Dir = user_dir;
    s.Current_Profile = p.profile;
    s.Mem_Days = p.days;
    s.Mem_Tournois = p.tournaments;
    return s;
}

PlayerData InMemory(const SharedState &s) {
    return {s.Current_Profile, s.Mem_Days, s.Mem_Tournois};
}

bool SameBytes(const PlayerData &a, const PlayerData &b) {
    return a.days.size() == b.days.size() && RecordOf(a) == RecordOf(b);
}

namespace {

const char *const kLabels[] = {"NC", "100", "95", "90", "85", "80", "75", "70", "65", "60",
                               "55", "50",  "45", "40", "35", "30", "25", "20", "15"};
const char *const kFirstNames[] = {"Jean",     "Pierre",     "Luc",       "Marc", "Éric",
                                   "François", "Hélène",     "Sébastien", "Zoé",  "Bruno",
                                   "Céline",   "Anne-Laure", "Yves"};
const char *const kLastNames[] = {
    "Martin",   "Bernard",  "Dubois",  "Thomas",   "Robert",   "Richard",  "Petit",   "Durand",
    "Leroy",    "Moreau",   "Simon",   "Laurent",  "Lefèvre",  "Michel",   "Garcia",  "David",
    "Bertrand", "Roux",     "Vincent", "Fournier", "Morel",    "Girard",   "André",   "Lefebvre",
    "Mercier",  "Dupont",   "Lambert", "Bonnet",   "François", "Martinez", "Legrand", "Garnier",
    "Faure",    "Rousseau", "Blanc",   "Guérin",   "Muller",   "Henry",    "Roussel", "Nicolas"};
const char *const kClubs[] = {"TT Saint-Dié", "ASPTT Strasbourg", "CP Lunéville", "US Épinal",  "Nancy TT",
                              "AS Metz",      "SLUC Nancy",       "TT Colmar",    "Mulhouse TT"};

} // namespace

PlayerData MakeDeterministicPlayer() {
    PlayerData p;
    if (DecodePlayer(ReadBytes(std::string(ZEL_TEST_DATA) + "/storage/dupont.usr"), p) !=
        PlayerFileStatus::Ok)
        throw std::runtime_error("tests/data/storage/dupont.usr does not load");
    return p;
}

PlayerData MakeRandomPlayer(std::mt19937 &rng, int days, int tournaments) {
    // Mostly zero, like real sheets, with random bytes anywhere: texts with junk after their
    // terminator, or none.
    PlayerData p{{}, std::vector<Day_Sheet>(days), std::vector<Tournament_Sheet>(tournaments)};
    auto fill = [&](void *at, std::size_t size) {
        for (std::size_t k = 0; k < size; ++k)
            static_cast<uint8_t *>(at)[k] = rng() % 3 == 0 ? static_cast<uint8_t>(rng()) : 0;
    };
    fill(&p.profile, sizeof p.profile);
    fill(p.days.data(), p.days.size() * sizeof(Day_Sheet));
    fill(p.tournaments.data(), p.tournaments.size() * sizeof(Tournament_Sheet));
    p.profile.day_count = days;
    p.profile.tournament_count = tournaments;
    p.profile.scale_length = 1 + static_cast<int32_t>(rng() % 19);
    return p;
}

PlayerData MakeRealisticPlayer(int days, int tournaments, uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](const auto &list) { return list[rng() % std::size(list)]; };
    PlayerData p{};
    p.profile = MakeProfile("Lef\xE8vre", Utf8ToCp1252("Sébastien").c_str(), "Lef\xE8vre.usr");
    SetFieldText(p.profile.password, "pingpong");
    p.profile.scale_length = 12;
    p.profile.day_count = days;
    p.profile.tournament_count = tournaments;
    for (int i = 0; i < days; ++i) {
        const int year = 1990 + i / 22;
        Day_Sheet d{};
        SetFieldText(d.season, "Championnat " + std::to_string(year) + " - " + std::to_string(year + 1));
        d.day = static_cast<uint8_t>(1 + rng() % 28);
        d.month = static_cast<uint8_t>(1 + rng() % 12);
        d.type = rng() % 5 ? 'M' : 'F';
        SetFieldText(d.classement, kLabels[10 + (i / 40) % 8]);
        d.number = static_cast<uint32_t>(1 + i % 22);
        SetFieldText(d.division, pick(std::array{"D1", "D2", "D3", "PR", "R3", "R2"}));
        d.division_poule = static_cast<char>('A' + rng() % 4);
        SetFieldText(d.team, Utf8ToCp1252(std::string(pick(kClubs)) + " " + std::to_string(1 + rng() % 6)));
        d.team_letter = rng() % 2 ? 'A' : 'X';
        SetFieldText(d.opponent_club,
                     Utf8ToCp1252(std::string(pick(kClubs)) + " " + std::to_string(1 + rng() % 6)));
        SetFieldText(d.place, rng() % 2 ? "Domicile" : Utf8ToCp1252("Extérieur"));
        d.poule = rng() % 2 ? 'A' : 'B';
        for (Single_Slot &m : d.singles) {
            m.played = rng() % 10 != 0;
            if (!m.played)
                continue;
            SetFieldText(m.name, Utf8ToCp1252(std::string(pick(kLastNames)) + " " + pick(kFirstNames)));
            SetFieldText(m.classement, kLabels[5 + rng() % 14]);
            const int sets = 2 + static_cast<int>(rng() % 2);
            for (int s = 0; s < sets; ++s) {
                const bool won = rng() % 2;
                const uint32_t loser = static_cast<uint32_t>(rng() % 25);
                const uint32_t winner = loser > 19 ? loser + 2 : 21;
                m.player_scores[s] = won ? winner : loser;
                m.opponent_scores[s] = won ? loser : winner;
            }
            m.points = static_cast<int32_t>(rng() % 9) - 4;
        }
        Double_Block &db = d.double_match;
        db.played = rng() % 3 != 0;
        if (db.played) {
            SetFieldText(db.partner, Utf8ToCp1252(pick(kLastNames)));
            SetFieldText(db.partner_classement, kLabels[5 + rng() % 14]);
            SetFieldText(db.opponent1, Utf8ToCp1252(pick(kLastNames)));
            SetFieldText(db.opponent1_classement, kLabels[5 + rng() % 14]);
            SetFieldText(db.opponent2, Utf8ToCp1252(pick(kLastNames)));
            SetFieldText(db.opponent2_classement, kLabels[5 + rng() % 14]);
            for (int s = 0; s < 3; ++s) {
                db.pair_scores[s] = static_cast<uint32_t>(rng() % 22);
                db.opponent_scores[s] = static_cast<uint32_t>(rng() % 22);
            }
        }
        p.days.push_back(d);
    }
    for (int i = 0; i < tournaments; ++i) {
        const int year = 1990 + i / 15;
        Tournament_Sheet t{};
        SetFieldText(t.season, std::to_string(year) + " - " + std::to_string(year + 1));
        SetFieldText(t.name, Utf8ToCp1252("Tournoi de " + std::string(pick(kClubs)).substr(3)));
        t.day = 1 + rng() % 28;
        t.month = 1 + rng() % 12;
        t.year = static_cast<uint32_t>(year + (t.month < 8));
        for (int c = 0; c < 15; ++c)
            if (rng() % 3 == 0)
                t.columns[c] = {static_cast<uint32_t>(rng() % 5), static_cast<uint32_t>(rng() % 4)};
        t.points = static_cast<int32_t>(rng() % 300) - 150;
        SetFieldText(t.classement, kLabels[10 + (i / 30) % 8]);
        p.tournaments.push_back(t);
    }
    return p;
}

} // namespace zel::test
