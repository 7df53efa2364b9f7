#pragma once
// A directory of its own for one test, removed with everything in it afterwards, and its
// files byte for byte.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vokanti::testing {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/vokanti-test-XXXXXX";
        if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() { std::filesystem::remove_all(path_, ignored_); }  // a leftover harms no later test
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "/" + relative; }
    void write(const std::string& relative, const std::string& content) const {
        std::ofstream(file(relative), std::ios::binary) << content;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(file(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
    std::error_code ignored_;
};

}  // namespace vokanti::testing
