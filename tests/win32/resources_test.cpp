#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/resource.h"

namespace {

TEST(Resources, AboutStringLoadsInTheJapaneseCodePage) {
    EXPECT_EQ(GetACP(), 932u);
    char text[256] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text), 0);
    EXPECT_STREQ(text, "Vokanti のバージョン情報(&A)...");
}

}  // namespace

namespace {

std::string itemText(HMENU menu, UINT position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(Resources, MenusHoldTheirCommandsInOrder) {
    HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_BAR));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 5);
    EXPECT_EQ(itemText(bar, 0), "ファイル(&F)");
    HMENU edit = GetSubMenu(bar, 3);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetMenuItemCount(edit), 7);
    EXPECT_EQ(itemText(edit, 0), "無視ファイル(&I)\tenv/ignore.txt");
    EXPECT_EQ(GetMenuItemID(edit, 6), static_cast<UINT>(ID_EDIT_WEBDICT));
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), 7);
    EXPECT_EQ(GetMenuItemID(file, 3), 0u);  // separator
    EXPECT_EQ(GetMenuItemID(file, 6), static_cast<UINT>(ID_EXIT));
    DestroyMenu(bar);

    HMENU context = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    ASSERT_NE(context, nullptr);
    HMENU popup = GetSubMenu(context, 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 8);
    EXPECT_EQ(GetMenuItemID(popup, 5), static_cast<UINT>(ID_REFRESH));
    EXPECT_EQ(itemText(popup, 5), "最新の情報に更新(&U)");
    DestroyMenu(context);
}

}  // namespace
