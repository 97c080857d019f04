// Byte run-length packing of the player record: pairs of (value, run).
#pragma once

#include "storage/decode_status.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zel {

// Equal neighbouring bytes share one pair until its run reaches 255; the
// stream is 2 bytes per pair, so at most twice the record.
std::vector<uint8_t> RunLengthPack(std::span<const uint8_t> record);

// Length of the stream RunLengthPack would give, without building it.
std::size_t RunLengthPackedSize(std::span<const uint8_t> record);

// Expands `stream` into `out` (replaced only on Ok). An odd length or a run of
// 0 is Corrupt; an expansion beyond max_output is TooLarge, found before
// anything is allocated.
[[nodiscard]] DecodeStatus RunLengthUnpack(std::span<const uint8_t> stream, std::size_t max_output,
                                           std::vector<uint8_t> &out);

} // namespace zel
