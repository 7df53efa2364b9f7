// Mapping a file with mmap.
#include "engine/mapped_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vokan {

void MappedFile::release() {
    if (data_ != nullptr && size_ != 0) munmap(const_cast<void*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
    handle_ = nullptr;
}

bool MappedFile::open(const std::string& path, std::string& error) {
    release();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "not a regular file";
        ::close(fd);
        return false;
    }
    if (st.st_size == 0) {
        ::close(fd);
        return true;
    }
    if (static_cast<unsigned long long>(st.st_size) > static_cast<std::size_t>(-1) / 2) {
        error = "file too large";
        ::close(fd);
        return false;
    }
    std::size_t size = static_cast<std::size_t>(st.st_size);
    void* p = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    int mapErrno = errno;
    ::close(fd);
    if (p == MAP_FAILED) {
        error = std::strerror(mapErrno);
        return false;
    }
    data_ = p;
    size_ = size;
    return true;
}

}  // namespace vokan
