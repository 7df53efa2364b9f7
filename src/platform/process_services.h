#pragma once
// The running process and the engine it starts.
#include <cstdint>
#include <string>
#include <vector>

namespace vokanti {

// How one run of a program ended.
struct ProcessRun {
    enum class End {
        NotStarted,  // the program could not be started
        Stopped,     // ended by stopRunning() while it ran
        Exited,      // ended by itself, with `exitCode`
    };
    End end = End::NotStarted;
    uint32_t exitCode = 0;
};

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
    // processor, keeping the program's windows painted and refusing user input meanwhile,
    // except the gestures that ask to stop: the cancel button, the Escape key and the close
    // box. Those reach the window as its usual Cancel command while the wait goes on, and
    // its handler may call stopRunning().
    virtual ProcessRun runAndWait(const std::string& commandLine) = 0;
    // Ends the program that runAndWait() is waiting for, and returns once it has ended (its
    // files are closed then); that runAndWait() then reports it as stopped. False when no
    // program is running or it has already ended by itself: its own end is reported then.
    virtual bool stopRunning() = 0;
};

}  // namespace vokanti
