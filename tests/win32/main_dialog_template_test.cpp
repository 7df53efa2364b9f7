// Dialog template 102 against its control table: the template's own bytes, and a window
// created from it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/win32/resource.h"

namespace vokanti::testing {
namespace {

constexpr DWORD kCombo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kBitmapButton = BS_PUSHBUTTON | BS_FLAT | BS_BITMAP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLeftCheck = BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP;
constexpr DWORD kList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER;
constexpr int kStatic = -1;

struct Row {
    int id;
    const char* cls;
    const char* text;
    RECT box;  // x, y, width, height in dialog units
    DWORD style;
};

// The main dialog's controls in template order.
const std::vector<Row>& table() {
    static const std::vector<Row> rows = {
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
        {kStatic, "Button", "出力ファイルの形式", {114, 188, 126, 44}, BS_GROUPBOX | BS_FLAT | WS_GROUP},
        {kStatic, "Static", "入力ファイル or URL", {114, 6, 61, 8}, SS_LEFT | WS_GROUP},
        {kStatic, "Button", "一致条件", {114, 114, 126, 29}, BS_GROUPBOX | BS_FLAT | WS_GROUP},
        {kStatic, "Button", "無視", {114, 240, 126, 41}, BS_GROUPBOX | BS_FLAT},
        {kStatic, "Static", "文字以上の解答は出力しない", {147, 255, 87, 8}, SS_LEFT | WS_GROUP},
        {kStatic, "Static", "出力ファイル", {114, 40, 38, 8}, SS_LEFT | WS_GROUP},
        {kStatic, "Static", "文字以下の単語は抽出しない", {147, 267, 87, 8}, SS_LEFT | WS_GROUP},
        {kStatic, "Static", "問だけの問題集も併せて作成", {283, 132, 87, 8}, SS_LEFT | WS_TABSTOP | WS_GROUP},
        {kStatic, "Button", "入力ファイルの形式", {114, 151, 126, 29}, BS_GROUPBOX | BS_FLAT | WS_GROUP},
        {kStatic, "Static", "使用辞書リスト", {114, 74, 44, 8}, SS_LEFT | WS_GROUP},
        {IDC_LIST_TABS, "SysTabControl32", "", {19, 37, 71, 37}, 0},
        {IDC_HISTORY_LIST, "ListBox", "", {17, 150, 84, 42}, kList | LBS_WANTKEYBOARDINPUT},
        {IDC_FAVORITE_LIST, "ListBox", "", {12, 186, 84, 36}, kList | LBS_WANTKEYBOARDINPUT},
        {IDC_FAVORITE_LOCATIONS, "ListBox", "", {6, 217, 84, 36}, kList},
        {IDC_OPEN_INPUT, "Button", "", {377, 20, 11, 13}, kBitmapButton},
        {IDC_ADD_FAVORITE, "Button", "", {365, 20, 11, 13}, kBitmapButton},
        {IDC_OPEN_OUTPUT, "Button", "", {365, 54, 11, 13}, kBitmapButton},
        {IDC_CUT, "Button", "", {248, 238, 8, 8}, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
        {IDC_CUT_LENGTH, "Edit", "", {274, 236, 20, 12}, kEdit | WS_GROUP},
        {kStatic, "Static", "半角", {258, 238, 15, 8}, SS_LEFT | WS_TABSTOP | WS_GROUP},
        {kStatic, "Static", "文字以降の問題文はカット", {298, 238, 78, 8}, SS_LEFT | WS_TABSTOP | WS_GROUP},
        {IDC_OUTPUT_DB, "Button", "vkndb5s", {135, 203, 40, 10}, BS_AUTORADIOBUTTON | WS_GROUP},
        {IDC_OUTPUT_CSV, "Button", "csv", {186, 203, 26, 10}, BS_AUTORADIOBUTTON},
        {IDC_OUTPUT_HTML2, "Button", "HTML2", {186, 215, 37, 10}, BS_AUTORADIOBUTTON},
        {IDC_OUTPUT_HTML1, "Button", "HTML1", {135, 215, 37, 10}, BS_AUTORADIOBUTTON},
        {IDC_NO_DICT, "Button", "使用辞書に載ってない単語も抽出", {248, 166, 114, 10}, kLeftCheck},
    };
    return rows;
}

// Reads an extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX entries).
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : p_(data) {}
    WORD word() { return take<WORD>(); }
    DWORD dword() { return take<DWORD>(); }
    short coordinate() { return take<short>(); }
    // A name or an ordinal: the text, or "#<number>" for an ordinal.
    std::string nameOrOrdinal() {
        const WORD first = word();
        if (first == 0xFFFF) return "#" + std::to_string(word());
        if (first == 0) return {};
        p_ -= sizeof(WORD);
        return text();
    }
    // A NUL-terminated UTF-16 text, in the ANSI code page.
    std::string text() {
        std::wstring wide;
        for (WORD c = word(); c != 0; c = word()) wide += static_cast<wchar_t>(c);
        if (wide.empty()) return {};
        char out[512] = {};
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), out,
                            sizeof out - 1, nullptr, nullptr);
        return out;
    }
    void skip(size_t bytes) { p_ += bytes; }
    void alignToDword(const BYTE* base) {
        while ((p_ - base) % 4 != 0) ++p_;
    }

private:
    template <class T>
    T take() {
        T value;
        memcpy(&value, p_, sizeof value);
        p_ += sizeof value;
        return value;
    }
    const BYTE* p_;
};

std::string className(const std::string& nameOrOrdinal) {
    if (nameOrOrdinal == "#128") return "Button";
    if (nameOrOrdinal == "#129") return "Edit";
    if (nameOrOrdinal == "#130") return "Static";
    if (nameOrOrdinal == "#131") return "ListBox";
    if (nameOrOrdinal == "#133") return "ComboBox";
    return nameOrOrdinal;
}

TEST(MainDialogTemplate, TheTemplateHoldsEveryControlOfTheTable) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG), MAKEINTRESOURCEA(5));
    ASSERT_NE(resource, nullptr);
    const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    TemplateReader in(base);
    EXPECT_EQ(in.word(), 1);       // version
    EXPECT_EQ(in.word(), 0xFFFF);  // extended template
    in.dword();                    // help id
    EXPECT_EQ(in.dword(), static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(in.dword(), static_cast<DWORD>(DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION |
                                             WS_SYSMENU | WS_MINIMIZEBOX));
    const WORD count = in.word();
    ASSERT_EQ(count, table().size());
    EXPECT_EQ(in.coordinate(), 0);
    EXPECT_EQ(in.coordinate(), 0);
    EXPECT_EQ(in.coordinate(), 395);
    EXPECT_EQ(in.coordinate(), 289);
    EXPECT_EQ(in.nameOrOrdinal(), "#140");  // menu bar
    EXPECT_EQ(in.nameOrOrdinal(), "");      // the standard dialog class
    EXPECT_EQ(in.text(), "Vokanti Version 2.3.0");
    EXPECT_EQ(in.word(), 9);  // points
    in.skip(4);               // weight, italic, character set
    EXPECT_EQ(in.text(), "ＭＳ Ｐゴシック");

    for (const Row& row : table()) {
        in.alignToDword(base);
        SCOPED_TRACE(std::string(row.text) + " " + std::to_string(row.id));
        in.dword();  // help id
        EXPECT_EQ(in.dword(), 0u);
        EXPECT_EQ(in.dword(), WS_CHILD | WS_VISIBLE | row.style);
        EXPECT_EQ(in.coordinate(), row.box.left);
        EXPECT_EQ(in.coordinate(), row.box.top);
        EXPECT_EQ(in.coordinate(), row.box.right);
        EXPECT_EQ(in.coordinate(), row.box.bottom);
        EXPECT_EQ(static_cast<int>(in.dword()), row.id);
        EXPECT_STRCASEEQ(className(in.nameOrOrdinal()).c_str(), row.cls);  // names ignore case
        EXPECT_EQ(in.nameOrOrdinal(), row.text);
        in.skip(in.word());  // creation data
    }
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST(MainDialogTemplate, AWindowFromTheTemplateHasTheControlsInTabOrder) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG),
                                     nullptr, plainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vokanti Version 2.3.0");
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    ASSERT_NE(GetMenu(dialog), nullptr);
    EXPECT_EQ(GetMenuItemCount(GetMenu(dialog)), 5);

    size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, table().size());
        const Row& row = table()[index];
        SCOPED_TRACE(std::string(row.text) + " " + std::to_string(row.id));
        EXPECT_EQ(GetDlgCtrlID(child), row.id);
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        EXPECT_STRCASEEQ(cls, row.cls);
        const DWORD childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        EXPECT_EQ(childStyle & (WS_TABSTOP | WS_GROUP | WS_VISIBLE), (row.style & (WS_TABSTOP | WS_GROUP)) | WS_VISIBLE);
        if (lstrcmpiA(cls, "Button") == 0 || lstrcmpiA(cls, "Static") == 0) {
            EXPECT_EQ(childStyle & 0xFFFF, row.style & 0xFFFF);
        }
        // Arrow keys move within a radio group; lists and the tabs are reached by mouse.
        const bool radio = lstrcmpiA(cls, "Button") == 0 && (childStyle & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        const bool list = lstrcmpiA(cls, "ListBox") == 0 || lstrcmpiA(cls, WC_TABCONTROLA) == 0;
        if (radio || list) {
            EXPECT_FALSE(childStyle & WS_TABSTOP);
        }
        // Edits and list boxes draw their border as a client edge.
        if (row.style & WS_BORDER) {
            EXPECT_TRUE((childStyle & WS_BORDER) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        }
        // Position and size are converted separately, each field on its own.
        RECT expected = row.box;
        MapDialogRect(dialog, &expected);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        // A combo box's window is as high as its edit field; the template's height is the
        // height of its dropped-down list.
        if (lstrcmpiA(cls, "ComboBox") != 0) {
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
    }
    EXPECT_EQ(index, table().size());
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace vokanti::testing
