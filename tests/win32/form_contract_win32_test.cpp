// The form contract against the real controls of a main-dialog window (template 102), with
// the platform's default controls and with the program's own (version 6, from its manifest).
#include <windows.h>

#include <optional>

#include "form_contract.h"

#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/program_controls.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

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
        return GetDlgCtrlID(lstrcmpiA(classOf(GetParent(focus)).c_str(), "ComboBox") == 0 ? GetParent(focus) : focus);
    }

    // Read in wide characters (the version 6 controls overrun a fixed buffer with the ANSI
    // messages) and converted to the ANSI code page, as the user sees them.
    Entries entries(int id) override {
        HWND control = GetDlgItem(window_, id);
        const bool combo = lstrcmpiA(classOf(control).c_str(), "ComboBox") == 0;
        const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
        const UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
        const UINT text = combo ? CB_GETLBTEXT : LB_GETTEXT;
        Entries out;
        for (LRESULT i = 0, n = SendMessageW(control, count, 0, 0); i < n; ++i) {
            std::wstring wide(static_cast<size_t>(SendMessageW(control, length, i, 0)) + 1, L'\0');
            const int chars = static_cast<int>(SendMessageW(control, text, i, reinterpret_cast<LPARAM>(wide.data())));
            std::string ansi(static_cast<size_t>(chars) * 2 + 1, '\0');
            const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, ansi.data(),
                                                  static_cast<int>(ansi.size()), nullptr, nullptr);
            ansi.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
            out.push_back(ansi);
        }
        return out;
    }

private:
    HWND window_ = nullptr;
    Win32Form form_;
};

template <bool kProgramControls>
std::unique_ptr<FormUnderTest> makeWin32Form() { return std::make_unique<Win32FormUnderTest>(kProgramControls); }

INSTANTIATE_TEST_SUITE_P(Forms, FormContract,
                         ::testing::Values(FormImplementation{"Win32", &makeWin32Form<false>},
                                           FormImplementation{"Win32ProgramControls",
                                                              &makeWin32Form<true>}),
                         formImplementationName);

}  // namespace
}  // namespace vokanti::testing
