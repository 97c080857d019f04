// Windows-1252 <-> UTF-8 conversion for the texts held in records.
#include "text/cp1252.h"

#include <array>
#include <cstdint>

namespace zel {
namespace {

// Code points of bytes 0x80..0x9F; every other byte is its own code point.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char32_t(byte);
}

void AppendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

char ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return char(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return char(0x80 + i);
    return '?';
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80           ? 0
                          : (lead >> 5) == 0x06 ? 1
                          : (lead >> 4) == 0x0E ? 2
                          : (lead >> 3) == 0x1E ? 3
                                                : -1;
        if (extra < 0 || utf8.size() - i <= std::size_t(extra)) {
            out += '?';
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        out += ByteOf(cp);
        i += extra + 1;
    }
    return out;
}

namespace {

unsigned char LowerByte(unsigned char b) {
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return b + 0x20;
    switch (b) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return b + 0x10;
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return b;
    }
}

// The unaccented spelling of a lower-case byte, or nullptr when it has none.
const char *Unaccented(unsigned char b) {
    static constexpr const char *kLatin[32] = {"a", "a",     "a", "a", "a", "a", "ae", "c", "e",     "e", "e",
                                               "e", "i",     "i", "i", "i", "d", "n",  "o", "o",     "o", "o",
                                               "o", nullptr, "o", "u", "u", "u", "u",  "y", nullptr, "y"};
    if (b >= 0xE0)
        return kLatin[b - 0xE0];
    switch (b) {
    case 0xDF:
        return "ss";
    case 0x9A:
        return "s";
    case 0x9C:
        return "oe";
    case 0x9E:
        return "z";
    default:
        return nullptr;
    }
}

} // namespace

std::string Cp1252Lower(std::string_view bytes) {
    std::string out(bytes);
    for (char &c : out)
        c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252SearchKey(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char lower = LowerByte(static_cast<unsigned char>(c));
        if (const char *plain = Unaccented(lower))
            out += plain;
        else
            out += static_cast<char>(lower);
    }
    return out;
}

} // namespace zel
