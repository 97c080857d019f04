// Shared pieces of the fuzz targets, and the corpus replay of builds without libFuzzer:
//
//   fuzz_player_file tests/data/fuzz/player_file [more files or directories]
//
// Each argument is a file or a directory whose regular files are replayed in
// name order. Fails when there is nothing to replay, so a lost corpus is seen.
#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace zel::fuzz {

const std::string &FreshScratchDir() {
    static const std::string dir = [] {
        const bool shm = fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0;
        static std::string root =
            ((shm ? fs::path("/dev/shm") : fs::temp_directory_path()) / "zel-fuzz-XXXXXX");
        FUZZ_CHECK(::mkdtemp(root.data()) != nullptr);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(root, ec);
        });
        return root + "/";
    }();
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec))
        fs::remove_all(entry.path(), ec);
    return dir;
}

void WriteFileBytes(const std::string &path, const uint8_t *data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(out.good());
}

} // namespace zel::fuzz

#ifndef ZEL_FUZZ_ENGINE
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        std::vector<fs::path> inside;
        if (fs::is_directory(argv[i])) {
            for (const auto &entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    inside.push_back(entry.path());
        } else {
            inside.push_back(argv[i]);
        }
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    for (const auto &file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // A copy of exactly the file's size, so a read past the end is caught.
        const std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size()]);
        std::copy(bytes.begin(), bytes.end(), copy.get());
        LLVMFuzzerTestOneInput(copy.get(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
#endif
