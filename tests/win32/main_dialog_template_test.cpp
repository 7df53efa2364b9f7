// The dialog templates (102 the main window, 136 the favorite title, 100 the about box) as
// the platform builds windows from them: caption, font, size, and each control in template
// order with its id, class, text, the styles that matter and its place.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/vokanti_dlg.h"
#include "ui/win32/resource.h"
#include "ui/win32/version.h"

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

struct Row {
    int id;
    const char* cls;
    std::string text;
    RECT box;  // x, y, width, height in dialog units
    DWORD style;
};

struct Template {
    int id;
    const char* caption;
    SIZE size;  // dialog units
    std::vector<Row> rows;
};

const std::vector<Template>& templates() {
    static const std::vector<Template> all = {
        {IDD_VOKANTI_DIALOG, "Vokanti Version 2.3.0", {395, 289}, {
            {IDC_INPUT, "ComboBox", "", {114, 20, 234, 56}, kCombo},
            {IDC_BROWSE_INPUT, "Button", "", {353, 20, 11, 13}, kBitmapButton | WS_TABSTOP},
            {IDC_OUTPUT, "ComboBox", "", {114, 54, 234, 56}, kCombo},
            {IDC_BROWSE_OUTPUT, "Button", "...", {353, 54, 11, 13}, kBitmapButton | WS_TABSTOP},
            {IDC_DICTIONARY, "ComboBox", "", {114, 88, 234, 56}, kCombo},
            {IDC_ADD_DICTIONARY, "Button", "", {365, 88, 11, 13}, kBitmapButton},
            {IDC_REMOVE_DICTIONARY, "Button", "", {377, 88, 11, 13}, kBitmapButton},
            {IDC_BROWSE_DICTIONARY, "Button", "...", {353, 88, 11, 13}, kBitmapButton | WS_TABSTOP},
            {IDC_MATCH_WORD, "Button", "単語", {125, 127, 30, 10}, BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_MATCH_WORD_IDIOM, "Button", "単語と熟語", {154, 127, 49, 10}, BS_AUTORADIOBUTTON},
            {IDC_MATCH_IDIOM, "Button", "熟語", {202, 127, 30, 10}, BS_AUTORADIOBUTTON},
            {IDC_INPUT_HTML, "Button", "HTML", {135, 164, 33, 10}, BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_INPUT_TEXT, "Button", "テキスト", {186, 164, 40, 10}, BS_AUTORADIOBUTTON},
            {IDC_IGNORE_LONG, "Edit", "", {122, 253, 20, 12}, kEdit},
            {IDC_IGNORE_SHORT, "Edit", "", {122, 265, 20, 12}, kEdit},
            {IDC_QUESTION, "Button", "", {248, 132, 8, 8}, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
            {IDC_QUESTION_NUM, "Edit", "", {259, 130, 20, 12}, kEdit | WS_GROUP},
            {IDC_SAME_DIR, "Button", "入力ファイルと同じディレクトリに出力", {248, 114, 123, 10}, kLeftCheck},
            {IDC_SORT_DICTIONARY, "Button", "辞書をソートしてから検索", {248, 148, 90, 10}, kLeftCheck},
            {IDC_INPUT_LIST_ONLY, "Button", "入力リストに含まれる語だけを抽出する", {248, 184, 129, 10}, kLeftCheck},
            {IDC_NO_IGNORE, "Button", "無視リストに含まれる単語も抽出する", {248, 202, 123, 10}, kLeftCheck},
            {IDC_DOWNLOAD_ONLY, "Button", "ダウンロードのみ行う", {248, 220, 77, 10}, kLeftCheck},
            {IDOK, "Button", "作成開始", {249, 262, 65, 20}, BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP},
            {IDCANCEL, "Button", "終了", {323, 262, 65, 20}, BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP},
            {kStatic, "Button", "出力ファイルの形式", {114, 188, 126, 44}, kGroupBox | WS_GROUP},
            {kStatic, "Static", "入力ファイル or URL", {114, 6, 61, 8}, kLabel},
            {kStatic, "Button", "一致条件", {114, 114, 126, 29}, kGroupBox | WS_GROUP},
            {kStatic, "Button", "無視", {114, 240, 126, 41}, kGroupBox},
            {kStatic, "Static", "文字以上の解答は出力しない", {147, 255, 87, 8}, kLabel},
            {kStatic, "Static", "出力ファイル", {114, 40, 38, 8}, kLabel},
            {kStatic, "Static", "文字以下の単語は抽出しない", {147, 267, 87, 8}, kLabel},
            {kStatic, "Static", "問だけの問題集も併せて作成", {283, 132, 87, 8}, kLabel | WS_TABSTOP},
            {kStatic, "Button", "入力ファイルの形式", {114, 151, 126, 29}, kGroupBox | WS_GROUP},
            {kStatic, "Static", "使用辞書リスト", {114, 74, 44, 8}, kLabel},
            {IDC_LIST_TABS, "SysTabControl32", "", {19, 37, 71, 37}, 0},
            {IDC_HISTORY_LIST, "ListBox", "", {17, 150, 84, 42}, kList | LBS_WANTKEYBOARDINPUT},
            {IDC_FAVORITE_LIST, "ListBox", "", {12, 186, 84, 36}, kList | LBS_WANTKEYBOARDINPUT},
            {IDC_FAVORITE_LOCATIONS, "ListBox", "", {6, 217, 84, 36}, kList},
            {IDC_OPEN_INPUT, "Button", "", {377, 20, 11, 13}, kBitmapButton},
            {IDC_ADD_FAVORITE, "Button", "", {365, 20, 11, 13}, kBitmapButton},
            {IDC_OPEN_OUTPUT, "Button", "", {365, 54, 11, 13}, kBitmapButton},
            {IDC_CUT, "Button", "", {248, 238, 8, 8}, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
            {IDC_CUT_LENGTH, "Edit", "", {274, 236, 20, 12}, kEdit | WS_GROUP},
            {kStatic, "Static", "半角", {258, 238, 15, 8}, kLabel | WS_TABSTOP},
            {kStatic, "Static", "文字以降の問題文はカット", {298, 238, 78, 8}, kLabel | WS_TABSTOP},
            {IDC_OUTPUT_DB, "Button", "vkndb5s", {135, 203, 40, 10}, BS_AUTORADIOBUTTON | WS_GROUP},
            {IDC_OUTPUT_CSV, "Button", "csv", {186, 203, 26, 10}, BS_AUTORADIOBUTTON},
            {IDC_OUTPUT_HTML2, "Button", "HTML2", {186, 215, 37, 10}, BS_AUTORADIOBUTTON},
            {IDC_OUTPUT_HTML1, "Button", "HTML1", {135, 215, 37, 10}, BS_AUTORADIOBUTTON},
            {IDC_NO_DICT, "Button", "使用辞書に載ってない単語も抽出", {248, 166, 114, 10}, kLeftCheck},
        }},
        {IDD_FAVORITE, "お気に入りに追加", {230, 69}, {
            {IDC_FAVORITE_TITLE, "Edit", "", {7, 21, 216, 14}, kEdit},
            {IDOK, "Button", "OK", {56, 48, 50, 14}, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {IDCANCEL, "Button", "ｷｬﾝｾﾙ", {122, 48, 50, 14}, BS_PUSHBUTTON | WS_TABSTOP},
            {kStatic, "Static", "タイトルの入力", {7, 7, 44, 8}, kLabel},
        }},
        {IDD_ABOUTBOX, "Vokantiのバージョン情報", {254, 63}, {
            {kStatic, "Static", "", {11, 17, 20, 20}, SS_ICON},
            {kStatic, "Static", std::string("Vokanti Version 2.3.0  <") + kHomePageUrl + ">",
             {40, 7, 205, 8}, SS_LEFT | SS_NOPREFIX},
            {kStatic, "Static", VOKANTI_RIGHTS_TEXT, {40, 25, 185, 8}, kLabel},
            {IDOK, "Button", "OK", {102, 42, 50, 14}, BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP | WS_GROUP},
        }},
    };
    return all;
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string textOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(DialogTemplates, WindowsFromTheTemplatesHoldEveryControlInTabOrder) {
    for (const Template& t : templates()) {
        SCOPED_TRACE(t.id);
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(t.id),
                                         nullptr, plainDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(textOf(dialog), t.caption);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");
        RECT size{0, 0, t.size.cx, t.size.cy}, client{};
        MapDialogRect(dialog, &size);
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        size_t index = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
            ASSERT_LT(index, t.rows.size());
            const Row& row = t.rows[index];
            SCOPED_TRACE(row.text + " " + std::to_string(row.id));
            EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, row.id & 0xFFFF);  // a plain template has 16-bit ids
            char cls[64] = {};
            GetClassNameA(child, cls, sizeof cls);
            EXPECT_STRCASEEQ(cls, row.cls);
            const bool button = lstrcmpiA(cls, "Button") == 0;
            const bool list = lstrcmpiA(cls, "ListBox") == 0;
            const bool icon = lstrcmpiA(cls, "Static") == 0 && (row.style & SS_TYPEMASK) == SS_ICON;
            EXPECT_EQ(icon ? "" : textOf(child), icon ? "" : row.text);
            const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
            EXPECT_EQ(style & (WS_TABSTOP | WS_GROUP | WS_VISIBLE),
                      (row.style & (WS_TABSTOP | WS_GROUP)) | WS_VISIBLE);
            if (button || list || lstrcmpiA(cls, "Static") == 0) {
                EXPECT_EQ(style & 0xFFFF, row.style & 0xFFFF);
            }
            EXPECT_TRUE(!icon || SendMessageA(child, STM_GETICON, 0, 0) != 0);
            // Arrow keys move within a radio group; lists and the tabs are reached by mouse.
            if ((button && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) || list ||
                lstrcmpiA(cls, WC_TABCONTROLA) == 0) {
                EXPECT_FALSE(style & WS_TABSTOP);
            }
            // Edits and list boxes draw their border as a client edge.
            EXPECT_TRUE(!(row.style & WS_BORDER) || (style & WS_BORDER) ||
                        (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
            RECT expected = row.box;
            MapDialogRect(dialog, &expected);
            RECT actual;
            GetWindowRect(child, &actual);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            // A combo box is as high as its edit field (the template gives its list's height);
            // an icon takes the size of its picture.
            const bool combo = lstrcmpiA(cls, "ComboBox") == 0;
            EXPECT_EQ(icon ? 0 : actual.right - actual.left, icon ? 0 : expected.right);
            EXPECT_EQ(icon || combo ? 0 : actual.bottom - actual.top, icon || combo ? 0 : expected.bottom);
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

}  // namespace
}  // namespace vokanti::testing
