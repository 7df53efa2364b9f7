#include "win32/support/scratch_dir.h"

#include <stdexcept>

namespace vokanti::testing {

namespace {

void removeTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = dir + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

}  // namespace

ScratchDir::ScratchDir() {
    char temp[MAX_PATH + 1] = {};
    if (!GetTempPathA(sizeof temp, temp)) throw std::runtime_error("no temporary folder");
    static LONG counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = std::string(temp) + "vokanti-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(InterlockedIncrement(&counter));
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch directory");
}

ScratchDir::~ScratchDir() { removeTree(path_); }

void ScratchDir::makeDir(const std::string& relative) const {
    CreateDirectoryA(file(relative).c_str(), nullptr);
}

void ScratchDir::write(const std::string& relative, const std::string& content) const {
    if (!writeWholeFile(file(relative), content)) throw std::runtime_error("cannot write " + relative);
}

std::string ScratchDir::read(const std::string& relative) const { return readWholeFile(file(relative)); }

bool ScratchDir::exists(const std::string& relative) const {
    return GetFileAttributesA(file(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ScratchDir::copyIn(const std::string& source, const std::string& relative) const {
    if (!CopyFileA(source.c_str(), file(relative).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + source);
    }
}

bool writeWholeFile(const std::string& path, const std::string& content) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    const bool ok = content.empty() ||
                    (WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &done, nullptr) &&
                     done == content.size());
    CloseHandle(h);
    return ok;
}

std::string readWholeFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(h, chunk, sizeof chunk, &n, nullptr) && n > 0) content.append(chunk, n);
    CloseHandle(h);
    return content;
}

}  // namespace vokanti::testing
