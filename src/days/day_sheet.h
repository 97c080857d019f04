// The 1412-byte championship day record, stored byte for byte in player files.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace zel {

static_assert(std::endian::native == std::endian::little);

// One single match. Offsets are relative to the slot.
struct Single_Slot {
    uint32_t played;             // 1 when the match was played
    char name[128];              // opponent
    char classement[4];          // opponent's label
    uint8_t reserved[4];         // always zero, never read
    uint32_t player_scores[3];   // sets 1..3
    uint32_t opponent_scores[3];
    int32_t points;              // -4..4 by the match points rule
};

static_assert(sizeof(Single_Slot) == 168);
static_assert(offsetof(Single_Slot, played) == 0);
static_assert(offsetof(Single_Slot, name) == 4);
static_assert(offsetof(Single_Slot, classement) == 132);
static_assert(offsetof(Single_Slot, reserved) == 136);
static_assert(offsetof(Single_Slot, player_scores) == 140);
static_assert(offsetof(Single_Slot, opponent_scores) == 152);
static_assert(offsetof(Single_Slot, points) == 164);

// The double; it carries no points.
struct Double_Block {
    uint32_t played;
    char partner[128];
    char partner_classement[4];
    char opponent1[128];
    char opponent1_classement[4];
    char opponent2[128];
    char opponent2_classement[4];
    uint32_t pair_scores[3];
    uint32_t opponent_scores[3];
};

static_assert(sizeof(Double_Block) == 424);
static_assert(offsetof(Double_Block, partner) == 4);
static_assert(offsetof(Double_Block, partner_classement) == 132);
static_assert(offsetof(Double_Block, opponent1) == 136);
static_assert(offsetof(Double_Block, opponent1_classement) == 264);
static_assert(offsetof(Double_Block, opponent2) == 268);
static_assert(offsetof(Double_Block, opponent2_classement) == 396);
static_assert(offsetof(Double_Block, pair_scores) == 400);
static_assert(offsetof(Double_Block, opponent_scores) == 412);

struct Day_Sheet {
    char season[32];          // "Championnat 2000 - 2001"
    uint8_t day;              // of the month
    uint8_t month;
    char type;                // 'M' for "Masculin", otherwise 'F'
    char classement[5];       // the player's own label on that day
    uint32_t number;          // "Journée n°"
    char division[3];         // one of the 14 division labels
    char division_poule;
    char team[128];           // "Equipe"
    char team_letter;         // 'A' or 'X'
    char opponent_club[128];  // "Club Adverse"
    char place[10];           // "Domicile" or "Extérieur"
    char poule;               // 'A' or 'B'
    Single_Slot singles[4];
    Double_Block double_match;
};

static_assert(sizeof(Day_Sheet) == 1412);
static_assert(offsetof(Day_Sheet, season) == 0);
static_assert(offsetof(Day_Sheet, day) == 32);
static_assert(offsetof(Day_Sheet, month) == 33);
static_assert(offsetof(Day_Sheet, type) == 34);
static_assert(offsetof(Day_Sheet, classement) == 35);
static_assert(offsetof(Day_Sheet, number) == 40);
static_assert(offsetof(Day_Sheet, division) == 44);
static_assert(offsetof(Day_Sheet, division_poule) == 47);
static_assert(offsetof(Day_Sheet, team) == 48);
static_assert(offsetof(Day_Sheet, team_letter) == 176);
static_assert(offsetof(Day_Sheet, opponent_club) == 177);
static_assert(offsetof(Day_Sheet, place) == 305);
static_assert(offsetof(Day_Sheet, poule) == 315);
static_assert(offsetof(Day_Sheet, singles) == 316);
static_assert(offsetof(Day_Sheet, double_match) == 988);

} // namespace zel
