#include "win32/support/scratch_dir.h"

#include <fstream>
#include <iterator>
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
    GetTempPathA(sizeof temp, temp);
    static LONG counter = 0;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::string candidate = std::string(temp) + "vokanti-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(InterlockedIncrement(&counter));
        if (CreateDirectoryA(candidate.c_str(), nullptr)) path_ = candidate;
    }
    if (path_.empty()) throw std::runtime_error("cannot make a scratch directory");
}

ScratchDir::~ScratchDir() { removeTree(path_); }

void ScratchDir::makeDir(const std::string& relative) const {
    CreateDirectoryA(file(relative).c_str(), nullptr);
}

void ScratchDir::write(const std::string& relative, const std::string& content) const {
    std::ofstream out(file(relative), std::ios::binary);
    if (!(out << content).flush()) throw std::runtime_error("cannot write " + relative);
}

std::string ScratchDir::read(const std::string& relative) const {
    std::ifstream in(file(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool ScratchDir::exists(const std::string& relative) const {
    return GetFileAttributesA(file(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ScratchDir::copyIn(const std::string& source, const std::string& relative) const {
    if (!CopyFileA(source.c_str(), file(relative).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + source);
    }
}

}  // namespace vokanti::testing
