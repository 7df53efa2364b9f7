// The favorite-title prompt on real windows: CFavoriteDlg run by the dialog host from
// template 136, owned by the main window, driven by posted keyboard messages once shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/win32/prompts_win32.h"
#include "ui/win32/resource.h"
#include "win32/support/app_driver.h"
#include "win32/support/message_box_answerer.h"

namespace vokanti::testing {
namespace {

void postTyping(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, static_cast<WPARAM>(c), 1);
}
void postKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}
void postButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string textOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(FavoriteTitlePrompt, ReturnsTheTitleOnOkAndNothingOnCancel) {
    HWND mainWindow = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                      nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mainWindow, nullptr);
    PromptsWin32 prompts("Vokanti");
    prompts.setMainWindow(mainWindow);
    const std::string japanese = "英字新聞 " + std::string(2000, 'x');
    const auto edit = [](HWND dialog) { return GetDlgItem(dialog, IDC_FAVORITE_TITLE); };
    const struct {
        std::function<void(HWND)> act;
        std::optional<std::string> title;
    } cases[] = {
        {[&](HWND d) { postTyping(edit(d), "Daily News"); postKey(edit(d), VK_RETURN); }, "Daily News"},
        {[&](HWND d) { SetWindowTextA(edit(d), japanese.c_str()); postButton(d, IDOK); }, japanese},
        {[&](HWND d) { postButton(d, IDOK); }, ""},
        {[&](HWND d) { postTyping(edit(d), "typed"); postKey(edit(d), VK_ESCAPE); }, std::nullopt},
        {[&](HWND d) { postTyping(edit(d), "typed"); postButton(d, IDCANCEL); }, std::nullopt},
        {[&](HWND d) { postTyping(edit(d), "typed"); PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n++);
        HWND owner = nullptr, focus = nullptr, field = nullptr;
        bool mainEnabled = true;
        std::string caption, shownText;
        MessageBoxAnswerer answerer([&](HWND dialog) {
            owner = GetWindow(dialog, GW_OWNER);
            mainEnabled = IsWindowEnabled(mainWindow) != FALSE;
            caption = textOf(dialog);
            field = edit(dialog);
            shownText = textOf(field);
            // The title takes the keyboard first, once the dialog is active.
            waitUntil([&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
                return (focus = info.hwndFocus) == field;
            }, 5000);
            c.act(dialog);
        });
        EXPECT_EQ(prompts.favoriteTitle(), c.title);
        ASSERT_TRUE(answerer.result().found);
        EXPECT_EQ(owner, mainWindow);
        EXPECT_FALSE(mainEnabled);
        EXPECT_TRUE(IsWindowEnabled(mainWindow));
        EXPECT_EQ(caption, "お気に入りに追加");
        EXPECT_EQ(shownText, "");  // every run starts with an empty title
        EXPECT_EQ(focus, field);
    }
    DestroyWindow(mainWindow);
}

}  // namespace
}  // namespace vokanti::testing
