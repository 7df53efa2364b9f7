#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <algorithm>

namespace vokanti {

namespace {

// FILETIME counts 100 ns intervals.
constexpr int64_t kTicksPerSecond = 10000000;
// One ReadFile/WriteFile call moves at most this many bytes.
constexpr size_t kMaxTransfer = 0x40000000;

class Win32File : public RawFile {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { close(); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    long read(char* buffer, size_t size) override {
        DWORD done = 0;
        const auto want = static_cast<DWORD>(std::min(size, kMaxTransfer));
        if (!ReadFile(handle_, buffer, want, &done, nullptr)) return -1;
        return static_cast<long>(done);
    }

    bool write(const char* data, size_t size) override {
        while (size > 0) {
            DWORD done = 0;
            const auto chunk = static_cast<DWORD>(std::min(size, kMaxTransfer));
            if (!WriteFile(handle_, data, chunk, &done, nullptr) || done == 0) return false;
            data += done;
            size -= done;
        }
        return true;
    }

    std::optional<uint64_t> seekToEnd() override {
        LARGE_INTEGER zero{};
        LARGE_INTEGER end{};
        if (!SetFilePointerEx(handle_, zero, &end, FILE_END)) return std::nullopt;
        return static_cast<uint64_t>(end.QuadPart);
    }

    bool truncate(uint64_t size) override {
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(size);
        return SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
    }

    bool flush() override { return FlushFileBuffers(handle_) != 0; }

    bool close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return true;
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<RawFile> FileSystemWin32::open(const std::string& path, OpenMode mode) {
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
        case OpenMode::Read: access = GENERIC_READ; break;
        case OpenMode::ReadWrite: break;
        case OpenMode::Create: disposition = OPEN_ALWAYS; break;
    }
    HANDLE handle = CreateFileA(path.c_str(), access, 0 /* no sharing */, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    // Empty the file only once we hold it alone: a file another opener holds is never touched.
    if (mode == OpenMode::Create && !SetEndOfFile(handle)) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}

bool FileSystemWin32::remove(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool FileSystemWin32::replace(const std::string& source, const std::string& target) {
    // A read-only target is refused, as Windows itself refuses it (Wine would replace it).
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FileSystemWin32::exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<ModStamp> FileSystemWin32::readModStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    const int64_t ticks = (static_cast<int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                          data.ftLastWriteTime.dwLowDateTime;
    return ticks / kTicksPerSecond;
}

}  // namespace vokanti
