// The parts of a mapped view that are the same on every system; mapping and unmapping are
// in mapped_file_posix.cpp and mapped_file_win32.cpp.
#include "engine/mapped_file.h"

#include <utility>

namespace vokan {

MappedFile::~MappedFile() { release(); }

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      handle_(std::exchange(other.handle_, nullptr)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

}  // namespace vokan
