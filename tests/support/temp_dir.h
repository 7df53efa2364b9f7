#pragma once
// A directory of its own for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vokanti::testing {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/vokanti-test-XXXXXX";
        if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() { std::filesystem::remove_all(path_, ignored_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::error_code ignored_;  // a leftover directory under /tmp harms no later test
};

}  // namespace vokanti::testing
