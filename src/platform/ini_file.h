// Settings files read and written the way Windows profile strings work.
//
// Section and key names match whatever their letter case; values are returned
// trimmed of blanks, without one pair of surrounding quotes, and cut to
// kProfileValueMax bytes. Writing a key replaces only that key's line (or adds
// it at the end of its section, or adds the section at the end of the file):
// every other line, comments and unknown keys included, stays as it was.
#pragma once

#include "storage/atomic_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Values were read into 1024-byte buffers: 1023 characters and a terminator.
inline constexpr std::size_t kProfileValueMax = 1023;

class IniFile {
  public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    // A missing or unreadable file reads as an empty one; a file longer than
    // 1 MB as its first megabyte. `status` tells which.
    static IniFile Load(const std::string &path, ReadFileStatus *status = nullptr);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string get(std::string_view section, std::string_view key, std::string_view fallback) const {
        return value(section, key).value_or(std::string(fallback));
    }
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text; line ends as the file had them ("\r\n" or "\n").
    std::string text() const;

    // Replaces the file atomically: readers see the old file or the new one.
    [[nodiscard]] bool save(const std::string &path) const;

  private:
    std::vector<std::string> lines_;
    std::string eol_ = "\n";
};

} // namespace zel
