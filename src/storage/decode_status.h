// The outcome of decoding bytes that came from disk.
#pragma once

namespace zel {

enum class DecodeStatus {
    Ok,
    Truncated, // fewer bytes or bits than the data declares
    BadTable,  // a code table that no encoder writes: bad length, overlap, stray bits
    Corrupt,   // a stream that does not follow its own rules
    TooLarge,  // the output would exceed the caller's cap
};

} // namespace zel
