// The 280-byte player profile, stored byte for byte in player files.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace zel {

static_assert(std::endian::native == std::endian::little,
              "records are stored in memory exactly as in the little-endian player file");

// Texts are Windows-1252, zero-terminated inside their field unless they fill it.
struct Player_Profile {
    char name[32];           // "Nom", at most 31 characters
    char first_name[32];     // "Prénom"
    uint32_t age;            // typed as at most two digits
    char sex;                // 'M' or 'F'
    char classement[3];      // "NC", "100" ... "15"; "100" has no terminator
    char club[64];           // at most 32 characters typed
    char password[16];       // empty means none; kept in clear
    uint32_t licence;        // "Numéro de licence"
    char file_name[96];      // the player file inside the players' directory
    int32_t day_count;       // Day_Sheet records after the profile
    int32_t tournament_count; // Tournament_Sheet records after the days
    int32_t scale_length;    // N: "NC" plus the lowest classement up to "15", 1..19
    uint8_t reserved[16];    // zero in new profiles
};

static_assert(sizeof(Player_Profile) == 280);
static_assert(offsetof(Player_Profile, name) == 0);
static_assert(offsetof(Player_Profile, first_name) == 32);
static_assert(offsetof(Player_Profile, age) == 64);
static_assert(offsetof(Player_Profile, sex) == 68);
static_assert(offsetof(Player_Profile, classement) == 69);
static_assert(offsetof(Player_Profile, club) == 72);
static_assert(offsetof(Player_Profile, password) == 136);
static_assert(offsetof(Player_Profile, licence) == 152);
static_assert(offsetof(Player_Profile, file_name) == 156);
static_assert(offsetof(Player_Profile, day_count) == 252);
static_assert(offsetof(Player_Profile, tournament_count) == 256);
static_assert(offsetof(Player_Profile, scale_length) == 260);
static_assert(offsetof(Player_Profile, reserved) == 264);

} // namespace zel
