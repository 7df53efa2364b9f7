// Files through POSIX calls.
#include "engine/file_io.h"

#include "engine/program_dir.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vokan {

PathKind pathKind(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return PathKind::Missing;
    if (S_ISREG(st.st_mode)) return PathKind::File;
    if (S_ISDIR(st.st_mode)) return PathKind::Directory;
    return PathKind::Other;
}

bool isReadOnly(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = systemErrorText(static_cast<unsigned long>(errno));
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? "is a directory" : "not a regular file";
        ::close(fd);
        return false;
    }
    if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemErrorText(static_cast<unsigned long>(errno));
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

namespace {

int createExclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

WriteResult replaceFile(const std::string& path, std::string_view bytes, std::string& error) {
    const std::string temp = temporaryPathFor(path);
    int fd = createExclusive(temp);
    if (fd < 0 && errno == EEXIST && pathKind(temp) == PathKind::File) {
        // A leftover of an interrupted run: ours by its name, so it may go.
        ::unlink(temp.c_str());
        fd = createExclusive(temp);
    }
    if (fd < 0) {
        error = "cannot create the temporary file " + temp + ": " +
                systemErrorText(static_cast<unsigned long>(errno));
        return WriteResult::TemporaryFailed;
    }
    bool written = writeAll(fd, bytes);
    int writeErrno = errno;
    if (written && ::fsync(fd) != 0 && errno != EINVAL) {
        written = false;
        writeErrno = errno;
    }
    if (::close(fd) != 0 && written) {
        written = false;
        writeErrno = errno;
    }
    if (!written) {
        ::unlink(temp.c_str());
        error = "cannot write " + temp + ": " + systemErrorText(static_cast<unsigned long>(writeErrno));
        return WriteResult::WriteFailed;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int moveErrno = errno;
        ::unlink(temp.c_str());
        error = "cannot replace " + path + ": " + systemErrorText(static_cast<unsigned long>(moveErrno));
        return WriteResult::MoveFailed;
    }
    return WriteResult::Ok;
}

}  // namespace vokan
