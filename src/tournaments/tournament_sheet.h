// The 380-byte tournament record, stored byte for byte in player files.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace zel {

static_assert(std::endian::native == std::endian::little);

struct Tournament_Column {
    uint32_t victories;
    uint32_t defeats;
};

// Column i is Classement_Index i for the classements of the player's scale;
// "NC" sits at column N + 3 (N the profile's scale length), later columns are 0.
struct Tournament_Sheet {
    char season[32];            // "2000 - 2001"
    char name[128];             // "Nom"
    uint32_t day;
    uint32_t month;
    uint32_t year;
    Tournament_Column columns[23];
    uint8_t reserved[16];
    int32_t points;             // estimation for the own classement when stored
    char classement[4];         // the own classement when stored
};

static_assert(sizeof(Tournament_Sheet) == 380);
static_assert(offsetof(Tournament_Sheet, season) == 0);
static_assert(offsetof(Tournament_Sheet, name) == 32);
static_assert(offsetof(Tournament_Sheet, day) == 160);
static_assert(offsetof(Tournament_Sheet, month) == 164);
static_assert(offsetof(Tournament_Sheet, year) == 168);
static_assert(offsetof(Tournament_Sheet, columns) == 172);
static_assert(offsetof(Tournament_Sheet, reserved) == 356);
static_assert(offsetof(Tournament_Sheet, points) == 372);
static_assert(offsetof(Tournament_Sheet, classement) == 376);

} // namespace zel
