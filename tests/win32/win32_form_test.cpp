// What only the real controls can show about the Win32 form: the cost of a big fill.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"

namespace vokanti::testing {
namespace {

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST(Win32Form, FillingAHundredThousandEntriesTakesAMomentNotMinutes) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG), nullptr,
                                     plainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    Win32Form form;
    form.attach(dialog);
    std::vector<std::string> texts;
    for (int i = 0; i < 100000; ++i) texts.push_back("C:/Docs/input-" + std::to_string(i) + ".html");
    // One by one into a visible list box that repaints takes minutes here; the fill about a
    // tenth of a second.
    for (int id : {IDC_HISTORY_LIST, IDC_INPUT}) {
        const DWORD start = GetTickCount();
        form.appendEntries(id, texts);
        EXPECT_LT(GetTickCount() - start, 10000u) << id;
        EXPECT_EQ(form.entryCount(id), 100000);
    }
    form.detach();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace vokanti::testing
