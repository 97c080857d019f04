// Players, directories and a recording reporter for the storage and library tests.
#include "storage_test_support.h"

#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zel::test {

TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "zel-test-XXXXXX").string();
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
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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
    SetFieldText(p.password, "");
    p.licence = 6712345;
    SetFieldText(p.file_name, file_name);
    p.scale_length = 9;
    return p;
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

std::string Latin1(std::string_view utf8) {
    return Utf8ToCp1252(utf8);
}

template <std::size_t N> void FillJunk(std::mt19937 &rng, char (&field)[N]) {
    for (char &c : field)
        c = static_cast<char>(rng());
}

template <std::size_t N> void RandomText(std::mt19937 &rng, char (&field)[N]) {
    FillJunk(rng, field);
    const std::size_t len = rng() % N; // the terminator may fall on the last byte
    for (std::size_t i = 0; i < len; ++i)
        field[i] = static_cast<char>(0x20 + rng() % 0xDF);
    field[len] = '\0';
}

} // namespace

PlayerData MakeDeterministicPlayer() {
    PlayerData p{};
    p.profile = MakeProfile("Dupont", "Jean", "Dupont.usr");
    p.profile.day_count = 2;
    p.profile.tournament_count = 1;
    for (int i = 0; i < 2; ++i) {
        Day_Sheet d{};
        SetFieldText(d.season, "Championnat 2000 - 2001");
        d.day = static_cast<uint8_t>(7 + 14 * i);
        d.month = 10;
        d.type = 'M';
        SetFieldText(d.classement, "30");
        d.number = static_cast<uint32_t>(i + 1);
        SetFieldText(d.division, "D1");
        d.division_poule = 'A';
        SetFieldText(d.team, "Saint-Dié 2");
        d.team_letter = 'A';
        SetFieldText(d.opponent_club, i == 0 ? Latin1("Lunéville 1") : "Nancy 3");
        SetFieldText(d.place, i == 0 ? "Domicile" : Latin1("Extérieur"));
        d.poule = 'A';
        for (int s = 0; s < 4; ++s) {
            Single_Slot &m = d.singles[s];
            m.played = 1;
            SetFieldText(m.name, Latin1(kLastNames[s + 4 * i]));
            SetFieldText(m.classement, kLabels[13 + s]);
            for (int set = 0; set < 3; ++set) {
                m.player_scores[set] = (s + set) % 2 ? 21 : 15;
                m.opponent_scores[set] = (s + set) % 2 ? 17 : 21;
            }
            m.points = s == 2 ? -2 : 3 - s;
        }
        d.double_match.played = i == 0;
        if (i == 0) {
            SetFieldText(d.double_match.partner, "Petit");
            SetFieldText(d.double_match.partner_classement, "35");
            SetFieldText(d.double_match.opponent1, "Durand");
            SetFieldText(d.double_match.opponent1_classement, "30");
            SetFieldText(d.double_match.opponent2, "Leroy");
            SetFieldText(d.double_match.opponent2_classement, "40");
            for (int set = 0; set < 2; ++set) {
                d.double_match.pair_scores[set] = 21;
                d.double_match.opponent_scores[set] = 12 + set;
            }
        }
        p.days.push_back(d);
    }
    Tournament_Sheet t{};
    SetFieldText(t.season, "2000 - 2001");
    SetFieldText(t.name, "Tournoi de Colmar");
    t.day = 12;
    t.month = 11;
    t.year = 2000;
    t.columns[14] = {2, 1};
    t.columns[15] = {1, 2};
    t.columns[12] = {3, 0};
    t.points = -7;
    SetFieldText(t.classement, "30");
    p.tournaments.push_back(t);
    return p;
}

PlayerData MakeRandomPlayer(std::mt19937 &rng, int days, int tournaments) {
    PlayerData p{};
    auto *raw = reinterpret_cast<uint8_t *>(&p.profile);
    for (std::size_t i = 0; i < sizeof p.profile; ++i)
        raw[i] = static_cast<uint8_t>(rng());
    RandomText(rng, p.profile.name);
    RandomText(rng, p.profile.first_name);
    RandomText(rng, p.profile.club);
    RandomText(rng, p.profile.file_name);
    p.profile.day_count = days;
    p.profile.tournament_count = tournaments;
    p.profile.scale_length = 1 + static_cast<int32_t>(rng() % 19);
    for (int i = 0; i < days; ++i) {
        Day_Sheet d;
        auto *b = reinterpret_cast<uint8_t *>(&d);
        // Mostly zero, like real sheets, with random texts and numbers.
        for (std::size_t k = 0; k < sizeof d; ++k)
            b[k] = rng() % 3 == 0 ? static_cast<uint8_t>(rng()) : 0;
        RandomText(rng, d.season);
        RandomText(rng, d.team);
        for (Single_Slot &m : d.singles)
            RandomText(rng, m.name);
        p.days.push_back(d);
    }
    for (int i = 0; i < tournaments; ++i) {
        Tournament_Sheet t;
        auto *b = reinterpret_cast<uint8_t *>(&t);
        for (std::size_t k = 0; k < sizeof t; ++k)
            b[k] = rng() % 4 == 0 ? static_cast<uint8_t>(rng()) : 0;
        RandomText(rng, t.name);
        p.tournaments.push_back(t);
    }
    return p;
}

PlayerData MakeRealisticPlayer(int days, int tournaments, uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](const auto &list) { return list[rng() % std::size(list)]; };
    PlayerData p{};
    p.profile = MakeProfile("Lefèvre", "Sébastien", "Lefèvre.usr");
    SetFieldText(p.profile.name, Latin1("Lefèvre"));
    SetFieldText(p.profile.first_name, Latin1("Sébastien"));
    SetFieldText(p.profile.file_name, Latin1("Lefèvre.usr"));
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
        SetFieldText(d.team, Latin1(std::string(pick(kClubs)) + " " + std::to_string(1 + rng() % 6)));
        d.team_letter = rng() % 2 ? 'A' : 'X';
        SetFieldText(d.opponent_club,
                     Latin1(std::string(pick(kClubs)) + " " + std::to_string(1 + rng() % 6)));
        SetFieldText(d.place, rng() % 2 ? "Domicile" : Latin1("Extérieur"));
        d.poule = rng() % 2 ? 'A' : 'B';
        for (Single_Slot &m : d.singles) {
            m.played = rng() % 10 != 0;
            if (!m.played)
                continue;
            SetFieldText(m.name, Latin1(std::string(pick(kLastNames)) + " " + pick(kFirstNames)));
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
            SetFieldText(db.partner, Latin1(pick(kLastNames)));
            SetFieldText(db.partner_classement, kLabels[5 + rng() % 14]);
            SetFieldText(db.opponent1, Latin1(pick(kLastNames)));
            SetFieldText(db.opponent1_classement, kLabels[5 + rng() % 14]);
            SetFieldText(db.opponent2, Latin1(pick(kLastNames)));
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
        SetFieldText(t.name, Latin1("Tournoi de " + std::string(pick(kClubs)).substr(3)));
        t.day = 1 + rng() % 28;
        t.month = 1 + rng() % 12;
        t.year = static_cast<uint32_t>(year + (t.month < 8));
        for (int c = 0; c < 15; ++c) {
            if (rng() % 3 == 0)
                t.columns[c] = {static_cast<uint32_t>(rng() % 5), static_cast<uint32_t>(rng() % 4)};
        }
        t.points = static_cast<int32_t>(rng() % 300) - 150;
        SetFieldText(t.classement, kLabels[10 + (i / 30) % 8]);
        p.tournaments.push_back(t);
    }
    return p;
}

int UnflattenedDepth(const std::vector<uint8_t> &input) {
    // (count, depth of the subtree) in list order; the first of the smallest counts is picked.
    std::vector<std::pair<int64_t, int>> list;
    int64_t counts[256] = {};
    for (uint8_t b : input)
        ++counts[b];
    for (int64_t c : counts)
        if (c > 0)
            list.push_back({c, 0});
    auto pick = [&] {
        auto it = std::min_element(list.begin(), list.end(),
                                   [](const auto &x, const auto &y) { return x.first < y.first; });
        const auto n = *it;
        list.erase(it);
        return n;
    };
    int depth = 0;
    while (list.size() > 1) {
        const auto a = pick();
        const auto b = pick();
        depth = 1 + std::max(a.second, b.second);
        list.push_back({a.first + b.first, depth});
    }
    return depth;
}

bool SameBytes(const PlayerData &a, const PlayerData &b) {
    return std::memcmp(&a.profile, &b.profile, sizeof a.profile) == 0 && a.days.size() == b.days.size() &&
           a.tournaments.size() == b.tournaments.size() &&
           (a.days.empty() ||
            std::memcmp(a.days.data(), b.days.data(), a.days.size() * sizeof(Day_Sheet)) == 0) &&
           (a.tournaments.empty() || std::memcmp(a.tournaments.data(), b.tournaments.data(),
                                                 a.tournaments.size() * sizeof(Tournament_Sheet)) == 0);
}

} // namespace zel::test
