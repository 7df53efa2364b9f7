// Template 136, the favorite-title dialog: the template as stored, and the window the
// platform creates from it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/win32/resource.h"

namespace {

// Text of a UTF-16 resource string in the ANSI code page.
std::string narrow(const WCHAR* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

// A plain (not extended) dialog template, read field by field.
struct TemplateItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    WORD classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static
    std::string text;
};
struct DialogTemplate {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string face;
    std::vector<TemplateItem> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : p_(data), start_(data) {}
    template <typename T>
    T take() {
        T value;
        std::memcpy(&value, p_, sizeof value);
        p_ += sizeof value;
        return value;
    }
    // A string, or 0xFFFF and an ordinal (returned in `ordinal`).
    std::string sizeOrOrdinal(WORD* ordinal = nullptr) {
        WORD first = take<WORD>();
        if (first == 0xFFFF) {
            const WORD value = take<WORD>();
            if (ordinal) *ordinal = value;
            return {};
        }
        std::vector<WCHAR> text{first};
        while (text.back() != 0) text.push_back(take<WORD>());
        return narrow(text.data());
    }
    void alignToDword() {
        while ((p_ - start_) % 4 != 0) ++p_;
    }

private:
    const BYTE* p_;
    const BYTE* start_;
};

DialogTemplate loadTemplate(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!info) return {};
    TemplateReader r(static_cast<const BYTE*>(LockResource(LoadResource(module, info))));
    DialogTemplate t;
    t.style = r.take<DWORD>();
    r.take<DWORD>();  // extended style
    const WORD count = r.take<WORD>();
    r.take<short>();
    r.take<short>();
    t.cx = r.take<short>();
    t.cy = r.take<short>();
    r.sizeOrOrdinal();  // menu
    r.sizeOrOrdinal();  // class
    t.caption = r.sizeOrOrdinal();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.take<WORD>();
        t.face = r.sizeOrOrdinal();
    }
    for (WORD i = 0; i < count; ++i) {
        r.alignToDword();
        TemplateItem item;
        item.style = r.take<DWORD>();
        r.take<DWORD>();
        item.x = r.take<short>();
        item.y = r.take<short>();
        item.cx = r.take<short>();
        item.cy = r.take<short>();
        item.id = r.take<WORD>();
        r.sizeOrOrdinal(&item.classAtom);
        item.text = r.sizeOrOrdinal();
        const WORD extra = r.take<WORD>();
        for (WORD b = 0; b < extra; ++b) r.take<BYTE>();
        t.items.push_back(item);
    }
    return t;
}

TEST(FavoriteDialogTemplate, HoldsTheCaptionFontAndControlsInTabOrder) {
    const DialogTemplate t = loadTemplate(IDD_FAVORITE);
    EXPECT_EQ(t.style & ~DS_SETFONT, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(t.cx, 230);
    EXPECT_EQ(t.cy, 69);
    EXPECT_EQ(t.caption, "お気に入りに追加");
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.face, "ＭＳ Ｐゴシック");

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const std::vector<TemplateItem> expected = {
        {child | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL, 7, 21, 216, 14,
         IDC_FAVORITE_TITLE, 0x81, ""},
        {child | WS_TABSTOP | BS_DEFPUSHBUTTON, 56, 48, 50, 14, IDOK, 0x80, "OK"},
        {child | WS_TABSTOP | BS_PUSHBUTTON, 122, 48, 50, 14, IDCANCEL, 0x80, "ｷｬﾝｾﾙ"},
        {child | WS_GROUP | SS_LEFT, 7, 7, 44, 8, 0xFFFF, 0x82, "タイトルの入力"},
    };
    ASSERT_EQ(t.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const TemplateItem& got = t.items[i];
        const TemplateItem& want = expected[i];
        EXPECT_EQ(got.style, want.style) << want.text;
        EXPECT_EQ(got.id, want.id) << want.text;
        EXPECT_EQ(got.classAtom, want.classAtom) << want.text;
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ((std::vector<short>{got.x, got.y, got.cx, got.cy}),
                  (std::vector<short>{want.x, want.y, want.cx, want.cy}))
            << want.text;
    }
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string windowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(
        GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

TEST(FavoriteDialogTemplate, CreatesTheDialogWithItsFontAndControls) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FAVORITE),
                                     nullptr, plainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowText(dialog), "お気に入りに追加");
    EXPECT_FALSE(IsWindowVisible(dialog));
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)),
                         sizeof font, &font),
              0);
    EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");

    // The edit field takes the keyboard first, and Tab goes on in template order.
    HWND edit = GetDlgItem(dialog, IDC_FAVORITE_TITLE);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetNextDlgTabItem(dialog, edit, FALSE), GetDlgItem(dialog, IDOK));
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDOK), FALSE),
              GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDCANCEL), FALSE), edit);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDOK);
    DestroyWindow(dialog);
}

}  // namespace
