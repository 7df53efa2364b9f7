// The whole program under Wine, in a program directory of its own with the stand-in engine:
// started with arguments (batch start, a missing engine, a second instance) and driven the
// way a user drives it, with posted clicks and keys.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "ui/win32/resource.h"
#include "win32/support/app_driver.h"
#include "win32/support/drag_and_drop.h"

namespace vokanti::testing {
namespace {

std::string forwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

class EndToEnd : public ::testing::Test {
protected:
    // The profile is C:\windows\Vokanti.INI: start from no saved settings.
    void SetUp() override { DeleteFileA("C:\\windows\\Vokanti.INI"); }

    void startAndWait() {
        app.start();
        ASSERT_NE(app.waitForMainWindow(), nullptr) << "the main window did not appear";
    }
    // Answers the program's result box with OK and waits for the program to end; the box's text.
    static std::string resultAndEnd(AppDriver& program) {
        const ShownBox box = program.waitForBox("Vokanti");
        EXPECT_TRUE(program.answer(box, IDOK)) << "no result box";
        EXPECT_NE(program.waitForExit(), STILL_ACTIVE);
        return box.text;
    }
    static LRESULT count(const AppDriver& program, int id, UINT message = LB_GETCOUNT) {
        return SendMessageA(program.control(id), message, 0, 0);
    }
    bool visible(int id) const { return IsWindowVisible(app.control(id)) != FALSE; }

    AppDriver app;
};

TEST_F(EndToEnd, BatchStartRunsOneJobShowsItsResultAndEnds) {
    const std::string input = forwardSlashes(app.path("in.txt"));
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    const std::string output = forwardSlashes(desktop) + "/in.vkndb5s";
    std::string lines;
    for (DWORD code : {0u, 0xC0000005u}) {
        app.setEngineExitCode(code);
        app.start(app.path("in.txt"));  // one argument, with backslashes
        EXPECT_EQ(resultAndEnd(app), code ? "ファイル作成に失敗しました．．．" : "ファイル作成に成功しました！");
        EXPECT_EQ(app.engineCommandLine(), forwardSlashes(app.dir()) + "vokan.exe -t -H -p -l 2 -L 30 -i \"" +
                                               input + "\" -o \"" + output + "\"");
        EXPECT_EQ(app.readFile("vokan-cwd.txt") + "\\", app.dir());
        lines += input + "\r\n";
        EXPECT_EQ(app.readFile("env\\in_history.txt"), lines);
    }
    EXPECT_EQ(app.readFile("env\\out_history.txt"), output + "\r\n" + output + "\r\n");
    // Without the engine the program says so and ends; start-up goes no further: no list
    // file is read, written or created.
    DeleteFileA(app.path("env\\favorite.txt").c_str());
    ASSERT_TRUE(DeleteFileA(app.path("vokan.exe").c_str()));
    app.start(app.path("in.txt"));
    EXPECT_EQ(resultAndEnd(app), forwardSlashes(app.dir()) + "vokan.exeが見つかりません．");
    EXPECT_EQ(app.readFile("env\\in_history.txt"), lines);
    EXPECT_FALSE(app.fileExists("env\\favorite.txt"));
}

TEST_F(EndToEnd, ASecondInstanceStartsEmptyLosesNoLineAndTwoArgumentsRunNoJob) {
    app.writeFile("env\\in_history.txt", "C:/first.txt\r\n");
    app.writeFile("env\\out_history.txt", "C:/first.csv\r\n");
    startAndWait();
    EXPECT_EQ(count(app, IDC_INPUT, CB_GETCOUNT), 1);

    auto second = app.secondInstance();
    second->start("first second");
    ASSERT_NE(second->waitForMainWindow(), nullptr);
    EXPECT_EQ(count(*second, IDC_INPUT, CB_GETCOUNT) + count(*second, IDC_OUTPUT, CB_GETCOUNT), 0);
    PostMessageA(second->mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_NE(second->waitForExit(), STILL_ACTIVE);
    EXPECT_FALSE(app.fileExists("vokan-cmdline.txt"));

    // A batch job of another instance runs and records nothing.
    second->start(app.path("other.txt"));
    EXPECT_EQ(resultAndEnd(*second), "ファイル作成に成功しました！");
    EXPECT_TRUE(app.fileExists("vokan-cmdline.txt"));
    PostMessageA(app.mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_NE(app.waitForExit(), STILL_ACTIVE);
    EXPECT_EQ(app.readFile("env\\in_history.txt") + app.readFile("env\\out_history.txt"),
              "C:/first.txt\r\nC:/first.csv\r\n");
}

TEST_F(EndToEnd, StartsWithTheFocusInTheInputAndTheTabsSwapTheLists) {
    startAndWait();
    SetForegroundWindow(app.mainWindow());  // as for a user who just started it
    app.sync();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.mainWindow(), nullptr), &info);
    EXPECT_TRUE(info.hwndFocus == app.control(IDC_INPUT) || GetParent(info.hwndFocus) == app.control(IDC_INPUT));
    // The list tabs swap the two lists in the same place; the locations never show.
    EXPECT_EQ(SendMessageA(app.control(IDC_LIST_TABS), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(visible(IDC_FAVORITE_LIST) && !visible(IDC_HISTORY_LIST) && !visible(IDC_FAVORITE_LOCATIONS));
    for (UINT key : {VK_RIGHT, VK_LEFT}) {
        const bool favorites = key == VK_LEFT;
        app.key(app.control(IDC_LIST_TABS), key);
        EXPECT_TRUE(waitUntil(
            [&] { return visible(IDC_FAVORITE_LIST) == favorites && visible(IDC_HISTORY_LIST) != favorites; }));
        EXPECT_FALSE(visible(IDC_FAVORITE_LOCATIONS));
    }
}

TEST_F(EndToEnd, DeleteAsksOnlyAfterAClickOnAFavorite) {
    const std::string favorites = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
    app.writeFile("env\\favorite.txt", favorites);
    startAndWait();
    app.click(IDC_FAVORITE_LIST);  // on the first entry
    app.key(app.control(IDC_FAVORITE_LIST), VK_DELETE);
    const ShownBox question = app.waitForBox("お気に入りの削除");
    EXPECT_EQ(question.text, "お気に入り\"Times\"を削除してもよろしいですか？");
    app.answer(question, IDCANCEL);
    EXPECT_EQ(count(app, IDC_FAVORITE_LIST), 2);

    app.click(IDC_IGNORE_LONG);  // anywhere else clears the favorites selection
    app.key(app.control(IDC_IGNORE_LONG), VK_DELETE);
    EXPECT_TRUE(app.noBoxWithin(500));
    EXPECT_EQ(app.readFile("env\\favorite.txt"), favorites);
}

// The headwords of a csv list the engine wrote (the first field of each row after the header).
std::vector<std::string> headwords(const std::string& csv) {
    std::vector<std::string> words;
    size_t at = csv.find("\r\n");
    while (at != std::string::npos && at + 2 < csv.size()) {
        const size_t start = at + 2;
        at = csv.find("\r\n", start);
        const std::string row = csv.substr(start, at == std::string::npos ? std::string::npos : at - start);
        const bool quoted = !row.empty() && row[0] == '"';
        words.push_back(quoted ? row.substr(1, row.find('"', 1) - 1) : row.substr(0, row.find(',')));
    }
    return words;
}

struct TitleSearch {
    const std::string* part;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<TitleSearch*>(data);
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    if (!IsWindowVisible(window) || !strstr(title, s->part->c_str())) return TRUE;
    return s->found = window, FALSE;
}

// A top-level window of any process whose title holds `part`; null when none is shown.
HWND windowTitled(const std::string& part) {
    TitleSearch search{&part, nullptr};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A learner's round with the real engine and the shipped data: a list of the sample, the same
// list at level 2, its words added to the known words, and the list made again without them.
TEST_F(EndToEnd, ALevelShrinksTheListAndAddedKnownWordsStayOutOfTheNext) {
    app.useRealEngine();
    WritePrivateProfileStringA("Vokanti", "csv", "1", "C:\\windows\\Vokanti.INI");
    WritePrivateProfileStringA("Vokanti", "vkndb5s", "0", "C:\\windows\\Vokanti.INI");
    app.writeFile("env\\known.txt", "");
    startAndWait();
    const auto makeList = [&] {
        app.setText(IDC_INPUT, app.path("sample\\sample.txt"));
        app.setText(IDC_OUTPUT, app.path("out.csv"));
        PostMessageA(app.mainWindow(), WM_COMMAND, ID_START, 0);
        const ShownBox result = app.waitForBox("Vokanti", 60000);
        EXPECT_EQ(result.text, "ファイル作成に成功しました！");
        app.answer(result, IDOK);
        return headwords(app.readFile("out.csv"));
    };
    const std::vector<std::string> all = makeList();

    PostMessageA(app.mainWindow(), WM_COMMAND, ID_SETTINGS_KNOWN_LEVEL, 0);
    const ShownBox levels = app.waitForBox("既知語のレベル");
    ASSERT_TRUE(levels);
    SendMessageA(GetDlgItem(levels.window, IDC_LEVEL_2), BM_CLICK, 0, 0);
    app.answer(levels, IDOK);
    const std::vector<std::string> rarer = makeList();
    EXPECT_GT(rarer.size(), 0u);
    EXPECT_LT(rarer.size(), all.size() / 2) << all.size() << " rows without a level";
    for (const char* common : {"morning", "house", "small"}) {
        EXPECT_EQ(std::count(rarer.begin(), rarer.end(), std::string(common)), 0) << common;
    }

    PostMessageA(app.mainWindow(), WM_COMMAND, ID_ADD_KNOWN, 0);
    const ShownBox added = app.waitForBox("Vokanti", 60000);
    std::vector<std::string> known = rarer;
    std::sort(known.begin(), known.end());
    known.erase(std::unique(known.begin(), known.end()), known.end());
    EXPECT_EQ(added.text, "既知語に" + std::to_string(known.size()) + "語を追加しました．");
    app.answer(added, IDOK);

    const std::vector<std::string> after = makeList();
    for (const std::string& word : after) {
        EXPECT_FALSE(std::binary_search(known.begin(), known.end(), word)) << word;
    }

    // The edit item opens the known-words file in the program the shell gives it.
    PostMessageA(app.mainWindow(), WM_COMMAND, ID_EDIT_KNOWN, 0);
    HWND editor = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (editor = windowTitled("known")) != nullptr; }, 30000));
    if (editor) PostMessageA(editor, WM_CLOSE, 0, 0);
}

// Cancel while the engine runs (the stand-in holds "<output>.vokan-tmp" while it waits):
// Escape asked and answered No lets the job finish; the button answered Yes stops it, leaves
// the output as it was and removes the temporary file; a question still open when the engine
// ends gives way to the engine's result.
TEST_F(EndToEnd, CancelWhileTheEngineRunsAsksAndStopsItOrLetsItFinish) {
    const std::string output = forwardSlashes(app.path("out.csv"));
    app.writeFile("out.csv", "old list");
    startAndWait();
    const auto startJob = [&](const char* delayMs) {
        app.writeFile("vokan-delay.txt", delayMs);
        app.setText(IDC_INPUT, "C:/in.txt");
        app.setText(IDC_OUTPUT, output);
        app.click(IDC_OK);
        return waitUntil([&] { return app.fileExists("out.csv.vokan-tmp"); });
    };
    const auto resultText = [&](const char* expected) {
        ShownBox box;
        waitUntil([&] { return (box = app.waitForBox("Vokanti", 500)) && box.text == expected; });
        EXPECT_EQ(box.text, expected);
        return app.answer(box, IDOK);
    };

    ASSERT_TRUE(startJob("3000")) << "the engine did not start";
    app.typeKey(VK_ESCAPE);
    ShownBox question = app.waitForBox("Vokanti");
    EXPECT_EQ(question.text, "作成を中止しますか？");
    EXPECT_TRUE(app.answer(question, IDNO));
    EXPECT_TRUE(resultText("ファイル作成に成功しました！"));
    EXPECT_EQ(app.readFile("out.csv"), "new list");

    app.writeFile("out.csv", "old list");
    ASSERT_TRUE(startJob("60000"));
    app.pressButton(IDC_CANCEL);
    question = app.waitForBox("Vokanti");
    EXPECT_EQ(question.text, "作成を中止しますか？");
    EXPECT_TRUE(app.answer(question, IDYES));
    EXPECT_TRUE(resultText("作成を中止しました．"));
    EXPECT_EQ(app.readFile("out.csv"), "old list");
    EXPECT_FALSE(app.fileExists("out.csv.vokan-tmp"));
    EXPECT_EQ(count(app, IDC_INPUT, CB_GETCOUNT), 2) << "the histories keep the jobs";
    EXPECT_TRUE(app.running()) << "a stop ends the job, not the program";

    ASSERT_TRUE(startJob("2000"));
    app.typeKey(VK_ESCAPE);
    question = app.waitForBox("Vokanti");
    EXPECT_EQ(question.text, "作成を中止しますか？");
    EXPECT_TRUE(resultText("ファイル作成に成功しました！"));
    EXPECT_FALSE(IsWindow(question.window));
    EXPECT_TRUE(app.running());
}

// Started with one argument, the window shows while the job runs; a stop ends the program.
TEST_F(EndToEnd, BatchStartCanBeStoppedAndThenEnds) {
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    const std::string temporary = std::string(desktop) + "\\stopped.vkndb5s.vokan-tmp";
    app.writeFile("vokan-delay.txt", "60000");
    app.start(app.path("stopped.txt"));
    ASSERT_NE(app.waitForMainWindow(), nullptr) << "the batch job's window is not shown";
    ASSERT_TRUE(waitUntil([&] { return GetFileAttributesA(temporary.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    app.typeKey(VK_ESCAPE);
    const ShownBox question = app.waitForBox("Vokanti");
    EXPECT_EQ(question.text, "作成を中止しますか？");
    EXPECT_TRUE(app.answer(question, IDYES));
    EXPECT_EQ(resultAndEnd(app), "作成を中止しました．");
    EXPECT_EQ(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A file dragged from another program onto the running program's window becomes its input.
TEST_F(EndToEnd, AFileDraggedFromAnotherProgramBecomesTheInput) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    app.writeFile("dropped.txt", "text");
    startAndWait();
    SetForegroundWindow(app.mainWindow());
    app.sync();
    IDataObject* files = filesObject({app.path("dropped.txt")});
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(dropOn(app.control(IDC_LIST_TABS), files), static_cast<DWORD>(DROPEFFECT_COPY));
    files->Release();
    char text[MAX_PATH] = {};
    EXPECT_TRUE(waitUntil([&] {
        SendMessageA(app.control(IDC_INPUT), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text == forwardSlashes(app.path("dropped.txt"));
    })) << text;
    PostMessageA(app.mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_NE(app.waitForExit(), STILL_ACTIVE);
    OleUninitialize();
}

}  // namespace
}  // namespace vokanti::testing
