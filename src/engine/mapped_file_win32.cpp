// Mapping a file with CreateFileMapping; the path is UTF-8 and opened through the wide API.
#include "engine/mapped_file.h"
#include "engine/file_io.h"
#include "engine/program_dir.h"

#include <utility>
#include <windows.h>

namespace vokan {

void MappedFile::release() {
    if (data_ != nullptr) UnmapViewOfFile(data_);
    if (handle_ != nullptr) CloseHandle(static_cast<HANDLE>(handle_));
    data_ = nullptr;
    size_ = 0;
    handle_ = nullptr;
}

bool MappedFile::open(const std::string& path, std::string& error) {
    release();
    // Others may read the dictionary meanwhile; nobody may change it under the view.
    HANDLE file = openForReading(path, error);
    if (file == nullptr) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        error = systemErrorText(GetLastError());
        CloseHandle(file);
        return false;
    }
    if (size.QuadPart == 0) {
        CloseHandle(file);
        return true;
    }
    // A 32-bit process cannot map more than part of its address space in one view.
    if (static_cast<unsigned long long>(size.QuadPart) > 0x60000000ull) {
        error = "file too large";
        CloseHandle(file);
        return false;
    }
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    DWORD mapError = GetLastError();
    CloseHandle(file);
    if (mapping == nullptr) {
        error = systemErrorText(mapError);
        return false;
    }
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (view == nullptr) {
        error = systemErrorText(GetLastError());
        CloseHandle(mapping);
        return false;
    }
    data_ = view;
    size_ = static_cast<std::size_t>(size.QuadPart);
    handle_ = mapping;
    return true;
}

}  // namespace vokan
