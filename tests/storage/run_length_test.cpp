// Run-length packing of the player record.
#include "storage/run_length.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(RunLength, packsRunsUpTo255) {
    const struct {
        Bytes record;
        Bytes stream;
    } cases[] = {
        {{}, {}},
        {{5, 5, 5, 0, 0, 7}, {5, 3, 0, 2, 7, 1}},
        {Bytes(300, 9), {9, 255, 9, 45}},
        {Bytes(255, 0), {0, 255}},
        {Bytes(256, 0), {0, 255, 0, 1}},
        {{1, 2, 1}, {1, 1, 2, 1, 1, 1}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RunLengthPack(c.record), c.stream);
        EXPECT_EQ(RunLengthPackedSize(c.record), c.stream.size());
        Bytes back;
        ASSERT_EQ(RunLengthUnpack(c.stream, 1 << 20, back), DecodeStatus::Ok);
        EXPECT_EQ(back, c.record);
    }
}

TEST(RunLength, refusesMalformedStreams) {
    const struct {
        Bytes stream;
        std::size_t cap;
        DecodeStatus status;
    } cases[] = {
        {{5}, 100, DecodeStatus::Corrupt},
        {{5, 1, 6}, 100, DecodeStatus::Corrupt},
        {{5, 0}, 100, DecodeStatus::Corrupt},
        {{5, 3, 6, 0}, 100, DecodeStatus::Corrupt},
        {{5, 255, 6, 255}, 509, DecodeStatus::TooLarge},
        {{5, 255, 6, 255}, 510, DecodeStatus::Ok},
    };
    for (const auto &c : cases) {
        Bytes out{42};
        EXPECT_EQ(RunLengthUnpack(c.stream, c.cap, out), c.status);
        if (c.status != DecodeStatus::Ok) {
            EXPECT_EQ(out, Bytes{42});
        }
    }
}

} // namespace
} // namespace zel
