// The main window's own parts over a real window of template 102 with the program's controls:
// system menu, icons, bitmap buttons, tooltips and their relay, list tabs, context menu, the
// about box, and what the window gives back when it closes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "ui/win32/prompts_win32.h"
#include "support/fakes.h"
#include "ui/vokanti_dlg.h"
#include "ui/win32/list_tabs_layout.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/program_controls.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

// The main window with a way in for the tests.
class TestWindow : public MainWindow {
public:
    using MainWindow::MainWindow;

    std::function<void(HWND)> afterInit;
    // Every message of the window, before it is handled.
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;

protected:
    void afterInitDialog() override {
        MainWindow::afterInitDialog();
        if (afterInit) afterInit(hwnd());
    }
    bool handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) override {
        if (onMessage) onMessage(message, wParam, lParam);
        return MainWindow::handleWindowMessage(message, wParam, lParam, answer);
    }
};

// Records the prompts like FakePrompts; the about box is the real one of the Win32 prompts,
// closed with OK by a helper thread once it is up.
class TestPrompts : public FakePrompts {
public:
    void about() override {
        ++aboutBoxes;
        PromptsWin32 prompts("win32_tests");
        prompts.setMainWindow(mainWindow);
        {
            MessageBoxAnswerer closer([this](HWND box) {
                aboutCaption = textOf(box);
                aboutOwner = GetWindow(box, GW_OWNER);
                mainEnabledDuringAbout = IsWindowEnabled(mainWindow) != FALSE;
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            });
            prompts.about();
            aboutSeen = closer.result().found;
        }
        mainEnabledAfterAbout = IsWindowEnabled(mainWindow) != FALSE;
        if (afterAbout) afterAbout();
    }

    static std::string textOf(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    HWND mainWindow = nullptr;
    std::function<void()> afterAbout;
    bool aboutSeen = false;
    std::string aboutCaption;
    HWND aboutOwner = nullptr;
    bool mainEnabledDuringAbout = true;
    bool mainEnabledAfterAbout = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        dir.write("vokan.exe", "");
        dir.makeDir("env");
        dir.write("env\\dict.txt", "");
        dir.write("env\\favorite.txt", "");
        process.modulePath = dir.file("Vokanti.exe");
    }

    // Runs the window until it ends; `during` runs once it is initialised, and must lead to
    // its end (the Cancel command is the usual way).
    int run(std::function<void(HWND)> during) {
        window.afterInit = [this, during](HWND hwnd) {
            prompts.mainWindow = hwnd;
            during(hwnd);
        };
        return window.runModal(nullptr);
    }

    static void cancel(HWND hwnd) { PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0); }

    ProgramControls programControls;  // the controls Vokanti.exe runs with
    ScratchDir dir;
    Win32Form form;
    FakeProfile profile;
    FileSystemWin32 files;
    FakeProcess process;
    FakeShell shell;
    TestPrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
    TestWindow window{dlg, form};
};

std::string menuText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

RECT rectInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

HBITMAP imageOf(HWND hwnd, int id) {
    return reinterpret_cast<HBITMAP>(SendDlgItemMessageA(hwnd, id, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(MainWindowTest, SystemMenuEndsWithTheAboutEntryAndTheIconIsSetTwice) {
    ASSERT_TRUE(programControls.active());
    HMENU systemMenu = nullptr;
    int count = 0;
    std::string aboutText;
    UINT aboutId = 0, separatorState = 0;
    LRESULT bigIcon = 0, smallIcon = 0, dragIcon = 0;
    EXPECT_EQ(run([&](HWND hwnd) {
                  systemMenu = GetSystemMenu(hwnd, FALSE);
                  count = GetMenuItemCount(systemMenu);
                  separatorState = GetMenuState(systemMenu, count - 2, MF_BYPOSITION);
                  aboutId = GetMenuItemID(systemMenu, count - 1);
                  aboutText = menuText(systemMenu, count - 1);
                  bigIcon = SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0);
                  smallIcon = SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0);
                  dragIcon = SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0);
                  cancel(hwnd);
              }),
              kResultCancel);
    ASSERT_NE(systemMenu, nullptr);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(separatorState & MF_SEPARATOR);
    EXPECT_EQ(aboutId, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(aboutText, "Vokanti のバージョン情報(&A)...");
    const auto icon = reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(nullptr),
                                                          MAKEINTRESOURCEA(IDR_MAINFRAME)));
    EXPECT_NE(icon, 0);
    EXPECT_EQ(bigIcon, icon);
    EXPECT_EQ(smallIcon, icon);
    EXPECT_EQ(dragIcon, icon);
}

struct ToolSeen {
    int control;
    std::string text;
    bool byWindow;
    bool subclassed;
    bool ofTheDialog;
};

TEST_F(MainWindowTest, BitmapButtonsShowTheirPicturesAndFifteenControlsHaveTips) {
    std::vector<ToolSeen> tools;
    struct Image {
        int id;
        HBITMAP handle;
        BITMAP info;
    };
    std::vector<Image> images;
    HWND tooltipOwner = nullptr;
    run([&](HWND hwnd) {
        for (int id : {IDC_ADD_FAVORITE, IDC_OPEN_INPUT, IDC_ADD_DICTIONARY, IDC_REMOVE_DICTIONARY,
                       IDC_OPEN_OUTPUT, IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT, IDC_BROWSE_DICTIONARY,
                       IDC_OK, IDC_INPUT}) {
            Image image{id, imageOf(hwnd, id), {}};
            if (image.handle) GetObjectA(image.handle, sizeof image.info, &image.info);
            images.push_back(image);
        }
        HWND tips = window.tooltip();
        tooltipOwner = GetWindow(tips, GW_OWNER);
        const auto count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            TTTOOLINFOA tool{};
            tool.cbSize = TTTOOLINFOA_V2_SIZE;
            tool.lpszText = text;
            if (!SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool))) break;
            tools.push_back({GetDlgCtrlID(reinterpret_cast<HWND>(tool.uId)), text,
                             (tool.uFlags & TTF_IDISHWND) != 0, (tool.uFlags & TTF_SUBCLASS) != 0,
                             tool.hwnd == hwnd});
        }
        cancel(hwnd);
    });

    // Eight buttons with a picture each, the three browse buttons sharing one; OK and the
    // input combo have none.
    std::set<HBITMAP> distinct;
    for (const Image& image : images) {
        SCOPED_TRACE(image.id);
        if (image.id == IDC_OK || image.id == IDC_INPUT) {
            EXPECT_EQ(image.handle, nullptr);
            continue;
        }
        ASSERT_NE(image.handle, nullptr);
        EXPECT_EQ(image.info.bmWidth, 16);
        EXPECT_EQ(image.info.bmHeight, 16);
        distinct.insert(image.handle);
    }
    EXPECT_EQ(images[5].handle, images[6].handle);
    EXPECT_EQ(images[5].handle, images[7].handle);
    EXPECT_EQ(distinct.size(), 6u);

    EXPECT_NE(tooltipOwner, nullptr);
    const std::vector<std::pair<int, std::string>> expected = {
        {IDC_ADD_FAVORITE, "入力ファイル(URL)をお気に入りに追加"},
        {IDC_OPEN_INPUT, "入力ファイル(URL)を開く"},
        {IDC_ADD_DICTIONARY, "辞書の追加"},
        {IDC_REMOVE_DICTIONARY, "追加した辞書の削除"},
        {IDC_OPEN_OUTPUT, "出力ファイルの編集"},
        {IDC_BROWSE_INPUT, "入力ファイルの選択"},
        {IDC_BROWSE_OUTPUT, "出力ファイルの選択"},
        {IDC_BROWSE_DICTIONARY, "辞書ファイルの選択"},
        {IDC_OK, "問題集の作成を開始"},
        {IDC_CANCEL, "Vokantiの終了"},
        {IDC_INPUT_LIST_ONLY, "replace.txtによる置換を行わない"},
        {IDC_NO_IGNORE, "ignore.txtの内容を無視しない"},
        {IDC_OUTPUT_HTML1, "Web辞書はgooのみです"},
        {IDC_OUTPUT_HTML2, "Web辞書を複数使えます"},
        {IDC_NO_DICT, "英文を読む際に使うと便利です"},
    };
    ASSERT_EQ(tools.size(), expected.size());
    for (size_t i = 0; i < tools.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tools[i].control, expected[i].first);
        EXPECT_EQ(tools[i].text, expected[i].second);
        EXPECT_TRUE(tools[i].byWindow);
        EXPECT_FALSE(tools[i].subclassed);  // the relay is the window's own
        EXPECT_TRUE(tools[i].ofTheDialog);
    }
}

// The messages the tooltip control is given to relay, by the tooltip's window procedure.
std::vector<MSG>* relayed = nullptr;
WNDPROC tooltipProc = nullptr;

LRESULT CALLBACK recordRelay(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT && relayed) relayed->push_back(*reinterpret_cast<const MSG*>(lParam));
    return CallWindowProcW(tooltipProc, hwnd, message, wParam, lParam);
}

TEST_F(MainWindowTest, MouseMovesPressesAndReleasesAreRelayedToTheTooltips) {
    std::vector<MSG> seen;
    relayed = &seen;
    HWND cancelButton = nullptr;
    run([&](HWND hwnd) {
        HWND tips = window.tooltip();
        tooltipProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(tips, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordRelay)));
        cancelButton = GetDlgItem(hwnd, IDCANCEL);
        PostMessageA(cancelButton, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
        PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PostMessageA(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
        PostMessageA(hwnd, WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
        PostMessageA(GetDlgItem(hwnd, IDC_QUESTION_NUM), WM_KEYDOWN, VK_END, 0);
        cancel(hwnd);
    });
    relayed = nullptr;
    std::vector<UINT> kinds;
    for (const MSG& m : seen) kinds.push_back(m.message);
    EXPECT_EQ(kinds, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].hwnd, cancelButton);  // as queued: the tooltip finds the tool by it
    EXPECT_EQ(seen[0].lParam, MAKELPARAM(3, 4));
}

TEST_F(MainWindowTest, TheListsLieOnTopOfEachOtherInsideTheTabControl) {
    RECT tabs{}, display{}, favorites{}, history{}, input{};
    int dpi = 0;
    bool favoritesShown = false, historyShown = true, locationsShown = true;
    run([&](HWND hwnd) {
        HWND tabControl = GetDlgItem(hwnd, IDC_LIST_TABS);
        tabs = rectInParent(tabControl);
        display = tabs;
        SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        favorites = rectInParent(GetDlgItem(hwnd, IDC_FAVORITE_LIST));
        history = rectInParent(GetDlgItem(hwnd, IDC_HISTORY_LIST));
        input = rectInParent(GetDlgItem(hwnd, IDC_INPUT));
        // The dialog itself is shown only after its initialisation: its controls' own state.
        const auto shown = [hwnd](int id) {
            return (GetWindowLongA(GetDlgItem(hwnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
        };
        favoritesShown = shown(IDC_FAVORITE_LIST);
        historyShown = shown(IDC_HISTORY_LIST);
        locationsShown = shown(IDC_FAVORITE_LOCATIONS);
        HDC dc = GetDC(hwnd);
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(hwnd, dc);
        cancel(hwnd);
    });
    EXPECT_TRUE(inside(favorites, display));
    EXPECT_TRUE(EqualRect(&favorites, &history));
    EXPECT_LE(tabs.right, input.left);  // clear of the controls on the right
    EXPECT_TRUE(favoritesShown);
    EXPECT_FALSE(historyShown);
    EXPECT_FALSE(locationsShown);
    if (dpi == 96) {
        // Where the dialog was drawn for: nothing needed moving.
        EXPECT_EQ(tabs.left, 10);
        EXPECT_EQ(tabs.top, 10);
        EXPECT_EQ(tabs.bottom - tabs.top, 410);
        EXPECT_EQ(favorites.left, 20);
        EXPECT_EQ(favorites.top, 40);
        EXPECT_EQ(favorites.right - favorites.left, 160);
        EXPECT_EQ(favorites.bottom - favorites.top, 370);
    }
}

TEST(ListTabsLayout, ScalesWithTheDisplayAndKeepsTheListsInsideTheTabControl) {
    // Tabs 24 pixels high, a border of 2 around the rest.
    const auto display = [](const RECT& r) { return RECT{r.left + 2, r.top + 26, r.right - 2, r.bottom - 2}; };

    const ListTabsLayout plain = layoutListTabs(1.0, RECT{0, 0, 700, 480}, 200, display);
    const RECT expectedPlainTabs{10, 10, 190, 420};
    EXPECT_TRUE(EqualRect(&plain.tabs, &expectedPlainTabs));
    const RECT expectedLists{20, 40, 180, 410};
    EXPECT_TRUE(EqualRect(&plain.lists, &expectedLists));

    // At 150 %, in a dialog whose font left less room than it was drawn for: the tab control
    // stops short of the column on its right and of the bottom, the lists stay inside it.
    const ListTabsLayout large = layoutListTabs(1.5, RECT{0, 0, 900, 500}, 250, display);
    const RECT expectedTabs{15, 15, 235, 485};
    EXPECT_TRUE(EqualRect(&large.tabs, &expectedTabs));
    const RECT area = display(large.tabs);
    EXPECT_TRUE(inside(large.lists, area));
    EXPECT_EQ(large.lists.left, 30);
    EXPECT_EQ(large.lists.top, 60);
}

TEST_F(MainWindowTest, RightClickShowsTheContextMenuAndTheWindowGivesBackWhatItUsed) {
    HMENU shown = nullptr;
    std::vector<UINT> ids;
    HWND tips = nullptr;
    std::vector<HBITMAP> images;
    window.onMessage = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_INITMENUPOPUP && !shown) {
            shown = reinterpret_cast<HMENU>(wParam);
            for (int i = 0; i < GetMenuItemCount(shown); ++i) ids.push_back(GetMenuItemID(shown, i));
        }
        // The menu is up and waiting: close it.
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) EndMenu();
    };
    EXPECT_EQ(run([&](HWND hwnd) {
                  tips = window.tooltip();
                  for (int id : {IDC_ADD_FAVORITE, IDC_BROWSE_INPUT}) images.push_back(imageOf(hwnd, id));
                  PostMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(40, 50));
                  cancel(hwnd);
              }),
              kResultCancel);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(ids, (std::vector<UINT>{ID_SETTINGS_SAVE, ID_SETTINGS_LOAD, ID_HISTORY_CLEAR, 0, ID_ABOUT,
                                      ID_REFRESH, 0, ID_ONLINE_HELP}));

    EXPECT_FALSE(IsWindow(tips));
    EXPECT_FALSE(IsMenu(shown));
    for (HBITMAP image : images) EXPECT_EQ(GetObjectType(image), 0u);
    EXPECT_EQ(window.tooltip(), nullptr);
}

TEST_F(MainWindowTest, TheIconIsPaintedOnlyWhileMinimised) {
    bool normal = true, minimised = false;
    run([&](HWND hwnd) {
        normal = window.paintMinimisedIcon();
        ShowWindow(hwnd, SW_MINIMIZE);
        if (IsIconic(hwnd)) minimised = window.paintMinimisedIcon();
        ShowWindow(hwnd, SW_RESTORE);
        cancel(hwnd);
    });
    EXPECT_FALSE(normal);
    EXPECT_TRUE(minimised);
}

TEST_F(MainWindowTest, TheSystemMenuEntryOpensTheAboutBoxOwnedByTheWindowAndOkClosesIt) {
    HWND main = nullptr;
    prompts.afterAbout = [&] { cancel(main); };
    EXPECT_EQ(run([&](HWND hwnd) {
                  main = hwnd;
                  PostMessageA(hwnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
              }),
              kResultCancel);
    EXPECT_EQ(prompts.aboutBoxes, 1);
    EXPECT_TRUE(prompts.aboutSeen);
    EXPECT_EQ(prompts.aboutCaption, "Vokantiのバージョン情報");
    EXPECT_EQ(prompts.aboutOwner, main);
    EXPECT_FALSE(prompts.mainEnabledDuringAbout);
    EXPECT_TRUE(prompts.mainEnabledAfterAbout);
}

}  // namespace
}  // namespace vokanti::testing
