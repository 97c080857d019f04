// The player library User.bib: the players known here, by their file names.
//
// User.bib is a sequence of 96-byte records, no header: each holds one player
// file name (Windows-1252), zero-terminated, zero-padded. A trailing partial
// record is ignored. Records stay in registration order.
#pragma once

#include "platform/reporter.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zel {

struct SharedState;

inline constexpr std::size_t kLibraryRecordBytes = 96;
inline constexpr char kLibraryFileName[] = "User.bib";

// One player offered for loading.
struct LibraryEntry {
    std::size_t record;    // index in User.bib, and in SharedState::Library_Image
    std::string display;   // name, one space, first name; Windows-1252, at most 63 bytes
    std::string file_name; // the record's file name, Windows-1252
};

// Where the library lives: User_Dir + "User.bib", or an existing file whose
// name differs only in case (libraries copied from Windows).
std::string LibraryPath(const std::string &user_dir);

// Reads every record and the player file it names. Library_Image gets one
// profile per record (all zero when the record or its file cannot be used),
// each carrying the record's file name rather than whatever its file says.
// Only records whose player file was read are returned. A missing library is
// an empty one and is not created.
std::vector<LibraryEntry> ReadPlayerLibrary(SharedState &s, Reporter &r);

// Gives Current_Profile a file name free in User_Dir (Dupont.usr,
// DupontJean.usr, DupontJeanA.usr ...), saves the player there and appends the
// name to User.bib. On failure the user has been told (a beep when the library
// cannot be written), no new file is left behind, User.bib and Current_Profile
// are unchanged, and the result is false.
[[nodiscard]] bool RegisterNewPlayer(SharedState &s, Reporter &r);

// Removes the first record naming Current_Profile's file from User.bib; the
// library file is deleted when no record is left. False, with a beep and
// User.bib unchanged, when no record matches or the library cannot be rewritten.
[[nodiscard]] bool RemoveFromLibrary(const SharedState &s, Reporter &r);

} // namespace zel
