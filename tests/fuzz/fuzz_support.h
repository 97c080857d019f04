// Shared pieces of the fuzz targets: a scratch directory, hard checks and, in builds without
// libFuzzer, the corpus replay.
#pragma once

#include "platform/reporter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A broken invariant is a finding: say which and stop, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);                    \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace zel::fuzz {

// An empty directory of this process (on tmpfs when there is one), with a
// trailing "/"; emptied on every call and removed at exit.
const std::string &FreshScratchDir();

void WriteFileBytes(const std::string &path, const uint8_t *data, std::size_t size);

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
