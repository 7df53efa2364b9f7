#pragma once
// The user prompts on Win32: message boxes, the open-file dialog and the small dialogs of the
// window layer (favorite title, about box), owned by the main window (or by the dialog it is
// showing at the moment).
#include <windows.h>

#include <string>

#include "platform/prompts.h"

namespace vokanti {

class PromptsWin32 : public Prompts {
public:
    // `caption`: the caption of the result box, the application name.
    explicit PromptsWin32(std::string caption);
    // The main window, once it exists; prompts have no owner before.
    void setMainWindow(HWND window) { mainWindow_ = window; }

    void resultBox(const std::string& text) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void showText(const std::string& caption, const std::string& text) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> favoriteTitle() override;
    std::optional<int32_t> knownLevel(int32_t current) override;
    void about() override;

private:
    HWND owner() const;

    std::string caption_;
    HWND mainWindow_ = nullptr;
};

// The filter of the open-file dialog: "caption|patterns|...||" with every separator turned
// into a NUL, ended by two NULs. The second byte of a double-byte character is never taken
// for a separator (ポ is 83 7C).
std::string fileDialogFilter(const std::string& filter);

}  // namespace vokanti
