// Shared pieces of the fuzz targets: hard checks, a scratch directory and, in builds without
// libFuzzer, the corpus replay.
#pragma once

#include "platform/reporter.h"
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

// Counts what the code under test tells the user; every message needs a text.
class CountingReporter final : public Reporter {
  public:
    void message(const std::string &text, const std::string &, Icon) override {
        FUZZ_CHECK(!text.empty());
        ++messages;
    }
    void beep() override { ++beeps; }
    int messages = 0;
    int beeps = 0;
};

} // namespace zel::fuzz
