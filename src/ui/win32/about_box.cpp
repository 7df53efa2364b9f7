#include "ui/win32/about_box.h"

#include "ui/about_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"

namespace vokanti {

namespace {

// Template 100 is not visible by itself, as templates of modal dialogs are: the window is
// shown once it is set up, as the platform's own modal dialogs do.
class AboutWindow : public DialogWindow {
public:
    AboutWindow(CDialog& dialog, Win32Form& form, HINSTANCE instance)
        : DialogWindow(dialog, form, IDD_ABOUTBOX, instance) {}

protected:
    void afterInitDialog() override { ShowWindow(hwnd(), SW_SHOW); }
};

}  // namespace

void runAboutBox(HWND owner, HINSTANCE instance) {
    Win32Form form;
    CAboutDlg dialog(form);
    AboutWindow window(dialog, form, instance);
    window.runModal(owner);
}

}  // namespace vokanti
