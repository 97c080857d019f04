// Whole-file reads and crash-safe whole-file replacement.
#include "storage/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel {
namespace {

std::string DirectoryOf(const std::string &path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here loses nothing already written.
void SyncDirectory(const std::string &dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicWriteResult WriteFileAtomically(const std::string &path, std::span<const uint8_t> bytes) {
    static std::atomic<unsigned> serial{0};
    AtomicWriteResult result;

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(serial++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        result.status = AtomicWriteStatus::OpenFailed;
        result.error = errno;
        return result;
    }

    // Owner-only whatever the umask: the files hold the players' passwords. A
    // file already stricter than that stays so.
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    ::fchmod(fd, replacing ? old.st_mode & 0600 : 0600);

    auto fail = [&](AtomicWriteStatus status, int error) {
        result.status = status;
        result.error = error;
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        return result;
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            result.failed_offset = done;
            return fail(AtomicWriteStatus::WriteFailed, n < 0 ? errno : EIO);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(AtomicWriteStatus::SyncFailed, errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(AtomicWriteStatus::SyncFailed, errno);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail(AtomicWriteStatus::RenameFailed, errno);
    SyncDirectory(DirectoryOf(path));
    return result;
}

ReadFileStatus ReadWholeFile(const std::string &path, std::size_t max_bytes, std::vector<uint8_t> &out) {
    // Without O_NONBLOCK, opening a FIFO left where a file should be would wait
    // for a writer forever; it changes nothing for a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadFileStatus::Missing : ReadFileStatus::OpenFailed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISREG(st.st_mode) ? ReadFileStatus::OpenFailed : ReadFileStatus::NotRegular;
    }
    // The size is only a hint: the file may change while it is read.
    std::vector<uint8_t> data;
    data.resize(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), max_bytes) + 1);
    std::size_t got = 0;
    ReadFileStatus status = ReadFileStatus::Ok;
    while (true) {
        if (got == data.size()) {
            if (got > max_bytes) {
                status = ReadFileStatus::TooLarge;
                break;
            }
            data.resize(std::min(max_bytes + 1, data.size() * 2));
        }
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            status = ReadFileStatus::ReadFailed;
            break;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (status == ReadFileStatus::ReadFailed)
        return status;
    data.resize(std::min(got, max_bytes));
    out.swap(data);
    return status;
}

} // namespace zel
