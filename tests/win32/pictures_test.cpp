// The pictures, the about box template and the version resource, as the module holds them.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ui/vokanti_dlg.h"
#include "ui/win32/resource.h"

namespace {

HINSTANCE module() { return GetModuleHandleA(nullptr); }

// The raw bytes of a resource, or an empty string when the module has none.
std::string resourceBytes(int id, LPCSTR type) {
    HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module(), found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module(), found));
}

const int kBitmaps[] = {IDB_BROWSER, IDB_STAR, IDB_SHEET_REMOVE,
                        IDB_SHEET_ADD, IDB_NOTEPAD, IDB_FOLDER};

TEST(Pictures, EachButtonBitmapIsA16By16PictureWith256Colours) {
    for (int id : kBitmaps) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = LoadBitmapA(module(), MAKEINTRESOURCEA(id));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info = {};
        ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 16);
        DeleteObject(bitmap);

        // The stored picture itself: 8 bits per pixel over a full 256-entry colour table,
        // and not a blank square.
        std::string bytes = resourceBytes(id, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        memcpy(&header, bytes.data(), sizeof header);
        EXPECT_EQ(header.biBitCount, 8);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256) << header.biClrUsed;
        const size_t pixelsAt = header.biSize + 256 * sizeof(RGBQUAD);
        ASSERT_EQ(bytes.size(), pixelsAt + 16 * 16);
        std::set<unsigned char> used(bytes.begin() + pixelsAt, bytes.end());
        EXPECT_GE(used.size(), 4u);
    }
}

// Whether the mask of `icon` lets the background through at (x, y).
bool transparentAt(HICON icon, int x, int y) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    const bool transparent = GetPixel(dc, x, y) == RGB(255, 255, 255);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return transparent;
}

TEST(Pictures, TheIconHasA32And16PixelImageWith16ColoursAndATransparentBackground) {
    // The icon group lists exactly the two sizes, so neither is scaled from the other.
    std::string group = resourceBytes(IDR_MAINFRAME, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_GE(group.size(), 6u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    const int count = bytes[4] | bytes[5] << 8;
    ASSERT_EQ(count, 2);
    ASSERT_GE(group.size(), 6u + 14u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const unsigned char* entry = bytes + 6 + 14 * i;  // GRPICONDIRENTRY
        EXPECT_EQ(entry[0], entry[1]);
        EXPECT_EQ(entry[2], 16) << "colour count";
        EXPECT_EQ(entry[6] | entry[7] << 8, 4) << "bits per pixel";
        sizes.insert(entry[0]);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));

    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageA(module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        EXPECT_TRUE(transparentAt(icon, 0, size - 1));           // a corner: background
        EXPECT_FALSE(transparentAt(icon, size / 2, size / 2));  // the figure's body
        DestroyIcon(icon);
    }
    EXPECT_NE(LoadIconA(module(), MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
}

INT_PTR CALLBACK quietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::string windowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(AboutBox, TemplateShowsTheCaptionTheVersionWithTheHomePageAndTheIcon) {
    HWND box = CreateDialogParamA(module(), MAKEINTRESOURCEA(IDD_ABOUTBOX), nullptr,
                                  quietDialogProc, 0);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), "Vokantiのバージョン情報");

    std::vector<HWND> statics;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[32] = {};
        GetClassNameA(child, kind, sizeof kind);
        if (lstrcmpiA(kind, "Static") == 0) statics.push_back(child);
    }
    ASSERT_EQ(statics.size(), 3u);
    // The icon, the version line (no '&' processing) and the rights notice, in that order.
    EXPECT_NE(SendMessageA(statics[0], STM_GETICON, 0, 0), 0);
    EXPECT_EQ(windowText(statics[1]),
              std::string("Vokanti Version 2.3.0  <") + vokanti::kHomePageUrl + ">");
    EXPECT_TRUE(GetWindowLongA(statics[1], GWL_STYLE) & SS_NOPREFIX);
    EXPECT_FALSE(windowText(statics[2]).empty());

    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(windowText(ok), "OK");
    const LONG style = GetWindowLongA(ok, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & BS_FLAT);
    DestroyWindow(box);
}

TEST(Resources, VersionResourceSays230) {
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020003u);

    char* text = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041103a4\\FileVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, "2.3.0");
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041103a4\\ProductName",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, "Vokanti");
}

}  // namespace
