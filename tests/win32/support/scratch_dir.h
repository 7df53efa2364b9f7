#pragma once
// Helpers for the tests that run under Wine: a directory of their own under the user's
// temporary folder, removed with everything in it afterwards, and small file utilities.
#include <windows.h>

#include <string>

namespace vokanti::testing {

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
    void write(const std::string& relative, const std::string& content) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void copyIn(const std::string& source, const std::string& relative) const;

private:
    std::string path_;
};

// Writes `content` byte for byte to `path`; false on failure.
bool writeWholeFile(const std::string& path, const std::string& content);
// The whole content of `path`; empty when it cannot be read.
std::string readWholeFile(const std::string& path);

}  // namespace vokanti::testing
