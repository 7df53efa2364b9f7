#pragma once
// A read-only view of a whole file, mapped into memory rather than copied, so a large
// dictionary costs only the pages a search touches.
#include <cstddef>
#include <string>
#include <string_view>

namespace vokan {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file at `path` (UTF-8). False, with a reason in `error`, when the file cannot
    // be opened or mapped (missing, a directory, locked, too large for the address space).
    // An empty file maps to an empty view.
    bool open(const std::string& path, std::string& error);

    std::string_view bytes() const { return {static_cast<const char*>(data_), size_}; }

private:
    void release();

    const void* data_ = nullptr;
    std::size_t size_ = 0;
    void* handle_ = nullptr;  // the platform's mapping object, where it has one
};

}  // namespace vokan
