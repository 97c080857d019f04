// Where the program's files are: Windows-style settings turned into absolute paths.
#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zel {
namespace {

bool IsDriveSpec(std::string_view s) {
    const bool letter = !s.empty() && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
    return letter && (s.size() == 1 || (s.size() == 2 && s[1] == ':'));
}

std::string Absolute(const std::string &start_dir, std::string joined, bool drop_root) {
    std::replace(joined.begin(), joined.end(), '\\', '/');
    if (drop_root)
        joined.erase(0, joined.find_first_not_of('/') == std::string::npos ? joined.size()
                                                                           : joined.find_first_not_of('/'));
    std::filesystem::path p(joined);
    if (!p.is_absolute())
        p = std::filesystem::path(start_dir) / p;
    return p.lexically_normal().string();
}

} // namespace

std::string ResolveUserDir(const std::string &start_dir, std::string_view drive, std::string_view path) {
    // "C:" + "\players\" and "C" + ".\users\" both name a place on that
    // drive; without drives, the start directory stands for it.
    const bool dropped = IsDriveSpec(drive);
    std::string joined = (dropped ? std::string() : std::string(drive)) + std::string(path);
    if (!dropped && joined.size() >= 2 && joined[1] == ':' && IsDriveSpec(joined.substr(0, 2)))
        return ResolveUserDir(start_dir, joined.substr(0, 2), joined.substr(2));
    std::string dir = Absolute(start_dir, std::move(joined), dropped);
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string ResolveStartPath(const std::string &start_dir, std::string_view relative) {
    return Absolute(start_dir, std::string(relative), false);
}

bool EnsureDirectory(const std::string &path) {
    std::error_code ec;
    if (std::filesystem::create_directories(path, ec))
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec); // the players' files
    return std::filesystem::is_directory(path, ec);
}

} // namespace zel
