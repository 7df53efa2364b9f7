#pragma once
// The running process and the engine it starts.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vokanti {

class ProcessServices {
public:
    virtual ~ProcessServices() = default;
    // Full path of the running executable, whatever its length.
    virtual std::string moduleFileName() = 0;
    // The program's arguments, the program name excluded.
    virtual std::vector<std::string> arguments() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
    // Starts `commandLine` (the program is its first token; the current directory is
    // inherited; the window shown normally) and waits for its end without using the
    // processor, keeping the program's windows painted and refusing user input meanwhile.
    // The exit code, or absent when the program could not be started.
    virtual std::optional<uint32_t> runAndWait(const std::string& commandLine) = 0;
};

}  // namespace vokanti
