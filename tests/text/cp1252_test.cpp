// Windows-1252 texts crossing into the Unicode UI and back.
#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(Cp1252, accentsAndEuroRoundTrip) {
    const std::string utf8 = "Dupré Œ€ Extérieur";
    const std::string bytes = Utf8ToCp1252(utf8);
    EXPECT_EQ(bytes, "Dupr\xE9 \x8C\x80 Ext\xE9rieur");
    EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
}

TEST(Cp1252, everyByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, charactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x86\x92z"), "a?z");   // U+2192 arrow
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8F\x93!"), "?!"); // emoji, 4 bytes
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");             // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC3(\x80"), "?(?");        // bad continuation, stray byte
}

} // namespace
} // namespace zel
