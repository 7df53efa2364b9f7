// Vokanti.exe started with arguments, with the stand-in engine, in a program directory of
// its own: batch start, the missing engine, a second running instance, two arguments.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/control_ids.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

std::string forwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool ended(AppDriver& app) { return app.waitForExit() != STILL_ACTIVE; }

void close(AppDriver& app) {
    PostMessageA(app.mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(ended(app));
}

// Answers the program's result box with OK and waits for the program to end; the box's text.
std::string resultAndEnd(AppDriver& app) {
    const ShownBox box = app.waitForBox("Vokanti");
    EXPECT_TRUE(app.answer(box, IDOK)) << "no result box";
    EXPECT_TRUE(ended(app));
    return box.text;
}

LRESULT count(HWND window, int id, UINT message) {
    return SendMessageA(GetDlgItem(window, id), message, 0, 0);
}

TEST(EndToEnd, BatchStartRunsOneJobShowsItsResultAndEnds) {
    DeleteFileA("C:\\windows\\Vokanti.INI");  // the saved settings: start from none
    AppDriver app;
    const std::string input = forwardSlashes(app.path("in.txt"));
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    const std::string output = forwardSlashes(desktop) + "/in.vkndb5s";
    const std::string expected = forwardSlashes(app.dir()) + "vokan.exe -t -H -p -l 2 -L 30 -i \"" +
                                 input + "\" -o \"" + output + "\"";
    const std::pair<DWORD, const char*> runs[] = {
        {0, "ファイル作成に成功しました！"},
        {6, "env/ignore.txtのオープンに失敗しました．"},
        {11, "ダウンロードに失敗しました．"},
        {16, "ファイル作成に失敗しました．．．"},
        {0xC0000005, "ファイル作成に失敗しました．．．"},
    };
    std::string inLines, outLines;
    for (const auto& [code, message] : runs) {
        SCOPED_TRACE(code);
        app.setEngineExitCode(code);
        app.start(app.path("in.txt"));  // one argument, with backslashes
        EXPECT_EQ(resultAndEnd(app), message);
        EXPECT_EQ(app.engineCommandLine(), expected);
        EXPECT_EQ(app.readFile("vokan-cwd.txt") + "\\", app.dir());
        inLines += input + "\r\n";
        outLines += output + "\r\n";
        EXPECT_EQ(app.readFile("env\\in_history.txt"), inLines);
        EXPECT_EQ(app.readFile("env\\out_history.txt"), outLines);
    }
    // Without the engine the program says so and ends; start-up goes no further.
    ASSERT_TRUE(DeleteFileA(app.path("vokan.exe").c_str()));
    app.start(app.path("in.txt"));
    EXPECT_EQ(resultAndEnd(app), forwardSlashes(app.dir()) + "vokan.exeが見つかりません．");
    EXPECT_EQ(app.readFile("env\\in_history.txt"), inLines);
}

TEST(EndToEnd, ASecondInstanceStartsEmptyLosesNoLineAndTwoArgumentsRunNoJob) {
    AppDriver first;
    first.writeFile("env\\in_history.txt", "C:/first.txt\r\n");
    first.writeFile("env\\out_history.txt", "C:/first.csv\r\n");
    first.start();
    ASSERT_NE(first.waitForMainWindow(), nullptr);
    EXPECT_EQ(count(first.mainWindow(), IDC_INPUT, CB_GETCOUNT), 1);

    auto second = first.secondInstance();
    second->start("first second");
    ASSERT_NE(second->waitForMainWindow(), nullptr);
    EXPECT_EQ(count(second->mainWindow(), IDC_INPUT, CB_GETCOUNT), 0);
    EXPECT_EQ(count(second->mainWindow(), IDC_OUTPUT, CB_GETCOUNT), 0);
    close(*second);
    EXPECT_FALSE(first.fileExists("vokan-cmdline.txt"));

    // A batch job of another instance runs and records nothing.
    second->start(first.path("other.txt"));
    EXPECT_EQ(resultAndEnd(*second), "ファイル作成に成功しました！");
    EXPECT_TRUE(first.fileExists("vokan-cmdline.txt"));

    close(first);
    EXPECT_EQ(first.readFile("env\\in_history.txt"), "C:/first.txt\r\n");
    EXPECT_EQ(first.readFile("env\\out_history.txt"), "C:/first.csv\r\n");
}

}  // namespace
}  // namespace vokanti::testing
