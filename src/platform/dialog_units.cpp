// Dialog units and the numbers typed into dialog fields.
#include "platform/dialog_units.h"

namespace zel {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c));
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<uint64_t> Digits(std::string_view s, uint64_t limit) {
    if (s.empty())
        return std::nullopt;
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + uint64_t(c - '0');
        if (v > limit)
            return std::nullopt;
    }
    return v;
}

} // namespace

BaseUnits BaseUnitsFromMetrics(int alphabet_advance, int height) {
    return {(alphabet_advance / 26 + 1) / 2, height};
}

int DluToPixelsX(int dlu, BaseUnits b) {
    return MulDiv(dlu, b.x, 4);
}
int DluToPixelsY(int dlu, BaseUnits b) {
    return MulDiv(dlu, b.y, 8);
}

PixelRect DluToPixels(int x, int y, int w, int h, BaseUnits b) {
    const int left = DluToPixelsX(x, b), top = DluToPixelsY(y, b);
    return {left, top, DluToPixelsX(x + w, b) - left, DluToPixelsY(y + h, b) - top};
}

std::optional<uint32_t> ParseUnsignedField(std::string_view text) {
    const auto v = Digits(Trim(text), UINT32_MAX);
    return v ? std::optional<uint32_t>(uint32_t(*v)) : std::nullopt;
}

std::optional<int32_t> ParseSignedField(std::string_view text) {
    text = Trim(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const auto v = Digits(text, negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX));
    if (!v)
        return std::nullopt;
    return negative ? int32_t(-int64_t(*v)) : int32_t(*v);
}

std::string FormatNumber(long long value) {
    return std::to_string(value);
}

} // namespace zel
