// Windows-1252 texts crossing into the Unicode UI and back, and the fixed-size text fields.
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(Cp1252, everyByteRoundTripsAndCharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Dupré Œ€"), "Dupr\xE9 \x8C\x80");
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x86\x92z"), "a?z");   // U+2192 arrow
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8F\x93!"), "?!"); // emoji, 4 bytes
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");             // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC3(\x80"), "?(?");        // bad continuation, stray byte
}

TEST(FixedText, aFieldEndsAtItsTerminatorOrItsEndAndWritingKeepsTheBytesBehind) {
    char field[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_EQ(FieldText(field), "abcdefgh");
    SetFieldText(field, "xy");
    EXPECT_EQ(std::string(field, 8), std::string("xy\0defgh", 8));
    EXPECT_EQ(FieldText(field), "xy");
    SetFieldText(field, "0123456789");
    EXPECT_EQ(std::string(field, 8), std::string("0123456\0", 8));
    char full[3] = {};
    SetFieldTextFull(full, "100");
    EXPECT_EQ(std::string(full, 3), "100");
}

} // namespace
} // namespace zel
