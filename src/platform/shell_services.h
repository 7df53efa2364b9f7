#pragma once
// The desktop shell: opening documents, URLs and programs, and the user's desktop folder.
#include <optional>
#include <string>

namespace vokanti {

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // Opens `file` with the verb "open" in the plain "show" state, the main window owning
    // any message the shell raises. Empty `parameters` or `directory` are passed as none.
    // The shell's result: 32 or less means the file was not opened.
    virtual int open(const std::string& file, const std::string& parameters,
                     const std::string& directory) = 0;
    // The user's desktop folder as the platform reports it (not created when missing);
    // absent when it cannot be determined.
    virtual std::optional<std::string> desktopDirectory() = 0;
};

}  // namespace vokanti
