// The form contract against the real controls of a main-dialog window (template 102), with
// the platform's default controls and with the program's own (version 6, from its manifest).
#include <windows.h>

#include <optional>

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
        std::optional<ProgramControls> controls;
        if (programControls) controls.emplace();
        window_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG),
                                     nullptr, plainDialogProc, 0);
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
        DWORD start = 0, end = 0;
        SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start != 0 || end != static_cast<DWORD>(GetWindowTextLengthA(focus))) return 0;
        // A combo box gives the focus to its edit field.
        char name[32] = {};
        GetClassNameA(GetParent(focus), name, sizeof name);
        return GetDlgCtrlID(lstrcmpiA(name, "ComboBox") == 0 ? GetParent(focus) : focus);
    }

private:
    HWND window_ = nullptr;
    Win32Form form_;
};

template <bool kProgramControls>
std::unique_ptr<FormUnderTest> makeWin32Form() {
    return std::make_unique<Win32FormUnderTest>(kProgramControls);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormContract,
                         ::testing::Values(FormImplementation{"Win32", &makeWin32Form<false>},
                                           FormImplementation{"Win32ProgramControls",
                                                              &makeWin32Form<true>}),
                         formImplementationName);

}  // namespace
}  // namespace vokanti::testing
