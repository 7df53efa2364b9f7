#pragma once
// The running process and the engine it starts, over the Win32 API.
#include "platform/process_services.h"

namespace vokanti {

class ProcessServicesWin32 : public ProcessServices {
public:
    std::string moduleFileName() override;
    std::vector<std::string> arguments() override;
    bool setCurrentDirectory(const std::string& path) override;
    // While the program runs, the calling thread blocks on the process handle. It wakes only
    // to let sent messages through, to paint its windows and to drop user input, so the
    // windows stay painted, nothing reacts to the user (no second job can start) and the
    // processor stays idle. The wait cursor is shown meanwhile.
    std::optional<uint32_t> runAndWait(const std::string& commandLine) override;
};

}  // namespace vokanti
