// The prompts on real windows: message boxes and the open-file dialog answered from a thread
// timer, and the favorite-title dialog (template 136) driven by posted keyboard messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/win32/prompts_win32.h"
#include "ui/win32/resource.h"
#include "win32/support/app_driver.h"
#include "win32/support/message_box_answerer.h"

namespace vokanti::testing {
namespace {

class PromptsTest : public ::testing::Test {
protected:
    PromptsTest() { prompts.setMainWindow(mainWindow); }
    ~PromptsTest() override { DestroyWindow(mainWindow); }

    // What the box shown by `show` looked like, answered with `button`.
    static SeenMessageBox answered(int button, const std::function<void()>& show) {
        MessageBoxAnswerer answerer(button);
        show();
        return answerer.result();
    }

    HWND mainWindow = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      200, 100, nullptr, nullptr, nullptr, nullptr);
    PromptsWin32 prompts{"Vokanti"};
};

TEST_F(PromptsTest, ResultBoxHasTheIconAndOkOnlyTheQuestionOkAndCancelAndTextsTheirCaption) {
    SeenMessageBox box = answered(IDOK, [&] { prompts.resultBox("ファイル作成に成功しました！"); });
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption + "|" + box.text, "Vokanti|ファイル作成に成功しました！");
    EXPECT_TRUE(box.hasIcon && box.hasOk && !box.hasCancel);
    EXPECT_EQ(box.owner, mainWindow);

    bool confirmed = false;
    box = answered(IDOK, [&] { confirmed = prompts.confirm("お気に入りの削除", "削除してもよろしいですか？"); });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(box.caption + "|" + box.text, "お気に入りの削除|削除してもよろしいですか？");
    EXPECT_TRUE(!box.hasIcon && box.hasCancel);
    box = answered(IDCANCEL, [&] { confirmed = prompts.confirm("お気に入りの削除", "削除"); });
    EXPECT_TRUE(box.found && !confirmed);
    box = answered(IDOK, [&] { prompts.showText("vokanの実行コマンド", "C:/vokan.exe -t"); });
    EXPECT_EQ(box.caption + "|" + box.text, "vokanの実行コマンド|C:/vokan.exe -t");

    PromptsWin32 early("Vokanti");  // no main window yet: no owner
    box = answered(IDOK, [&] { early.resultBox("早い"); });
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.owner, nullptr);
}

TEST(FileDialogFilter, SeparatorsBecomeNulsButNeverTheSecondByteOfACharacter) {
    using namespace std::string_literals;
    EXPECT_EQ(fileDialogFilter("Text (*.txt)|*.txt|全てのファイル (*.*)|*.*||"),
              "Text (*.txt)\0*.txt\0全てのファイル (*.*)\0*.*\0\0"s);
    EXPECT_EQ(fileDialogFilter("ポ|*.txt||"), "ポ\0*.txt\0\0"s);  // ポ is 83 7C
    EXPECT_EQ(fileDialogFilter(""), "\0\0"s);
}

TEST_F(PromptsTest, OpenFileReturnsTheChosenPathAndNothingWhenCancelled) {
    ScratchDir dir;
    dir.write("表.txt", "");
    const std::string path = dir.file("表.txt");
    const FileDialogRequest request{"ファイルの選択", "Text (*.txt) |*.txt|全て (*.*)|*.*||", true};
    std::string title;
    MessageBoxAnswerer chooser([&](HWND dialog) {
        title = textOf(dialog);
        // The name field: the edit of the explorer-style dialog of Wine (cmb13) or Windows (edt1).
        for (int id : {0x047C, 0x0480}) {
            HWND field = GetDlgItem(dialog, id);
            if (field && IsWindowVisible(field)) SetWindowTextA(field, path.c_str());
        }
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(prompts.openFile(request), path);
    EXPECT_TRUE(chooser.result().found);
    EXPECT_EQ(title, "ファイルの選択");
    MessageBoxAnswerer canceller([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(prompts.openFile(request), std::nullopt);
    EXPECT_TRUE(canceller.result().found);
}

void postTyping(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, static_cast<WPARAM>(c), 1);
}
void postKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

TEST_F(PromptsTest, FavoriteTitleIsReturnedOnOkAndNothingOnCancel) {
    const std::string japanese = "英字新聞 " + std::string(2000, 'x');
    const auto edit = [](HWND dialog) { return GetDlgItem(dialog, IDC_FAVORITE_TITLE); };
    const struct {
        std::function<void(HWND)> act;
        std::optional<std::string> title;
    } cases[] = {
        {[&](HWND d) { postTyping(edit(d), "Daily News"); postKey(edit(d), VK_RETURN); }, "Daily News"},
        {[&](HWND d) { SetWindowTextA(edit(d), japanese.c_str()); PostMessageA(d, WM_COMMAND, IDOK, 0); }, japanese},
        {[&](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); }, ""},
        {[&](HWND d) { postTyping(edit(d), "typed"); postKey(edit(d), VK_ESCAPE); }, std::nullopt},
        {[&](HWND d) { postTyping(edit(d), "typed"); PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.value_or("(cancelled)").substr(0, 20));
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
        EXPECT_TRUE(owner == mainWindow && !mainEnabled && IsWindowEnabled(mainWindow));
        EXPECT_EQ(caption + "|" + shownText, "お気に入りに追加|");  // every run starts with an empty title
        EXPECT_EQ(focus, field);
    }
}

// The level dialog (template 141) opens on the current level, and only OK gives a level back.
TEST_F(PromptsTest, KnownLevelDialogShowsTheCurrentLevelAndReturnsTheCheckedOneOnOk) {
    const int buttons[] = {IDC_LEVEL_NONE, IDC_LEVEL_1, IDC_LEVEL_2, IDC_LEVEL_3};
    const struct {
        int32_t current;
        int click;    // the radio button clicked, 0 for none
        UINT ending;  // the command that ends the dialog
        std::optional<int32_t> chosen;
    } cases[] = {
        {2, IDC_LEVEL_3, IDOK, 3},
        {0, 0, IDOK, 0},
        {3, IDC_LEVEL_NONE, IDOK, 0},
        {1, IDC_LEVEL_3, IDCANCEL, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        std::vector<int> checked;
        std::string caption;
        bool fits = true;
        MessageBoxAnswerer answerer([&](HWND dialog) {
            caption = textOf(dialog);
            for (int id : buttons) {
                if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked.push_back(id);
            }
            // Every description fits its button beside the round box.
            HDC dc = GetDC(dialog);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
            for (int id : buttons) {
                const std::string text = textOf(GetDlgItem(dialog, id));
                SIZE extent{};
                RECT r{};
                GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
                GetClientRect(GetDlgItem(dialog, id), &r);
                fits = fits && extent.cx + GetSystemMetrics(SM_CXMENUCHECK) + 4 <= r.right;
            }
            ReleaseDC(dialog, dc);
            if (c.click) SendDlgItemMessageA(dialog, c.click, BM_CLICK, 0, 0);
            PostMessageA(dialog, WM_COMMAND, c.ending, 0);
        });
        EXPECT_EQ(prompts.knownLevel(c.current), c.chosen);
        ASSERT_TRUE(answerer.result().found);
        EXPECT_EQ(caption, "既知語のレベル");
        EXPECT_EQ(checked, std::vector<int>{buttons[c.current]});  // one button, the current level's
        EXPECT_TRUE(fits);
    }
}

}  // namespace
}  // namespace vokanti::testing
