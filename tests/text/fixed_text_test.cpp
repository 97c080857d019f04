// The text field helpers that every record relies on.
#include "text/fixed_text.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(FixedText, fieldWithoutTerminatorEndsAtFieldEnd) {
    char field[3] = {'1', '0', '0'};
    EXPECT_EQ(FieldText(field), "100");
    char shorter[5] = {'N', 'C', 0, 'X', 'Y'};
    EXPECT_EQ(FieldText(shorter), "NC");
}

TEST(FixedText, writingKeepsBytesBehindTheTerminatorAndAFullWriteHasNone) {
    char field[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    SetFieldText(field, "xy");
    EXPECT_EQ(std::string(field, 8), std::string("xy\0defgh", 8));
    SetFieldText(field, "0123456789");
    EXPECT_EQ(std::string(field, 8), std::string("0123456\0", 8));
    char full[3] = {};
    SetFieldTextFull(full, "100");
    EXPECT_EQ(std::string(full, 3), "100");
}

} // namespace
} // namespace zel
