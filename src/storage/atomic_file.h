// Whole-file reads and crash-safe whole-file replacement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zel {

enum class AtomicWriteStatus {
    Ok,
    OpenFailed,   // the temporary file could not be created
    WriteFailed,  // see failed_offset
    SyncFailed,   // flushing or closing the temporary file failed
    RenameFailed, // the temporary file could not replace the target
};

struct AtomicWriteResult {
    AtomicWriteStatus status = AtomicWriteStatus::Ok;
    std::size_t failed_offset = 0; // first byte that did not reach the file
    int error = 0;                 // errno of the failure
};

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it
// over `path`. On any failure `path` is as it was and the temporary file is gone.
// The file is readable and writable by its owner only (an existing target's
// bits are kept where they are stricter), whatever the umask.
[[nodiscard]] AtomicWriteResult WriteFileAtomically(const std::string &path, std::span<const uint8_t> bytes);

// Missing: the file or one of its directories does not exist. NotRegular: a
// directory, FIFO or device stands where the file should be.
enum class ReadFileStatus { Ok, Missing, OpenFailed, NotRegular, ReadFailed, TooLarge };

// Reads a whole regular file. A file longer than max_bytes gives TooLarge with
// its first max_bytes bytes in `out` (enough to look at a header).
[[nodiscard]] ReadFileStatus ReadWholeFile(const std::string &path, std::size_t max_bytes,
                                           std::vector<uint8_t> &out);

} // namespace zel
