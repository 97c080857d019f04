// Fuzz target: a players' directory with any User.bib and any player files.
//
// Input: byte 0 holds the number of player files (bits 0..2, at most 4),
// which of them are directories instead (bits 3..6) and whether E.usr is a
// FIFO, which must not be waited on (bit 7); then each file as a
// 2-byte little-endian length and its bytes; the rest is User.bib. The files
// are A.usr, B.usr, C.usr and D.usr.
#include "fuzz_support.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"

#include <filesystem>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    using Bytes = std::vector<uint8_t>;
    if (size < 1)
        return 0;
    const std::string dir = FreshScratchDir();
    std::size_t at = 1;
    for (int i = 0; i < std::min(data[0] & 7, 4); ++i) {
        std::size_t length = 0;
        if (at + 2 <= size) {
            length = std::min<std::size_t>(data[at] | data[at + 1] << 8, size - at - 2);
            at += 2;
        }
        const std::string path = dir + static_cast<char>('A' + i) + ".usr";
        if (data[0] & (8 << i))
            std::filesystem::create_directory(path);
        else
            test::WriteBytes(path, {data + at, data + at + length});
        at += length;
    }
    if (data[0] & 0x80)
        FUZZ_CHECK(::mkfifo((dir + "E.usr").c_str(), 0600) == 0);
    const std::string library = dir + kLibraryFileName;
    const Bytes written(data + at, data + size);
    test::WriteBytes(library, written);
    const std::size_t records = written.size() / kLibraryRecordBytes;

    SharedState s = test::StateWith({}, dir);
    SilentReporter r;
    const std::vector<LibraryEntry> entries = ReadPlayerLibrary(s, r);
    FUZZ_CHECK(s.Library_Image.size() == records && entries.size() <= records);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LibraryEntry &e = entries[i];
        FUZZ_CHECK(e.record < records && (i == 0 || e.record > entries[i - 1].record));
        FUZZ_CHECK(e.display.size() <= 63 && IsPlainFileName(e.file_name));
        // Saving and deleting go by the profile's file name: it must be the file read.
        FUZZ_CHECK(FieldText(s.Library_Image[e.record].file_name) == e.file_name);
    }
    // Nothing is created or changed by reading.
    FUZZ_CHECK(test::ReadBytes(library) == written);
    return 0;
}
