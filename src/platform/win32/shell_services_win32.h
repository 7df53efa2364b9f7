#pragma once
// The desktop shell on Win32: ShellExecuteA with the verb "open", and the desktop folder.
#include <windows.h>

#include "platform/shell_services.h"

namespace vokanti {

class ShellServicesWin32 : public ShellServices {
public:
    // The main window, owner of any message the shell shows; none before it exists.
    void setMainWindow(HWND window) { mainWindow_ = window; }

    int open(const std::string& file, const std::string& parameters,
             const std::string& directory) override;
    std::optional<std::string> desktopDirectory() override;

private:
    HWND mainWindow_ = nullptr;
};

}  // namespace vokanti
