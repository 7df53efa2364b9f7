// The prompts on real message boxes and the real open-file dialog, answered by a helper
// thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/win32/prompts_win32.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/scratch_dir.h"

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

TEST_F(PromptsTest, ResultBoxHasTheIconAndOkOnlyAndTheQuestionOkAndCancel) {
    SeenMessageBox box = answered(IDOK, [&] { prompts.resultBox("ファイル作成に成功しました！"); });
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, "Vokanti");
    EXPECT_EQ(box.text, "ファイル作成に成功しました！");
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_EQ(box.owner, mainWindow);

    bool confirmed = false;
    box = answered(IDOK, [&] { confirmed = prompts.confirm("お気に入りの削除", "削除してもよろしいですか？"); });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(box.caption, "お気に入りの削除");
    EXPECT_EQ(box.text, "削除してもよろしいですか？");
    EXPECT_FALSE(box.hasIcon);
    EXPECT_TRUE(box.hasCancel);
    box = answered(IDCANCEL, [&] { confirmed = prompts.confirm("お気に入りの削除", "削除"); });
    EXPECT_TRUE(box.found);
    EXPECT_FALSE(confirmed);

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
    EXPECT_EQ(fileDialogFilter("a|b"), "a\0b\0\0"s);
    EXPECT_EQ(fileDialogFilter(""), "\0\0"s);
}

TEST_F(PromptsTest, OpenFileReturnsTheChosenPathAndNothingWhenCancelled) {
    ScratchDir dir;
    dir.write("表.txt", "");
    const std::string path = dir.file("表.txt");
    const FileDialogRequest request{"ファイルの選択", "Text (*.txt) |*.txt|全て (*.*)|*.*||", true};
    std::string title;
    MessageBoxAnswerer chooser([&](HWND dialog) {
        char text[256] = {};
        GetWindowTextA(dialog, text, sizeof text);
        title = text;
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

}  // namespace
}  // namespace vokanti::testing
