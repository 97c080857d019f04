// Dialog units and the numbers typed into dialog fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Base units of a dialog font in pixels: the average character width and the
// character height. 6 x 13 is the classic 8-point dialog font at 96 dpi.
struct BaseUnits {
    int x = 6;
    int y = 13;
};

// Base units from the advance of "A..Za..z" and the line height, rounded
// the way the dialog manager rounds them.
BaseUnits BaseUnitsFromMetrics(int alphabet_advance, int height);

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const PixelRect &) const = default;
};

// Horizontal units are quarters of base x, vertical units eighths of base y,
// each rounded to the nearest pixel. The corners are converted, so adjacent
// controls stay adjacent.
int DluToPixelsX(int dlu, BaseUnits b);
int DluToPixelsY(int dlu, BaseUnits b);
PixelRect DluToPixels(int x, int y, int w, int h, BaseUnits b);

// The number in a field, read as the dialog manager reads it: blanks around
// it are skipped; an empty text, any other character or a value out of range
// is no number (nullopt). Signed reading accepts one leading '-'.
std::optional<uint32_t> ParseUnsignedField(std::string_view text);
std::optional<int32_t> ParseSignedField(std::string_view text);

// What dialogs store when a field holds no number: 0.
inline uint32_t UnsignedFieldValue(std::string_view text) {
    return ParseUnsignedField(text).value_or(0);
}
inline int32_t SignedFieldValue(std::string_view text) {
    return ParseSignedField(text).value_or(0);
}

// "%d"
std::string FormatNumber(long long value);

} // namespace zel
