#include "win32/support/scratch_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vokanti::testing {

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

ScratchDir::~ScratchDir() {
    std::wstring wide(path_.size(), L'\0');  // the ANSI path in the wide characters the library takes
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, path_.data(), static_cast<int>(path_.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    std::error_code ignored;  // a leftover in the temporary folder harms no later test
    std::filesystem::remove_all(wide, ignored);
}

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

void ScratchDir::copyFolderIn(const std::string& source, const std::string& relative) const {
    makeDir(relative);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot list " + source);
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        copyIn(source + "\\" + found.cFileName, relative + "\\" + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace vokanti::testing
