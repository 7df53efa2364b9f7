// The whole program under Wine, driven the way a user drives it: posted clicks, keys and
// menu commands, the tab control and the context menu, in a program directory of its own
// with the stand-in engine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "core/control_ids.h"
#include "win32/support/app_driver.h"
#include "ui/win32/resource.h"

namespace vokanti::testing {
namespace {

class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override {
        // The profile is C:\windows\Vokanti.INI: start from no saved settings.
        DeleteFileA("C:\\windows\\Vokanti.INI");
    }

    void startAndWait() {
        app.start();
        ASSERT_NE(app.waitForMainWindow(), nullptr) << "the main window did not appear";
    }

    // The window with the keyboard focus in the program's thread.
    HWND focusedWindow() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(app.mainWindow(), nullptr), &info);
        return info.hwndFocus;
    }

    AppDriver app;
};

TEST_F(RunningProgram, StartsWithTheFavoritesTabTheDefaultNumbersAndTheFocusInTheInput) {
    startAndWait();
    app.sync();
    char caption[64] = {};
    GetWindowTextA(app.mainWindow(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Vokanti Version 2.3.0");
    EXPECT_EQ(SendMessageA(app.control(IDC_LIST_TABS), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(app.control(IDC_FAVORITE_LIST)));
    EXPECT_FALSE(IsWindowVisible(app.control(IDC_HISTORY_LIST)));
    EXPECT_FALSE(IsWindowVisible(app.control(IDC_FAVORITE_LOCATIONS)));
    EXPECT_EQ(app.text(IDC_IGNORE_LONG), "30");
    EXPECT_EQ(app.text(IDC_IGNORE_SHORT), "2");
    EXPECT_EQ(app.text(IDC_QUESTION_NUM), "20");
    EXPECT_EQ(app.text(IDC_CUT_LENGTH), "40");
    // The program's window is the active one, as for a user who just started it.
    SetForegroundWindow(app.mainWindow());
    app.sync();
    const HWND focus = focusedWindow();
    EXPECT_TRUE(focus == app.control(IDC_INPUT) || GetParent(focus) == app.control(IDC_INPUT));

    // The list tabs swap the two lists in the same place; the locations never show.
    HWND tabs = app.control(IDC_LIST_TABS);
    app.key(tabs, VK_RIGHT);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(app.control(IDC_HISTORY_LIST)) != 0; }));
    EXPECT_FALSE(IsWindowVisible(app.control(IDC_FAVORITE_LIST)));
    RECT history, favorites;
    GetWindowRect(app.control(IDC_HISTORY_LIST), &history);
    GetWindowRect(app.control(IDC_FAVORITE_LIST), &favorites);
    EXPECT_TRUE(EqualRect(&history, &favorites));
    app.key(tabs, VK_LEFT);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(app.control(IDC_FAVORITE_LIST)) != 0; }));
    EXPECT_FALSE(IsWindowVisible(app.control(IDC_HISTORY_LIST)));
    EXPECT_FALSE(IsWindowVisible(app.control(IDC_FAVORITE_LOCATIONS)));
}

TEST_F(RunningProgram, EnterInTheOutputBoxRunsAJob) {
    startAndWait();
    app.setText(IDC_INPUT, "C:/work/text.txt");
    app.setText(IDC_OUTPUT, "C:/work/text.vkndb5s");
    HWND outputEdit = FindWindowExA(app.control(IDC_OUTPUT), nullptr, "Edit", nullptr);
    ASSERT_NE(outputEdit, nullptr);
    app.key(outputEdit, VK_RETURN);
    const ShownBox box = app.waitForBox("Vokanti");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, "ファイル作成に成功しました！");
    app.answer(box, IDOK);
    const std::string engine = app.engineCommandLine();
    EXPECT_NE(engine.find(" -i \"C:/work/text.txt\" -o \"C:/work/text.vkndb5s\""),
              std::string::npos)
        << engine;
}

TEST_F(RunningProgram, DeleteAsksOnlyAfterAClickOnAFavorite) {
    app.writeFile("env\\favorite.txt", "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n");
    startAndWait();
    app.click(IDC_FAVORITE_LIST);  // on the first entry
    app.key(app.control(IDC_FAVORITE_LIST), VK_DELETE);
    const ShownBox question = app.waitForBox("お気に入りの削除");
    ASSERT_TRUE(question);
    EXPECT_EQ(question.text, "お気に入り\"Times\"を削除してもよろしいですか？");
    app.answer(question, IDCANCEL);
    EXPECT_EQ(SendMessageA(app.control(IDC_FAVORITE_LIST), LB_GETCOUNT, 0, 0), 2);

    app.click(IDC_IGNORE_LONG);  // anywhere else clears the favorites selection
    app.key(app.control(IDC_IGNORE_LONG), VK_DELETE);
    EXPECT_TRUE(app.noBoxWithin(500));
    EXPECT_EQ(app.readFile("env\\favorite.txt"),
              "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n");
}

TEST_F(RunningProgram, RefreshFromTheContextMenuDoesWhatTheMenuBarDoes) {
    app.writeFile("env\\favorite.txt", "Times\r\nC:/news/times.html\r\n");
    startAndWait();
    HWND favorites = app.control(IDC_FAVORITE_LIST);
    ASSERT_EQ(SendMessageA(favorites, LB_GETCOUNT, 0, 0), 1);

    // Edited from outside (a later stamp): the context menu's refresh reloads it.
    auto editFromOutside = [&](const std::string& content, WORD year) {
        app.writeFile("env\\favorite.txt", content);
        HANDLE file = CreateFileA(app.path("env\\favorite.txt").c_str(), FILE_WRITE_ATTRIBUTES,
                                  0, nullptr, OPEN_EXISTING, 0, nullptr);
        SYSTEMTIME when{year, 1, 0, 1, 0, 0, 0, 0};
        FILETIME stamp;
        SystemTimeToFileTime(&when, &stamp);
        SetFileTime(file, nullptr, nullptr, &stamp);
        CloseHandle(file);
    };
    editFromOutside("A\r\na\r\nB\r\nb\r\n", 2030);
    RECT rect;
    GetWindowRect(favorites, &rect);
    PostMessageA(app.mainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(favorites),
                 MAKELPARAM(rect.left + 5, rect.top + 5));
    // The menu's own loop takes the mnemonic of "最新の情報に更新(&U)".
    ASSERT_TRUE(waitUntil([&] { return FindWindowA("#32768", nullptr) != nullptr; }));
    PostMessageA(app.mainWindow(), WM_CHAR, 'u', 1);
    ASSERT_TRUE(waitUntil([&] { return SendMessageA(favorites, LB_GETCOUNT, 0, 0) == 2; }));

    editFromOutside("C\r\nc\r\n", 2031);
    app.command(ID_REFRESH);
    ASSERT_TRUE(waitUntil([&] { return SendMessageA(favorites, LB_GETCOUNT, 0, 0) == 1; }));
}

TEST_F(RunningProgram, TheCommandViewerShowsTheEngineCommandLine) {
    startAndWait();
    app.setText(IDC_INPUT, "C:/in/a.txt");
    app.command(ID_SHOW_COMMAND);
    const ShownBox box = app.waitForBox("vokanの実行コマンド");
    ASSERT_TRUE(box);
    std::string dir = app.dir();
    for (char& c : dir) {
        if (c == '\\') c = '/';
    }
    EXPECT_EQ(box.text.rfind(dir + "vokan.exe -t -H -p -l 2 -L 30 -i \"C:/in/a.txt\"", 0), 0u)
        << box.text;
    app.answer(box, IDOK);
}

TEST_F(RunningProgram, CancellingAFileDialogChangesNothing) {
    startAndWait();
    app.setText(IDC_INPUT, "typed input");
    app.setText(IDC_OUTPUT, "typed output");
    for (int command : {ID_SELECT_INPUT, ID_SELECT_OUTPUT}) {
        app.command(command);
        const ShownBox dialog = app.waitForBox("ファイルの選択");
        ASSERT_TRUE(dialog) << command;
        app.answer(dialog, IDCANCEL);
        EXPECT_EQ(app.text(IDC_INPUT), "typed input");
        EXPECT_EQ(app.text(IDC_OUTPUT), "typed output");
    }
}

TEST_F(RunningProgram, TheAboutBoxOpensFromTheSystemMenuAndTheHelpMenu) {
    startAndWait();
    PostMessageA(app.mainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ShownBox about = app.waitForBox("Vokantiのバージョン情報");
    ASSERT_TRUE(about);
    app.answer(about, IDOK);
    app.command(ID_ABOUT);
    about = app.waitForBox("Vokantiのバージョン情報");
    ASSERT_TRUE(about);
    app.answer(about, IDOK);
}

}  // namespace
}  // namespace vokanti::testing
