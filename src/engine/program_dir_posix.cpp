// The executable's directory from /proc/self/exe; arguments as the shell passed them.
#include "engine/program_dir.h"

#include <cstdio>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace vokan {

std::string programDirectory() {
    std::string buffer(256, '\0');
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);  // the link may be longer than any fixed buffer
    }
    return parentDirectory(buffer);
}

std::vector<std::string> programArguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}

void writeErrorLine(const std::string& utf8) {
    std::fputs((utf8 + "\n").c_str(), stderr);
    std::fflush(stderr);
}

std::string systemErrorText(unsigned long code) { return std::strerror(static_cast<int>(code)); }

}  // namespace vokan
