// The program's manifest, and the controls it gives the main dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/resource.h"
#include "win32/support/program_controls.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

std::string programManifest() {
    HMODULE program = LoadLibraryExA(hostPath(VOKANTI_EXE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program) return {};
    std::string text;
    if (HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        text.assign(static_cast<const char*>(LockResource(LoadResource(program, found))),
                    SizeofResource(program, found));
    }
    FreeLibrary(program);
    return text;
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST(Manifest, AsksForCommonControls6AndNoExecutionLevel) {
    const std::string manifest = programManifest();
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    // An execution level would turn off the per-user redirection the INI file relies on.
    EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);

    // The controls of version 6 keep their texts in wide characters.
    ProgramControls controls;
    ASSERT_TRUE(controls.active());
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG), nullptr,
                                     plainDialogProc, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowUnicode(GetDlgItem(window, IDC_FAVORITE_LIST)));
    DestroyWindow(window);
}

}  // namespace
}  // namespace vokanti::testing
