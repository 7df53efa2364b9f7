#include <windows.h>

#include <gtest/gtest.h>

#include "ui/win32/resource.h"

namespace {

TEST(Resources, AboutStringLoadsInTheJapaneseCodePage) {
    EXPECT_EQ(GetACP(), 932u);
    char text[256] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text), 0);
    EXPECT_STREQ(text, "Vokanti のバージョン情報(&A)...");
}

}  // namespace
