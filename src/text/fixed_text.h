// Reading and writing the fixed-size, zero-terminated text fields of records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zel {

// A field filled to its last byte has no terminator: it ends at the field's end.
inline std::string_view FieldText(const char *field, std::size_t size) {
    const void *nul = std::memchr(field, 0, size);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char *>(nul) - field) : size};
}

template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    return FieldText(field, N);
}

// Writes at most N - 1 bytes and a terminator. Bytes after the terminator are
// left as they were: records keep whatever older text stood behind a shorter one.
template <std::size_t N> void SetFieldText(char (&field)[N], std::string_view text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// Like SetFieldText, but a text of exactly N bytes fills the field without a
// terminator (the profile's 3-byte classement holds "100" that way).
template <std::size_t N> void SetFieldTextFull(char (&field)[N], std::string_view text) {
    const std::size_t n = std::min(text.size(), N);
    std::memcpy(field, text.data(), n);
    if (n < N)
        field[n] = '\0';
}

} // namespace zel
