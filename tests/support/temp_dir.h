#pragma once
// A directory of its own for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace vokanti::testing {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/vokanti-test-XXXXXX";
        if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        const std::string command = "rm -rf '" + path_ + "'";
        if (std::system(command.c_str()) != 0) {
            // Nothing to do: a leftover directory under /tmp harms no later test.
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    void makeDir(const std::string& relative) const { ::mkdir((path_ + "/" + relative).c_str(), 0755); }

private:
    std::string path_;
};

}  // namespace vokanti::testing
