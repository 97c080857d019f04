// Where the program's files are: Windows-style settings turned into absolute paths.
#pragma once

#include <string>
#include <string_view>

namespace zel {

// On Linux the players' directory defaults to "./users/" below the start directory.
inline constexpr std::string_view kDefaultUserDrive = "";
inline constexpr std::string_view kDefaultUserPath = ".\\users\\";

// User_Dir from the "UserDrive" and "UserPath" settings, joined as they are.
// A drive letter ("C", "C:") has no meaning here and is dropped, with the
// separator after it; backslashes become "/"; a relative result hangs off
// start_dir. The result is absolute, normalised and ends with "/", so a file
// name can be appended to it directly.
std::string ResolveUserDir(const std::string &start_dir, std::string_view drive, std::string_view path);

// A file named relative to the start directory the Windows way
// (".\data\main.bmp"), as an absolute path.
std::string ResolveStartPath(const std::string &start_dir, std::string_view relative);

// Creates the directory and its parents when missing; false when it still is not one.
bool EnsureDirectory(const std::string &path);

} // namespace zel
