// The whole program under Wine, driven the way a user drives it: posted clicks, keys and
// menu commands, the tab control and the context menu, in a program directory of its own
// with the stand-in engine. Also leaves a picture of the main window in the build tree
// (vokanti-main-window.bmp), so a person can check every control and label in Japanese.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "version.h"

#include <fstream>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "ui/win32/resource.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

class RunningProgram : public ::testing::Test {
protected:
    // The profile is C:\windows\Vokanti.INI: start from no saved settings.
    void SetUp() override { DeleteFileA("C:\\windows\\Vokanti.INI"); }

    void startAndWait() {
        app.start();
        ASSERT_NE(app.waitForMainWindow(), nullptr) << "the main window did not appear";
    }
    int count(int list) const { return static_cast<int>(SendMessageA(app.control(list), LB_GETCOUNT, 0, 0)); }
    bool visible(int id) const { return IsWindowVisible(app.control(id)) != FALSE; }

    AppDriver app;
};

TEST_F(RunningProgram, StartsWithTheFavoritesTabTheDefaultNumbersAndTheFocusInTheInput) {
    startAndWait();
    SetForegroundWindow(app.mainWindow());  // as for a user who just started it
    app.sync();
    char caption[64] = {};
    GetWindowTextA(app.mainWindow(), caption, sizeof caption);
    EXPECT_STREQ(caption, VOKANTI_CAPTION);
    EXPECT_EQ(SendMessageA(app.control(IDC_LIST_TABS), TCM_GETCURSEL, 0, 0), 0);
    for (const auto& [id, text] : {std::pair{IDC_IGNORE_LONG, "30"}, {IDC_IGNORE_SHORT, "2"},
                                   {IDC_QUESTION_NUM, "20"}, {IDC_CUT_LENGTH, "40"}}) {
        EXPECT_EQ(app.text(id), text) << id;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.mainWindow(), nullptr), &info);
    EXPECT_TRUE(info.hwndFocus == app.control(IDC_INPUT) || GetParent(info.hwndFocus) == app.control(IDC_INPUT));

    // The list tabs swap the two lists in the same place; the locations never show.
    EXPECT_TRUE(visible(IDC_FAVORITE_LIST) && !visible(IDC_HISTORY_LIST) && !visible(IDC_FAVORITE_LOCATIONS));
    for (UINT key : {VK_RIGHT, VK_LEFT}) {
        const bool favorites = key == VK_LEFT;
        app.key(app.control(IDC_LIST_TABS), key);
        EXPECT_TRUE(waitUntil(
            [&] { return visible(IDC_FAVORITE_LIST) == favorites && visible(IDC_HISTORY_LIST) != favorites; }));
        EXPECT_FALSE(visible(IDC_FAVORITE_LOCATIONS));
    }
    RECT history, favorites;
    GetWindowRect(app.control(IDC_HISTORY_LIST), &history);
    GetWindowRect(app.control(IDC_FAVORITE_LIST), &favorites);
    EXPECT_TRUE(EqualRect(&history, &favorites));
}

TEST_F(RunningProgram, EnterInTheOutputBoxRunsAJob) {
    startAndWait();
    app.setText(IDC_INPUT, "C:/work/text.txt");
    app.setText(IDC_OUTPUT, "C:/work/text.vkndb5s");
    HWND outputEdit = FindWindowExA(app.control(IDC_OUTPUT), nullptr, "Edit", nullptr);
    ASSERT_NE(outputEdit, nullptr);
    app.key(outputEdit, VK_RETURN);
    const ShownBox box = app.waitForBox("Vokanti");
    EXPECT_EQ(box.text, "ファイル作成に成功しました！");
    app.answer(box, IDOK);
    const std::string engine = app.engineCommandLine();
    EXPECT_NE(engine.find(" -i \"C:/work/text.txt\" -o \"C:/work/text.vkndb5s\""), std::string::npos) << engine;
}

TEST_F(RunningProgram, DeleteAsksOnlyAfterAClickOnAFavorite) {
    const std::string favorites = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
    app.writeFile("env\\favorite.txt", favorites);
    startAndWait();
    app.click(IDC_FAVORITE_LIST);  // on the first entry
    app.key(app.control(IDC_FAVORITE_LIST), VK_DELETE);
    const ShownBox question = app.waitForBox("お気に入りの削除");
    EXPECT_EQ(question.text, "お気に入り\"Times\"を削除してもよろしいですか？");
    app.answer(question, IDCANCEL);
    EXPECT_EQ(count(IDC_FAVORITE_LIST), 2);

    app.click(IDC_IGNORE_LONG);  // anywhere else clears the favorites selection
    app.key(app.control(IDC_IGNORE_LONG), VK_DELETE);
    EXPECT_TRUE(app.noBoxWithin(500));
    EXPECT_EQ(app.readFile("env\\favorite.txt"), favorites);
}

TEST_F(RunningProgram, RefreshFromTheContextMenuDoesWhatTheMenuBarDoes) {
    app.writeFile("env\\favorite.txt", "Times\r\nC:/news/times.html\r\n");
    startAndWait();
    ASSERT_EQ(count(IDC_FAVORITE_LIST), 1);
    // Edited from outside, with a later stamp.
    auto editFromOutside = [&](const std::string& content, WORD year) {
        app.writeFile("env\\favorite.txt", content);
        HANDLE file = CreateFileA(app.path("env\\favorite.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        SYSTEMTIME when{year, 1, 0, 1, 0, 0, 0, 0};
        FILETIME stamp;
        SystemTimeToFileTime(&when, &stamp);
        SetFileTime(file, nullptr, nullptr, &stamp);
        CloseHandle(file);
    };
    editFromOutside("A\r\na\r\nB\r\nb\r\n", 2030);
    RECT rect;
    GetWindowRect(app.control(IDC_FAVORITE_LIST), &rect);
    PostMessageA(app.mainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(app.control(IDC_FAVORITE_LIST)),
                 MAKELPARAM(rect.left + 5, rect.top + 5));
    // The menu's own loop takes the mnemonic of "最新の情報に更新(&U)".
    ASSERT_TRUE(waitUntil([&] { return FindWindowA("#32768", nullptr) != nullptr; }));
    PostMessageA(app.mainWindow(), WM_CHAR, 'u', 1);
    ASSERT_TRUE(waitUntil([&] { return count(IDC_FAVORITE_LIST) == 2; }));

    editFromOutside("C\r\nc\r\n", 2031);
    app.command(ID_REFRESH);
    ASSERT_TRUE(waitUntil([&] { return count(IDC_FAVORITE_LIST) == 1; }));
}

TEST_F(RunningProgram, MenuBoxesShowTheCommandAndTheAboutBoxAndCancelledFileDialogsChangeNothing) {
    startAndWait();
    app.setText(IDC_INPUT, "C:/in/a.txt");
    app.setText(IDC_OUTPUT, "typed output");
    app.command(ID_SHOW_COMMAND);
    const ShownBox command = app.waitForBox("vokanの実行コマンド");
    std::string dir = app.dir();
    for (char& c : dir) c = c == '\\' ? '/' : c;
    EXPECT_EQ(command.text.rfind(dir + "vokan.exe -t -H -p -l 2 -L 30 -i \"C:/in/a.txt\"", 0), 0u) << command.text;
    app.answer(command, IDOK);

    for (int id : {ID_SELECT_INPUT, ID_SELECT_OUTPUT}) {
        app.command(id);
        const ShownBox dialog = app.waitForBox("ファイルの選択");
        ASSERT_TRUE(dialog) << id;
        app.answer(dialog, IDCANCEL);
        EXPECT_EQ(app.text(IDC_INPUT), "C:/in/a.txt");
        EXPECT_EQ(app.text(IDC_OUTPUT), "typed output");
    }

    // The about box, from the system menu and from the help menu, owned by the main window.
    PostMessageA(app.mainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ShownBox about = app.waitForBox("Vokantiのバージョン情報");
    EXPECT_EQ(GetWindow(about.window, GW_OWNER), app.mainWindow());
    EXPECT_FALSE(IsWindowEnabled(app.mainWindow()));
    ASSERT_TRUE(app.answer(about, IDOK));
    EXPECT_TRUE(IsWindowEnabled(app.mainWindow()));
    app.command(ID_ABOUT);
    about = app.waitForBox("Vokantiのバージョン情報");
    ASSERT_TRUE(app.answer(about, IDOK));
}

bool saveScreenArea(const RECT& area, const std::string& file) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> bits(static_cast<size_t>((width * 3 + 3) & ~3) * height);
    const bool read = GetDIBits(memory, picture, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                                DIB_RGB_COLORS) == height;
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(offset + bits.size()), 0, 0, offset};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(bits.data(), static_cast<std::streamsize>(bits.size()));
    return copied && read && out.good();
}

TEST_F(RunningProgram, ScreenshotWithFavoritesAndHistory) {
    app.writeFile("env\\dict.txt", "C:/dic/eijiro.txt\r\nC:/dic/waei.txt\r\n");
    app.writeFile("env\\favorite.txt", "The Times\r\nhttp://www.example.com/news/\r\n英語のメモ\r\nC:/doc/memo.txt\r\n");
    app.writeFile("env\\in_history.txt", "C:/work/chapter1.txt\r\nC:/work/chapter2.html\r\n");
    startAndWait();
    SetForegroundWindow(app.mainWindow());
    app.sync();
    RedrawWindow(app.mainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app.sync();
    RECT area;
    GetWindowRect(app.mainWindow(), &area);
    const std::string file = buildFile(VOKANTI_BUILD_DIR "/vokanti-main-window.bmp");
    ASSERT_TRUE(saveScreenArea(area, file));
    std::ifstream check(file, std::ios::binary | std::ios::ate);
    EXPECT_GT(static_cast<long>(check.tellg()), 100000L);
}

}  // namespace
}  // namespace vokanti::testing
