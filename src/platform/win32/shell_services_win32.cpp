#include "platform/win32/shell_services_win32.h"

#include <shlobj.h>
#include <shellapi.h>

namespace vokanti {

int ShellServicesWin32::open(const std::string& file, const std::string& parameters,
                             const std::string& directory) {
    HWND owner = mainWindow_ && IsWindow(mainWindow_) ? mainWindow_ : nullptr;
    HINSTANCE result = ShellExecuteA(owner, "open", file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(),
                                     directory.empty() ? nullptr : directory.c_str(), SW_SHOW);
    // Not a module handle: a number, greater than 32 on success.
    const auto value = reinterpret_cast<INT_PTR>(result);
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(value);
}

std::optional<std::string> ShellServicesWin32::desktopDirectory() {
    char path[MAX_PATH] = {};  // the size the function requires
    if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE)) return std::nullopt;
    return std::string(path);
}

}  // namespace vokanti
