#include "ui/win32/vokanti_app.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "platform/platform.h"
#include "ui/win32/application_name.h"
#include "platform/win32/profile_store_win32.h"
#include "platform/win32/shell_services_win32.h"
#include "ui/vokanti_dlg.h"
#include "ui/win32/main_window.h"
#include "ui/win32/prompts_win32.h"
#include "ui/win32/win32_form.h"

namespace vokanti {

namespace {

// The main window: tells the services which window owns their messages as soon as it
// exists, before the dialog's own initialisation may already ask the user something.
class ProgramWindow : public MainWindow {
public:
    ProgramWindow(CVokantiDlg& dialog, Win32Form& form, ShellServicesWin32& shell, PromptsWin32& prompts)
        : MainWindow(dialog, form), shell_(shell), prompts_(prompts) {}

protected:
    void beforeInitDialog() override {
        shell_.setMainWindow(hwnd());
        prompts_.setMainWindow(hwnd());
        MainWindow::beforeInitDialog();
    }

private:
    ShellServicesWin32& shell_;
    PromptsWin32& prompts_;
};

// OLE (a single-threaded COM apartment) for the shell's verb handlers and for documents and
// links dropped on the window, for as long as the program runs.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ComApartment() {
        if (ok_) OleUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

}  // namespace

bool CVokantiApp::initInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES;  // tab control and tooltips too
    InitCommonControlsEx(&controls);
    ComApartment com;

    const std::string name = applicationName();
    ProfileStoreWin32 profile(name + ".INI");
    ShellServicesWin32 shell;
    PromptsWin32 prompts(name);
    Platform platform{profile, files_, process_, shell, prompts};

    Win32Form form;
    CVokantiDlg dialog(form, platform);
    ProgramWindow window(dialog, form, shell, prompts);
    window.runModal(nullptr);
    return false;
}

}  // namespace vokanti
