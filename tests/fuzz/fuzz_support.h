// Shared pieces of the fuzz targets: hard checks, a scratch directory and, in builds without
// libFuzzer, the corpus replay.
#pragma once

#include "storage_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// A broken invariant is a finding: say which and stop, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);                    \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// An empty directory of this process (on tmpfs when there is one), with a trailing "/"; emptied on
// every call.
inline const std::string &FreshScratchDir() {
    static const zel::test::TempDir dir(true);
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path(), ec))
        std::filesystem::remove_all(entry.path(), ec);
    return dir.path();
}
