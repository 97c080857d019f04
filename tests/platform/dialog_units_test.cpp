// Dialog units and the numbers read from dialog fields.
#include "platform/dialog_units.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(DialogUnits, cornersAreRoundedNotSizesAndBaseUnitsRoundTheAverageWidth) {
    const BaseUnits classic{6, 13};
    EXPECT_EQ(DluToPixels(7, 6, 265, 33, classic), (PixelRect{11, 10, 397, 53}));
    // Adjacent rectangles stay adjacent.
    const PixelRect a = DluToPixels(3, 3, 3, 3, classic), b = DluToPixels(6, 6, 3, 3, classic);
    EXPECT_EQ(std::pair(a.x + a.w, a.y + a.h), std::pair(b.x, b.y));
    EXPECT_EQ(BaseUnitsFromMetrics(312, 13).x, 6); // 12 per pair of letters
    EXPECT_EQ(BaseUnitsFromMetrics(338, 16).x, 7); // 13 rounds up
}

TEST(DialogFields, numbersAreReadLikeTheDialogManager) {
    const struct {
        const char *text;
        std::optional<uint32_t> unsigned_value;
        std::optional<int32_t> signed_value;
    } cases[] = {
        {"", std::nullopt, std::nullopt},
        {" 12 ", 12u, 12},
        {"12a", std::nullopt, std::nullopt},
        {"-3", std::nullopt, -3},
        {"+3", std::nullopt, std::nullopt},
        {"4294967295", 4294967295u, std::nullopt},
        {"4294967296", std::nullopt, std::nullopt},
        {"-2147483648", std::nullopt, INT32_MIN},
        {"-2147483649", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseUnsignedField(c.text), c.unsigned_value) << '"' << c.text << '"';
        EXPECT_EQ(ParseSignedField(c.text), c.signed_value) << '"' << c.text << '"';
    }
    EXPECT_EQ(UnsignedFieldValue("12a"), 0u);
}

} // namespace
} // namespace zel
