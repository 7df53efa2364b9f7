// The form contract against the real controls of a main-dialog window (template 102).
#include <windows.h>

#include "form_contract.h"

#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/program_controls.h"

namespace vokanti::testing {
namespace {

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class Win32FormUnderTest : public FormUnderTest {
public:
    explicit Win32FormUnderTest(bool programControls) {
        // The program's own controls (version 6, from its manifest), or the default ones.
        std::unique_ptr<ProgramControls> controls;
        if (programControls) controls = std::make_unique<ProgramControls>();
        window_ = CreateDialogParamA(GetModuleHandleA(nullptr),
                                     MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG), nullptr,
                                     plainDialogProc, 0);
        form_.attach(window_);
    }
    ~Win32FormUnderTest() override {
        form_.detach();
        if (window_) DestroyWindow(window_);
    }
    Form& form() override { return form_; }

    int focusedWithWholeTextSelected() override {
        HWND focus = GetFocus();
        if (!focus) return 0;
        // A combo box gives the focus to its edit field.
        HWND control = focus;
        char name[32] = {};
        GetClassNameA(GetParent(focus), name, sizeof name);
        if (lstrcmpiA(name, "ComboBox") == 0) control = GetParent(focus);
        DWORD start = 0, end = 0;
        SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        const DWORD length = static_cast<DWORD>(GetWindowTextLengthA(focus));
        if (start != 0 || end != length) return 0;
        return GetDlgCtrlID(control);
    }

private:
    HWND window_ = nullptr;
    Win32Form form_;
};

std::unique_ptr<FormUnderTest> makeWin32Form() {
    return std::make_unique<Win32FormUnderTest>(false);
}

std::unique_ptr<FormUnderTest> makeWin32FormWithProgramControls() {
    return std::make_unique<Win32FormUnderTest>(true);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormContract,
                         ::testing::Values(FormImplementation{"Win32", &makeWin32Form},
                                           FormImplementation{"Win32ProgramControls",
                                                              &makeWin32FormWithProgramControls}),
                         formImplementationName);

}  // namespace
}  // namespace vokanti::testing
