// Files through the wide Win32 API, so any file name works whatever the code page.
#include "engine/file_io.h"

#include "engine/program_dir.h"

#include <windows.h>

namespace vokan {

PathKind pathKind(const std::string& path) {
    DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Directory;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
    return PathKind::File;
}

bool isReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void* openForReading(const std::string& path, std::string& error) {
    HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    error = systemErrorText(GetLastError());
    return nullptr;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    bytes.clear();
    if (pathKind(path) == PathKind::Directory) {
        error = "is a directory";
        return false;
    }
    HANDLE file = openForReading(path, error);
    if (file == nullptr) return false;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < 0x40000000)
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            error = systemErrorText(GetLastError());
            CloseHandle(file);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    CloseHandle(file);
    return true;
}

namespace {

HANDLE createExclusive(const std::string& path) {
    return CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = bytes.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(bytes.size());
        DWORD n = 0;
        if (!WriteFile(file, bytes.data(), chunk, &n, nullptr) || n == 0) return false;
        bytes.remove_prefix(n);
    }
    return true;
}

}  // namespace

WriteResult replaceFile(const std::string& path, std::string_view bytes, std::string& error) {
    const std::string temp = temporaryPathFor(path);
    HANDLE file = createExclusive(temp);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS &&
        pathKind(temp) == PathKind::File) {
        // A leftover of an interrupted run: ours by its name, so it may go.
        DeleteFileW(widePath(temp).c_str());
        file = createExclusive(temp);
    }
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot create the temporary file " + temp + ": " + systemErrorText(GetLastError());
        return WriteResult::TemporaryFailed;
    }
    bool written = writeAll(file, bytes) && FlushFileBuffers(file);
    DWORD writeError = GetLastError();
    CloseHandle(file);
    if (!written) {
        DeleteFileW(widePath(temp).c_str());
        error = "cannot write " + temp + ": " + systemErrorText(writeError);
        return WriteResult::WriteFailed;
    }
    if (!MoveFileExW(widePath(temp).c_str(), widePath(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD moveError = GetLastError();
        DeleteFileW(widePath(temp).c_str());
        error = "cannot replace " + path + ": " + systemErrorText(moveError);
        return WriteResult::MoveFailed;
    }
    return WriteResult::Ok;
}

}  // namespace vokan
