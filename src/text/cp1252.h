// Windows-1252 <-> UTF-8 conversion for the texts held in records.
#pragma once

#include <string>
#include <string_view>

namespace zel {

// Every byte maps to one code point. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so a round trip through UTF-8 gives back the original bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character with no Windows-1252 form, or a malformed UTF-8 sequence,
// becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Letters in lower case, accents kept: "ÉLODIE Dupré" gives "élodie dupré".
std::string Cp1252Lower(std::string_view bytes);

// Lower case without accents, ligatures spelt out: "Œuvre ÉTÉ" gives
// "oeuvre ete". What a search typed by a person compares.
std::string Cp1252SearchKey(std::string_view bytes);

} // namespace zel
