// The corpus replay of builds without libFuzzer:
//
//   fuzz_player_file tests/data/fuzz/player_file [more directories]
//
// Every regular file of the directories is replayed, in name order. Fails when there is nothing
// to replay, so a lost corpus is seen.
#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

#ifndef ZEL_FUZZ_ENGINE
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i)
        for (const auto &entry : fs::directory_iterator(argv[i]))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto &file : files) {
        const std::vector<uint8_t> bytes = zel::test::ReadBytes(file);
        // A copy of exactly the file's size, so a read past the end is caught.
        const std::vector<uint8_t> copy(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(copy.data(), copy.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
#endif
