// A real disk that refuses writes, for the length of a scope.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace zel::test {

// While one lives, no file of this process can grow past `bytes`: a write
// beyond fails with EFBIG as on a full disk (SIGXFSZ is ignored, as the
// program ignores it). Only the soft limit moves, so it can be put back.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

  private:
    rlimit old_{};
};

} // namespace zel::test
