// Importing a player file from another directory into the players' directory.
#pragma once

#include "platform/reporter.h"

#include <string>
#include <vector>

namespace zel {

struct SharedState;

// What the import chooser shows for one directory: the player files ("*.usr",
// any case) and then the directories to move to, each sorted ignoring case.
// Names are as on disk (UTF-8). Hidden entries are left out; ".." is offered
// everywhere but at the root.
struct ImportListing {
    std::vector<std::string> files;
    std::vector<std::string> directories;
};
ImportListing ListImportDirectory(const std::string &dir);

// The directory reached by entering `name` (a subdirectory or "..") from
// `dir`, in its canonical form without a trailing "/".
std::string EnterDirectory(const std::string &dir, const std::string &name);

// Whether two paths name the same directory once symbolic links, "." and ".."
// are resolved. False when either does not exist.
bool SameDirectory(const std::string &a, const std::string &b);

enum class ImportResult {
    Imported,
    SameDirectory, // the source is the players' directory: nothing read
    NotPlayerFile, // does not begin with "usr": nothing said yet, source untouched
    ReadFailed,    // unreadable or damaged: the reader has told the user
    RegisterFailed // could not be saved or listed: told, source untouched
};

// Reads dir + "/" + name, saves it under a free name in state.User_Dir and
// appends that name to User.bib. Works on its own copy of the player: nothing
// of `state` changes. Once Imported, the copy and its library record are on
// disk and the caller disposes of the source. `new_file_name` receives the
// registered name (Windows-1252) when given.
ImportResult ImportPlayerFile(const SharedState &state, const std::string &dir, const std::string &name,
                              Reporter &r, std::string *new_file_name = nullptr);

} // namespace zel
