// The pictures, the menu bar and the version resource, as the module holds them.
#include <windows.h>

#include <gtest/gtest.h>

#include "version.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ui/win32/resource.h"

namespace {

HINSTANCE module() { return GetModuleHandleA(nullptr); }

// The raw bytes of a resource, or an empty string when the module has none.
std::string resourceBytes(int id, LPCSTR type) {
    HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), type);
    const void* data = found ? LockResource(LoadResource(module(), found)) : nullptr;
    return data ? std::string(static_cast<const char*>(data), SizeofResource(module(), found)) : std::string();
}

TEST(Pictures, EachButtonBitmapIsA16By16PictureWith256Colours) {
    for (int id : {IDB_BROWSER, IDB_STAR, IDB_SHEET_REMOVE, IDB_SHEET_ADD, IDB_NOTEPAD, IDB_FOLDER}) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = LoadBitmapA(module(), MAKEINTRESOURCEA(id));
        BITMAP info{};
        ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
        EXPECT_TRUE(info.bmWidth == 16 && info.bmHeight == 16);
        DeleteObject(bitmap);
        // 8 bits per pixel over a full 256-entry colour table, and not a blank square.
        const std::string bytes = resourceBytes(id, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes.data(), sizeof header);
        EXPECT_TRUE(header.biBitCount == 8 && header.biCompression == BI_RGB);
        EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256) << header.biClrUsed;
        const size_t pixelsAt = header.biSize + 256 * sizeof(RGBQUAD);
        ASSERT_EQ(bytes.size(), pixelsAt + 16 * 16);
        EXPECT_GE(std::set<char>(bytes.begin() + pixelsAt, bytes.end()).size(), 4u);
    }
}

// Whether the mask of `icon` lets the background through at (x, y).
bool transparentAt(HICON icon, int x, int y) {
    ICONINFO info{};
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
    const std::string group = resourceBytes(IDR_MAINFRAME, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_EQ(group.size(), 6u + 14u * 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    ASSERT_EQ(bytes[4] | bytes[5] << 8, 2);
    std::set<int> sizes;
    for (const unsigned char* entry = bytes + 6; entry < bytes + group.size(); entry += 14) {  // GRPICONDIRENTRY
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
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask{};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        EXPECT_TRUE(transparentAt(icon, 0, size - 1));           // a corner: background
        EXPECT_FALSE(transparentAt(icon, size / 2, size / 2));  // the figure's body
        DestroyIcon(icon);
    }
}

std::string menuText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(Resources, TheMenuBarHoldsItsCommandsInOrder) {
    HMENU bar = LoadMenuA(module(), MAKEINTRESOURCEA(IDR_MENU_BAR));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 5);
    EXPECT_EQ(menuText(bar, 0), "ファイル(&F)");
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), 7);
    EXPECT_EQ(GetMenuItemID(file, 3), 0u);  // separator
    EXPECT_EQ(GetMenuItemID(file, 6), static_cast<UINT>(ID_EXIT));
    HMENU edit = GetSubMenu(bar, 3);
    EXPECT_EQ(GetMenuItemCount(edit), 7);
    EXPECT_EQ(menuText(edit, 0), "無視ファイル(&I)\tenv/ignore.txt");
    EXPECT_EQ(GetMenuItemID(edit, 6), static_cast<UINT>(ID_EDIT_WEBDICT));
    DestroyMenu(bar);
}

TEST(Resources, VersionResourceSays230) {
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_TRUE(!block.empty() && GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_TRUE(fixed->dwFileVersionMS == 0x00020003u && fixed->dwFileVersionLS == 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020003u);
    for (const auto& [name, value] : {std::pair{"FileVersion", VOKANTI_VERSION_TEXT}, {"ProductName", "Vokanti"}}) {
        char* text = nullptr;
        ASSERT_TRUE(VerQueryValueA(block.data(), (std::string("\\StringFileInfo\\041103a4\\") + name).c_str(),
                                   reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, value);
    }
}

}  // namespace
