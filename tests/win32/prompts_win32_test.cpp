// The prompts on real message boxes and the real open-file dialog, answered by a helper
// thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/prompts_win32.h"
#include "win32/support/message_box_answerer.h"

namespace vokanti::testing {
namespace {

class PromptsTest : public ::testing::Test {
protected:
    PromptsTest() {
        mainWindow = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
        prompts.setMainWindow(mainWindow);
    }
    ~PromptsTest() override { DestroyWindow(mainWindow); }

    HWND mainWindow = nullptr;
    PromptsWin32 prompts{"Vokanti"};
};

TEST_F(PromptsTest, ResultBoxHasTheApplicationCaptionAndTheExclamationIcon) {
    MessageBoxAnswerer answerer(IDOK);
    prompts.resultBox("ファイル作成に成功しました！");
    const SeenMessageBox box = answerer.result();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, "ファイル作成に成功しました！");
    EXPECT_EQ(box.caption, "Vokanti");
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_EQ(box.owner, mainWindow);
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
}

TEST_F(PromptsTest, ConfirmAsksWithOkAndCancelAndNoIcon) {
    {
        MessageBoxAnswerer answerer(IDOK);
        EXPECT_TRUE(prompts.confirm("お気に入りの削除", "削除してもよろしいですか？"));
        const SeenMessageBox box = answerer.result();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(box.caption, "お気に入りの削除");
        EXPECT_EQ(box.text, "削除してもよろしいですか？");
        EXPECT_FALSE(box.hasIcon);
        EXPECT_TRUE(box.hasCancel);
    }
    MessageBoxAnswerer answerer(IDCANCEL);
    EXPECT_FALSE(prompts.confirm("お気に入りの削除", "削除してもよろしいですか？"));
    EXPECT_TRUE(answerer.result().found);
}

TEST_F(PromptsTest, ShowTextHasOnlyOkAndNoIcon) {
    MessageBoxAnswerer answerer(IDOK);
    prompts.showText("vokanの実行コマンド", "C:/vokan.exe -i a.txt");
    const SeenMessageBox box = answerer.result();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, "vokanの実行コマンド");
    EXPECT_EQ(box.text, "C:/vokan.exe -i a.txt");
    EXPECT_FALSE(box.hasIcon);
    EXPECT_FALSE(box.hasCancel);
}

TEST_F(PromptsTest, PromptsWithoutAMainWindowHaveNoOwner) {
    PromptsWin32 early("Vokanti");
    MessageBoxAnswerer answerer(IDOK);
    early.resultBox("早い");
    const SeenMessageBox box = answerer.result();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.owner, nullptr);
}

TEST(FileDialogFilter, SeparatorsBecomeNulsButNeverTheSecondByteOfACharacter) {
    using namespace std::string_literals;
    EXPECT_EQ(fileDialogFilter("Text (*.txt)|*.txt|全てのファイル (*.*)|*.*||"),
              "Text (*.txt)\0*.txt\0全てのファイル (*.*)\0*.*\0\0"s);
    // ポ is 83 7C: its second byte is the separator's byte.
    EXPECT_EQ(fileDialogFilter("ポ|*.txt||"), "ポ\0*.txt\0\0"s);
    EXPECT_EQ(fileDialogFilter("a|b"), "a\0b\0\0"s);
    EXPECT_EQ(fileDialogFilter(""), "\0\0"s);
}

// The file dialog's name field: the edit of Wine's and Windows' explorer-style dialog.
HWND fileNameField(HWND dialog) {
    for (int id : {0x047C /* cmb13 */, 0x0480 /* edt1 */}) {
        HWND field = GetDlgItem(dialog, id);
        if (field && IsWindowVisible(field)) return field;
    }
    return nullptr;
}

TEST_F(PromptsTest, OpenFileReturnsTheChosenPathAndNothingWhenCancelled) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "vokanti-open-" +
                             std::to_string(GetCurrentProcessId()) + "-表.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    FileDialogRequest request{"ファイルの選択", "vokan Input File (*.txt) |*.txt|全てのファイル (*.*)|*.*||", true};
    std::string title;
    bool typed = false;
    MessageBoxAnswerer chooser([&](HWND dialog) {
        title = [&] {
            char text[256] = {};
            GetWindowTextA(dialog, text, sizeof text);
            return std::string(text);
        }();
        HWND field = fileNameField(dialog);
        typed = field && SetWindowTextA(field, path.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    const auto chosen = prompts.openFile(request);
    EXPECT_TRUE(chooser.result().found);
    EXPECT_TRUE(typed);
    EXPECT_EQ(title, "ファイルの選択");
    EXPECT_EQ(chosen, path);

    MessageBoxAnswerer canceller([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(prompts.openFile(request), std::nullopt);
    EXPECT_TRUE(canceller.result().found);
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace vokanti::testing
