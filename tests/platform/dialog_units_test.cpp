// Dialog units and the numbers read from dialog fields.
#include "platform/dialog_units.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(DialogUnits, classicFontConvertsAsTheDialogManagerDoes) {
    const BaseUnits classic{6, 13};
    EXPECT_EQ(DluToPixels(0, 0, 364, 194, classic), (PixelRect{0, 0, 546, 315}));
    EXPECT_EQ(DluToPixels(7, 6, 265, 33, classic), (PixelRect{11, 10, 397, 53}));
    // Adjacent rectangles stay adjacent: the corners are rounded, not the sizes.
    const PixelRect a = DluToPixels(3, 3, 3, 3, classic), b = DluToPixels(6, 6, 3, 3, classic);
    EXPECT_EQ(a.x + a.w, b.x);
    EXPECT_EQ(a.y + a.h, b.y);
}

TEST(DialogUnits, baseUnitsRoundTheAverageWidth) {
    EXPECT_EQ(BaseUnitsFromMetrics(312, 13).x, 6); // 12 per pair of letters
    EXPECT_EQ(BaseUnitsFromMetrics(338, 16).x, 7); // 13 rounds up
}

TEST(DialogFields, numbersAreReadLikeTheDialogManager) {
    struct Case {
        const char *text;
        std::optional<uint32_t> unsigned_value;
        std::optional<int32_t> signed_value;
    };
    const Case cases[] = {
        {"", std::nullopt, std::nullopt},
        {"12", 12u, 12},
        {" 12 ", 12u, 12},
        {"12a", std::nullopt, std::nullopt},
        {"-3", std::nullopt, -3},
        {"+3", std::nullopt, std::nullopt},
        {"4294967295", 4294967295u, std::nullopt},
        {"4294967296", std::nullopt, std::nullopt},
        {"-2147483648", std::nullopt, INT32_MIN},
        {"-2147483649", std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ParseUnsignedField(c.text), c.unsigned_value) << '"' << c.text << '"';
        EXPECT_EQ(ParseSignedField(c.text), c.signed_value) << '"' << c.text << '"';
    }
    EXPECT_EQ(UnsignedFieldValue("12a"), 0u);
    EXPECT_EQ(SignedFieldValue("-7"), -7);
    EXPECT_EQ(FormatNumber(-4), "-4");
}

} // namespace
} // namespace zel
