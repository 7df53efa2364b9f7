// The resources as the platform builds windows from them: the dialog templates (102 the main
// window, 136 the favorite title, 100 the about box) with caption, font, size and each control
// in template order with its id, class, text and the styles that matter; the version
// resource and the manifest. The icon and the pictures are checked on the main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/home_page.h"
#include "ui/win32/resource.h"
#include "version.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr DWORD kCombo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kBitmapButton = BS_PUSHBUTTON | BS_FLAT | BS_BITMAP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLeftCheck = BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP;
constexpr DWORD kList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER;
constexpr DWORD kGroupBox = BS_GROUPBOX | BS_FLAT;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr int kStatic = -1;

struct Row { int id; const char* cls; std::string text; DWORD style; };
struct Template { int id; const char* caption; SIZE size /* dialog units */; std::vector<Row> rows; };

const std::vector<Template>& templates() {
    static const std::vector<Template> all = {
        {IDD_VOKANTI_DIALOG, VOKANTI_CAPTION, {395, 289}, {
            {IDC_INPUT, "ComboBox", "", kCombo}, {IDC_BROWSE_INPUT, "Button", "", kBitmapButton | WS_TABSTOP},
            {IDC_OUTPUT, "ComboBox", "", kCombo}, {IDC_BROWSE_OUTPUT, "Button", "...", kBitmapButton | WS_TABSTOP},
            {IDC_DICTIONARY, "ComboBox", "", kCombo}, {IDC_ADD_DICTIONARY, "Button", "", kBitmapButton},
            {IDC_REMOVE_DICTIONARY, "Button", "", kBitmapButton},
            {IDC_BROWSE_DICTIONARY, "Button", "...", kBitmapButton | WS_TABSTOP},
            {IDC_MATCH_WORD, "Button", "単語", BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_MATCH_WORD_IDIOM, "Button", "単語と熟語", BS_AUTORADIOBUTTON},
            {IDC_MATCH_IDIOM, "Button", "熟語", BS_AUTORADIOBUTTON},
            {IDC_INPUT_HTML, "Button", "HTML", BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_INPUT_TEXT, "Button", "テキスト", BS_AUTORADIOBUTTON}, {IDC_IGNORE_LONG, "Edit", "", kEdit},
            {IDC_IGNORE_SHORT, "Edit", "", kEdit},
            {IDC_QUESTION, "Button", "", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
            {IDC_QUESTION_NUM, "Edit", "", kEdit | WS_GROUP},
            {IDC_SAME_DIR, "Button", "入力ファイルと同じディレクトリに出力", kLeftCheck},
            {IDC_SORT_DICTIONARY, "Button", "辞書をソートしてから検索", kLeftCheck},
            {IDC_INPUT_LIST_ONLY, "Button", "入力リストに含まれる語だけを抽出する", kLeftCheck},
            {IDC_NO_IGNORE, "Button", "無視リストに含まれる単語も抽出する", kLeftCheck},
            {IDC_DOWNLOAD_ONLY, "Button", "ダウンロードのみ行う", kLeftCheck},
            {IDOK, "Button", "作成開始", BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP},
            {IDCANCEL, "Button", "終了", BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP},
            {kStatic, "Button", "出力ファイルの形式", kGroupBox | WS_GROUP},
            {kStatic, "Static", "入力ファイル or URL", kLabel}, {kStatic, "Button", "一致条件", kGroupBox | WS_GROUP},
            {kStatic, "Button", "無視", kGroupBox}, {kStatic, "Static", "文字以上の解答は出力しない", kLabel},
            {kStatic, "Static", "出力ファイル", kLabel}, {kStatic, "Static", "文字以下の単語は抽出しない", kLabel},
            {kStatic, "Static", "問だけの問題集も併せて作成", kLabel | WS_TABSTOP},
            {kStatic, "Button", "入力ファイルの形式", kGroupBox | WS_GROUP}, {kStatic, "Static", "使用辞書リスト", kLabel},
            {IDC_LIST_TABS, "SysTabControl32", "", 0}, {IDC_HISTORY_LIST, "ListBox", "", kList | LBS_WANTKEYBOARDINPUT},
            {IDC_FAVORITE_LIST, "ListBox", "", kList | LBS_WANTKEYBOARDINPUT},
            {IDC_FAVORITE_LOCATIONS, "ListBox", "", kList}, {IDC_OPEN_INPUT, "Button", "", kBitmapButton},
            {IDC_ADD_FAVORITE, "Button", "", kBitmapButton}, {IDC_OPEN_OUTPUT, "Button", "", kBitmapButton},
            {IDC_CUT, "Button", "", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
            {IDC_CUT_LENGTH, "Edit", "", kEdit | WS_GROUP}, {kStatic, "Static", "半角", kLabel | WS_TABSTOP},
            {kStatic, "Static", "文字以降の問題文はカット", kLabel | WS_TABSTOP},
            {IDC_OUTPUT_DB, "Button", "vkndb5s", BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_OUTPUT_CSV, "Button", "csv", BS_AUTORADIOBUTTON},
            {IDC_OUTPUT_HTML2, "Button", "HTML2", BS_AUTORADIOBUTTON},
            {IDC_OUTPUT_HTML1, "Button", "HTML1", BS_AUTORADIOBUTTON},
            {IDC_NO_DICT, "Button", "使用辞書に載ってない単語も抽出", kLeftCheck},
        }},
        {IDD_FAVORITE, "お気に入りに追加", {230, 69}, {
            {IDC_FAVORITE_TITLE, "Edit", "", kEdit}, {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
            {IDCANCEL, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP}, {kStatic, "Static", "タイトルの入力", kLabel},
        }},
        {IDD_ABOUTBOX, "Vokantiのバージョン情報", {254, 63}, {
            {kStatic, "Static", "", SS_ICON},
            {kStatic, "Static", std::string(VOKANTI_CAPTION "  <" VOKANTI_HOME_PAGE ">"), SS_LEFT | SS_NOPREFIX},
            {kStatic, "Static", VOKANTI_RIGHTS_TEXT, kLabel},
            {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP | WS_GROUP},
        }},
    };
    return all;
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
HINSTANCE module() { return GetModuleHandleA(nullptr); }

TEST(DialogTemplates, WindowsFromTheTemplatesHoldEveryControlInTabOrder) {
    for (const Template& t : templates()) {
        SCOPED_TRACE(t.id);
        HWND dialog = CreateDialogParamA(module(), MAKEINTRESOURCEA(t.id), nullptr, plainDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(textOf(dialog), t.caption);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");
        RECT size{0, 0, t.size.cx, t.size.cy}, client{};
        MapDialogRect(dialog, &size);
        GetClientRect(dialog, &client);
        EXPECT_TRUE(client.right == size.right && client.bottom == size.bottom);

        size_t index = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
            ASSERT_LT(index, t.rows.size());
            const Row& row = t.rows[index];
            SCOPED_TRACE(row.text + " " + std::to_string(row.id));
            EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, row.id & 0xFFFF);  // a plain template has 16-bit ids
            const std::string cls = classOf(child);
            EXPECT_STRCASEEQ(cls.c_str(), row.cls);
            const bool icon = lstrcmpiA(cls.c_str(), "Static") == 0 && (row.style & SS_TYPEMASK) == SS_ICON;
            EXPECT_EQ(icon ? "" : textOf(child), icon ? "" : row.text);
            const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
            EXPECT_EQ(style & (WS_TABSTOP | WS_GROUP | WS_VISIBLE),
                      (row.style & (WS_TABSTOP | WS_GROUP)) | WS_VISIBLE);
            if (strstr("Button ListBox Static", row.cls)) {
                EXPECT_EQ(style & 0xFFFF, row.style & 0xFFFF);
            }
            EXPECT_TRUE(!icon || SendMessageA(child, STM_GETICON, 0, 0) != 0);
            // Edits and list boxes draw their border as a client edge.
            EXPECT_TRUE(!(row.style & WS_BORDER) || (style & WS_BORDER) ||
                        (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        }
        EXPECT_EQ(index, t.rows.size());
        if (t.id == IDD_VOKANTI_DIALOG) {
            const LONG style = GetWindowLongA(dialog, GWL_STYLE);
            EXPECT_TRUE(style & WS_MINIMIZEBOX);
            EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
            EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
            EXPECT_EQ(GetMenuItemCount(GetMenu(dialog)), 5);
        }
        DestroyWindow(dialog);
    }
}

TEST(Resources, VersionAndManifest) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_TRUE(!block.empty() && GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
    // The module carries the version the build gives it.
    UINT length = 0;
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041103a4\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, VOKANTI_VERSION_TEXT);

    // Common controls 6, and no execution level: one would turn off the per-user redirection
    // the INI file relies on.
    HMODULE program = LoadLibraryExA(hostPath(VOKANTI_EXE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                               SizeofResource(program, found));
    FreeLibrary(program);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);
    // Aware of the screen's dpi: per monitor where the system offers it, else the system's.
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string::npos);
}

// Each button picture at 16, 24 and 32 pixels; the icon at five sizes, so that nothing is
// stretched on a larger screen.
TEST(Resources, PicturesForEveryScreenSize) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {IDB_BROWSER, IDB_STAR, IDB_SHEET_REMOVE, IDB_SHEET_ADD, IDB_NOTEPAD, IDB_FOLDER}) {
        for (const auto& [offset, size] : {std::pair{0, 16}, {IDB_STAR_24 - IDB_STAR, 24}, {IDB_STAR_32 - IDB_STAR, 32}}) {
            HBITMAP picture = LoadBitmapA(self, MAKEINTRESOURCEA(id + offset));
            BITMAP info{};
            EXPECT_TRUE(picture && GetObjectA(picture, sizeof info, &info) && info.bmWidth == size &&
                        info.bmHeight == size) << id + offset;
            DeleteObject(picture);
        }
    }
    HRSRC group = FindResourceA(self, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(self, group)));
    ASSERT_EQ(directory[2], 5);  // reserved, type, count
    std::vector<int> sizes;
    for (int i = 0; i < 5; ++i) sizes.push_back(reinterpret_cast<const BYTE*>(directory + 3)[i * 14]);
    EXPECT_EQ(sizes, (std::vector<int>{64, 48, 32, 24, 16}));
}

}  // namespace
}  // namespace vokanti::testing
