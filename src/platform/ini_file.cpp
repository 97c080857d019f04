// Settings files read and written the way Windows profile strings work.
#include "platform/ini_file.h"

#include <span>
#include <vector>

namespace zel {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a "key=value" line, or nullopt.
std::optional<std::string_view> KeyName(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || SectionName(line))
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

} // namespace

IniFile::IniFile(std::string_view text) {
    if (text.find("\r\n") != std::string_view::npos)
        eol_ = "\r\n";
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
}

IniFile IniFile::Load(const std::string &path, ReadFileStatus *status_out) {
    // Through the same reader as player files: a FIFO or a device in place of
    // the settings file is refused instead of blocking start-up, and a huge
    // file is cut rather than read whole.
    constexpr std::size_t kMaxIniBytes = 1 << 20;
    std::vector<uint8_t> bytes;
    const ReadFileStatus status = ReadWholeFile(path, kMaxIniBytes, bytes);
    if (status_out)
        *status_out = status;
    if (status != ReadFileStatus::Ok && status != ReadFileStatus::TooLarge)
        return IniFile();
    return IniFile(std::string(bytes.begin(), bytes.end()));
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    bool inside = false;
    for (const std::string &line : lines_) {
        if (const auto name = SectionName(line)) {
            // Only the first section of that name counts.
            if (inside)
                return std::nullopt;
            inside = SameName(*name, section);
            continue;
        }
        if (!inside)
            continue;
        const auto k = KeyName(line);
        if (!k || !SameName(*k, key))
            continue;
        std::string_view v = Trim(std::string_view(line).substr(line.find('=') + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        return std::string(v.substr(0, kProfileValueMax));
    }
    return std::nullopt;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    std::size_t i = 0;
    for (; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && SameName(*name, section))
            break;
    }
    if (i == lines_.size()) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    std::size_t last = i; // last non-blank line of the section
    for (std::size_t j = i + 1; j < lines_.size() && !SectionName(lines_[j]); ++j) {
        if (const auto k = KeyName(lines_[j]); k && SameName(*k, key)) {
            lines_[j] = std::move(line);
            return;
        }
        if (!Trim(lines_[j]).empty())
            last = j;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(last + 1), std::move(line));
}

std::string IniFile::text() const {
    std::string out;
    for (const std::string &line : lines_)
        out += line + eol_;
    return out;
}

bool IniFile::save(const std::string &path) const {
    const std::string t = text();
    return WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t *>(t.data()), t.size()))
               .status == AtomicWriteStatus::Ok;
}

} // namespace zel
