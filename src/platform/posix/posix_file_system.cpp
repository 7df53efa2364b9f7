#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vokanti {

namespace {

class PosixFile : public RawFile {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { close(); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    long read(char* buffer, size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0) return static_cast<long>(n);
            if (errno != EINTR) return -1;
        }
    }

    bool write(const char* data, size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            data += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }

    std::optional<uint64_t> seekToEnd() override {
        const off_t end = ::lseek(fd_, 0, SEEK_END);
        if (end < 0) return std::nullopt;
        return static_cast<uint64_t>(end);
    }

    bool truncate(uint64_t size) override {
        return ::ftruncate(fd_, static_cast<off_t>(size)) == 0 &&
               ::lseek(fd_, static_cast<off_t>(size), SEEK_SET) >= 0;
    }

    bool flush() override { return ::fsync(fd_) == 0; }

    // Closing releases the lock.
    bool close() override {
        if (fd_ < 0) return true;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

std::unique_ptr<RawFile> PosixFileSystem::open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read: flags |= O_RDONLY; break;
        case OpenMode::ReadWrite: flags |= O_RDWR; break;
        case OpenMode::Create: flags |= O_RDWR | O_CREAT; break;
    }
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return nullptr;
    // Take the lock before emptying, so a file held by another opener is left untouched.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        (mode == OpenMode::Create && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixFile>(fd);
}

bool PosixFileSystem::remove(const std::string& path) {
    // Like the platform's share modes, a file somebody holds open cannot be removed.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        const bool removed = !held && ::unlink(path.c_str()) == 0;
        ::close(fd);
        return removed;
    }
    return ::unlink(path.c_str()) == 0;
}

bool PosixFileSystem::replace(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<ModStamp> PosixFileSystem::readModStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return static_cast<ModStamp>(st.st_mtime);
}

}  // namespace vokanti
