// The program's manifest, and the controls it gives the main dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/program_controls.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

std::string programManifest() {
    HMODULE program = LoadLibraryExA(hostPath(VOKANTI_EXE_PATH).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE);
    if (!program) return {};
    std::string text;
    if (HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        if (HGLOBAL loaded = LoadResource(program, found)) {
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(program, found));
        }
    }
    FreeLibrary(program);
    return text;
}

TEST(Manifest, AsksForCommonControls6AndNoExecutionLevel) {
    const std::string manifest = programManifest();
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    // An execution level would turn off the per-user redirection the INI file relies on.
    EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The controls of the manifest keep their texts in wide characters: long entries of the
// lists and combo boxes still read back whole, with their double-byte characters.
TEST(Manifest, ProgramControlsGiveBackLongListEntriesWhole) {
    ProgramControls controls;
    ASSERT_TRUE(controls.active());
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr),
                                     MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG), nullptr,
                                     plainDialogProc, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowUnicode(GetDlgItem(window, IDC_FAVORITE_LIST)));

    Win32Form form;
    form.attach(window);
    // Past 512 characters: a plain one, and a long one of mixed single- and double-byte ones.
    const std::string longUrl = "http://example.jp/" + std::string(600, 'q');
    std::string longPath;
    for (int i = 0; i < 3000; ++i) longPath += i % 2 ? "表" : "x";
    for (int id : {IDC_FAVORITE_LIST, IDC_HISTORY_LIST, IDC_INPUT, IDC_DICTIONARY}) {
        SCOPED_TRACE(id);
        form.appendEntry(id, "C:/ソフト/a.txt");
        form.appendEntry(id, longUrl);
        form.appendEntry(id, longPath);
        form.appendEntry(id, "");
        EXPECT_EQ(form.entry(id, 0), "C:/ソフト/a.txt");
        EXPECT_EQ(form.entry(id, 1), longUrl);
        EXPECT_EQ(form.entry(id, 2), longPath);
        EXPECT_EQ(form.entry(id, 3), "");
        EXPECT_EQ(form.entry(id, 4), "");  // no such entry
        form.setSelection(id, 2);
        EXPECT_EQ(form.text(id), longPath);
        EXPECT_EQ(form.selectEqualEntry(id, longUrl), 1);
    }
    form.detach();
    DestroyWindow(window);
}

}  // namespace
}  // namespace vokanti::testing
