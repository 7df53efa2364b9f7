#include "ui/win32/prompts_win32.h"

#include <commdlg.h>

#include <vector>

#include "core/messages.h"
#include "core/text.h"
#include "ui/about_dlg.h"
#include "ui/known_level_dlg.h"
#include "ui/favorite_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"

namespace vokanti {

namespace {

// Room for the longest path the platform can hand back (32767 characters, two bytes each in
// the worst case).
constexpr DWORD kPathBufferSize = 65535;

}  // namespace

std::string fileDialogFilter(const std::string& filter) {
    std::string out;
    out.reserve(filter.size() + 2);
    for (size_t i = 0; i < filter.size(); ++i) {
        const auto c = static_cast<unsigned char>(filter[i]);
        if (isLeadByte(c) && i + 1 < filter.size()) {
            out += filter[i];
            out += filter[++i];
        } else {
            out += c == '|' ? '\0' : filter[i];
        }
    }
    while (out.size() < 2 || out[out.size() - 1] != '\0' || out[out.size() - 2] != '\0') out += '\0';
    return out;
}

PromptsWin32::PromptsWin32(std::string caption) : caption_(std::move(caption)) {}

// The main window, or the window it is showing modally now (an about box), so that a
// prompt always blocks the window the user is working in.
HWND PromptsWin32::owner() const {
    if (!mainWindow_ || !IsWindow(mainWindow_)) return nullptr;
    return GetLastActivePopup(mainWindow_);
}

void PromptsWin32::resultBox(const std::string& text) {
    MessageBoxA(owner(), text.c_str(), caption_.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool PromptsWin32::confirm(const std::string& caption, const std::string& text) {
    // A box that could not be shown (0) counts as Cancel: nothing is done unasked.
    return MessageBoxA(owner(), text.c_str(), caption.c_str(), MB_OKCANCEL) == IDOK;
}

bool PromptsWin32::askYesNo(const std::string& text) {
    // A box that could not be shown (0) counts as No.
    return MessageBoxA(owner(), text.c_str(), caption_.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void PromptsWin32::showText(const std::string& caption, const std::string& text) {
    MessageBoxA(owner(), text.c_str(), caption.c_str(), MB_OK);
}

std::optional<std::string> PromptsWin32::openFile(const FileDialogRequest& request) {
    const std::string filter = fileDialogFilter(request.filter);
    std::vector<char> path(kPathBufferSize, '\0');  // empty: no initial file name
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize;
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.fileMustExist ? OFN_FILEMUSTEXIST : 0);
    if (GetOpenFileNameA(&dialog)) return std::string(path.data());

    const DWORD error = CommDlgExtendedError();
    if (error == 0) return std::nullopt;  // the user cancelled
    if (error == FNERR_BUFFERTOOSMALL) {
        resultBox(text::kChosenPathTooLong);
    } else {
        resultBox(formatText(text::kUnexpectedError, "file dialog error " + std::to_string(error)));
    }
    return std::nullopt;
}

std::optional<std::string> PromptsWin32::favoriteTitle() {
    Win32Form form;
    CFavoriteDlg dialog(form);
    DialogWindow window(dialog, form, IDD_FAVORITE);
    // -1 (the window could not be created) has been reported by the host: nothing is added.
    if (window.runModal(owner()) != kResultOK) return std::nullopt;
    return dialog.title;
}

std::optional<int32_t> PromptsWin32::knownLevel(int32_t current) {
    Win32Form form;
    CKnownLevelDlg dialog(form);
    dialog.level = current;
    DialogWindow window(dialog, form, IDD_KNOWN_LEVEL);
    if (window.runModal(owner()) != kResultOK) return std::nullopt;
    return dialog.level;
}

void PromptsWin32::about() {
    Win32Form form;
    CAboutDlg dialog(form);
    DialogWindow window(dialog, form, IDD_ABOUTBOX);
    // OK, Enter, Escape and the close box all end it; it changes nothing.
    window.runModal(owner());
}

}  // namespace vokanti
