// Shared pieces of the fuzz targets: a scratch directory and hard checks.
#include "fuzz_support.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zel::fuzz {
namespace {

std::string MakeScratchRoot() {
    const char *shm = "/dev/shm";
    std::string templ = (std::filesystem::is_directory(shm) && ::access(shm, W_OK) == 0
                             ? std::filesystem::path(shm)
                             : std::filesystem::temp_directory_path()) /
                        "zel-fuzz-XXXXXX";
    FUZZ_CHECK(::mkdtemp(templ.data()) != nullptr);
    static std::string root;
    root = templ;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    });
    return templ + "/";
}

} // namespace

const std::string &FreshScratchDir() {
    static const std::string dir = MakeScratchRoot();
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(dir, ec))
        std::filesystem::remove_all(entry.path(), ec);
    return dir;
}

void WriteFileBytes(const std::string &path, const uint8_t *data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(out.good());
}

} // namespace zel::fuzz
