#pragma once
// A directory of a test's own under the user's temporary folder, removed with everything in
// it afterwards, and the build tree's paths as Wine sees them.
#include <windows.h>

#include <string>

namespace vokanti::testing {

// A window's own text and its class name (of this process's windows).
inline std::string textOf(HWND window) {
    char text[4096] = {};
    return GetWindowTextA(window, text, sizeof text), text;
}
inline std::string classOf(HWND window) {
    char name[64] = {};
    return GetClassNameA(window, name, sizeof name), name;
}

// A Unix path of the build tree (as CMake gives it) as a Windows path on Wine's Z: drive.
inline std::string hostPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Full path with backslashes, without a separator at the end.
    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "\\" + relative; }
    void makeDir(const std::string& relative) const;
    // Byte for byte; throws when the file cannot be written.
    void write(const std::string& relative, const std::string& content) const;
    // The whole content; empty when the file cannot be read.
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void copyIn(const std::string& source, const std::string& relative) const;
    // Copies the files (not the subfolders) of folder `source` into a folder made here.
    void copyFolderIn(const std::string& source, const std::string& relative) const;

private:
    std::string path_;
};

}  // namespace vokanti::testing
