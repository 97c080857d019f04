// Shared pieces of the fuzz targets: hard checks, a scratch directory and, in builds without
// libFuzzer, the corpus replay.
#pragma once

#include "storage_test_support.h"

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: say which and stop, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);                    \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace zel::fuzz {

// An empty directory of this process (on tmpfs when there is one), with a trailing "/"; emptied on
// every call.
const std::string &FreshScratchDir();

} // namespace zel::fuzz
