// The window layer over real windows of template 102: the dialog host's modal loop, the
// ends of a run and errors in handlers; then the main window's
// own parts with the program's controls: system menu, icons, bitmap buttons, tooltips and
// their relay, list tabs, context menu, and what the window gives back when it closes. What a
// user does with them is run end to end.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "support/dialog_access.h"
#include "support/fakes.h"
#include "ui/dialog.h"
#include "ui/vokanti_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/drag_and_drop.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/program_controls.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr int kProbeCommand = 4242, kFailingCommand = 4243;

using Log = std::vector<std::string>;

// A dialog that records what reaches it; the log is shared with the window's hook.
class ProbeDialog : public CDialog {
public:
    ProbeDialog(Form& form, Log& log) : CDialog(form), log_(log) {}

    bool initDialog() override {
        if (++inits, endDuringInit) endDialog(kResultOK);
        return true;
    }
    bool preTranslate(const QueuedMessage& message) override {
        if (message.kind == QueuedMessage::Kind::KeyDown) log_.push_back("dialog key " + std::to_string(message.key));
        return false;
    }
    void onCancel() override {
        ++cancels;
        if (atCancel) atCancel();
        CDialog::onCancel();
    }
    EventResult onEvent(const DialogEvent& event) override {
        if (event.kind == EventKind::Command) commands.emplace_back(event.id, event.code);
        if (event.kind == EventKind::Command && event.id == kFailingCommand) throw std::runtime_error("probe failure");
        return CDialog::onEvent(event);
    }

    bool endDuringInit = false;
    int inits = 0, cancels = 0;
    std::function<void()> atCancel;
    std::vector<std::pair<int, int>> commands;  // the commands that reached the dialog: id, code

private:
    Log& log_;
};

class ProbeWindow : public DialogWindow {
public:
    ProbeWindow(CDialog& dialog, Win32Form& form, Log& log) : DialogWindow(dialog, form, IDD_VOKANTI_DIALOG), log_(log) {}

    std::function<void(HWND)> beforeInit, afterInit;
    bool shown = false;
    HWND created = nullptr;

protected:
    void beforeInitDialog() override {
        if (created = hwnd(), beforeInit) beforeInit(hwnd());
    }
    void afterInitDialog() override {
        if (afterInit) afterInit(hwnd());
    }
    bool preTranslateWindow(const MSG& msg) override {
        if (msg.message == WM_KEYDOWN) log_.push_back("window key " + std::to_string(msg.wParam));
        return false;
    }
    bool handleWindowMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR&) override {
        shown |= message == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW);
        return false;
    }

private:
    Log& log_;
};

class DialogWindowTest : public ::testing::Test {
protected:
    Log log;
    Win32Form form;
    ProbeDialog dialog{form, log};
    ProbeWindow window{dialog, form, log};
};

TEST_F(DialogWindowTest, ARunEndsOnCancelOkTheCloseBoxOrAQuitRequest) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND ownerChild = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner && ownerChild);
    window.afterInit = [&](HWND hwnd) {
        EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner);  // the top-level window, not the child given
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    };
    dialog.atCancel = [&] { EXPECT_FALSE(IsWindowEnabled(owner)); };
    EXPECT_EQ(window.runModal(ownerChild), kResultCancel);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(window.created));
    EXPECT_EQ(window.hwnd(), nullptr);
    DestroyWindow(owner);
    dialog.atCancel = nullptr;

    window.afterInit = [](HWND hwnd) { PostMessageA(hwnd, WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    window.afterInit = [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    EXPECT_EQ(dialog.cancels, 2);  // the close box comes back as the Cancel command
    // A quit request ends the run and is posted again for the loop outside.
    window.afterInit = [](HWND) { PostQuitMessage(3); };
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(dialog.inits, 4);
}

TEST_F(DialogWindowTest, ADialogThatEndsDuringInitialisationNeverRunsItsLoop) {
    dialog.endDuringInit = true;
    window.beforeInit = [](HWND hwnd) {
        PostMessageA(hwnd, WM_COMMAND, kProbeCommand, 0);
        PostMessageA(GetDlgItem(hwnd, IDC_INPUT), WM_KEYDOWN, VK_DELETE, 0);
    };
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    EXPECT_TRUE(log.empty());
    for (const auto& command : dialog.commands) EXPECT_NE(command.first, kProbeCommand);
    EXPECT_FALSE(window.shown);
    EXPECT_FALSE(IsWindow(window.created));
}

TEST_F(DialogWindowTest, AnErrorInAHandlerIsShownAndTheDialogGoesOn) {
    window.afterInit = [](HWND hwnd) {
        PostMessageA(hwnd, WM_COMMAND, kFailingCommand, 0);
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_DICTIONARY, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_DICTIONARY)));
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    };
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    // The command after the failing one arrives, with its notification code.
    EXPECT_NE(std::find(dialog.commands.begin(), dialog.commands.end(), std::pair{IDC_DICTIONARY, kComboDropDown}),
              dialog.commands.end());
    const SeenMessageBox box = answerer.result();
    ASSERT_TRUE(box.found);
    EXPECT_NE(box.text.find("probe failure"), std::string::npos) << box.text;
    EXPECT_EQ(box.caption, "win32_tests");  // the executable's name
    EXPECT_EQ(box.owner, window.created);
    EXPECT_TRUE(box.hasIcon);
}

// The main window with a way in for the tests.
class TestWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    std::function<void(HWND)> afterInit;
    std::function<void(UINT, WPARAM)> onMessage;  // every message, before it is handled

protected:
    void afterInitDialog() override {
        MainWindow::afterInitDialog();
        afterInit(hwnd());
    }
    bool handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) override {
        if (onMessage) onMessage(message, wParam);
        return MainWindow::handleWindowMessage(message, wParam, lParam, answer);
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        dir.makeDir("env");
        for (const char* file : {"vokan.exe", "env\\dict.txt", "env\\favorite.txt"}) dir.write(file, "");
        process.modulePath = dir.file("Vokanti.exe");
    }

    // Runs the window; `during` runs once it is initialised, then the window is cancelled.
    int run(std::function<void(HWND)> during) {
        window.afterInit = [during](HWND hwnd) {
            during(hwnd);
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        };
        return window.runModal(nullptr);
    }

    ProgramControls programControls;  // the controls Vokanti.exe runs with
    ScratchDir dir;
    Win32Form form;
    FakeProfile profile;
    FileSystemWin32 files;
    FakeProcess process;
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
    TestWindow window{dlg, form};
};

RECT rectInParent(HWND child) {
    RECT r{};
    return GetWindowRect(child, &r), MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2), r;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

HBITMAP imageOf(HWND hwnd, int id) {
    return reinterpret_cast<HBITMAP>(SendDlgItemMessageA(hwnd, id, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(MainWindowTest, StartUpAddsTheAboutEntryIconsPicturesTipsAndPlacesTheLists) {
    ASSERT_TRUE(programControls.active());
    // Checked while the window runs: it gives its pictures back when it ends.
    EXPECT_EQ(run([&](HWND hwnd) {
                  HMENU systemMenu = GetSystemMenu(hwnd, FALSE);
                  const int count = GetMenuItemCount(systemMenu);
                  EXPECT_TRUE(GetMenuState(systemMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
                  char text[256] = {};
                  GetMenuStringA(systemMenu, count - 1, text, sizeof text, MF_BYPOSITION);
                  EXPECT_STREQ(text, "Vokanti のバージョン情報(&A)...");
                  EXPECT_EQ(GetMenuItemID(systemMenu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
                  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
                  EXPECT_TRUE(icon && SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0) == reinterpret_cast<LRESULT>(icon));
                  EXPECT_FALSE(window.paintMinimisedIcon());  // painted only while minimised

                  // The bitmap buttons show their 16 by 16 pictures; OK has none.
                  for (int id : {IDC_ADD_FAVORITE, IDC_OPEN_INPUT, IDC_ADD_DICTIONARY, IDC_REMOVE_DICTIONARY,
                                 IDC_OPEN_OUTPUT, IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT, IDC_BROWSE_DICTIONARY}) {
                      BITMAP info{};
                      EXPECT_TRUE(GetObjectA(imageOf(hwnd, id), sizeof info, &info) && info.bmWidth == 16) << id;
                  }
                  EXPECT_EQ(imageOf(hwnd, IDC_OK), nullptr);

                  // Fifteen tips by window, relayed by the window itself (not subclassed).
                  HWND tooltip = window.tooltip();
                  ASSERT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 15);
                  char tip[256] = {};
                  TTTOOLINFOA tool{};
                  tool.cbSize = TTTOOLINFOA_V2_SIZE;
                  tool.lpszText = tip;
                  SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
                  EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND));
                  EXPECT_EQ(tool.hwnd, hwnd);
                  EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), GetDlgItem(hwnd, IDC_ADD_FAVORITE));
                  EXPECT_STREQ(tip, "入力ファイル(URL)をお気に入りに追加");

                  // Both lists in one place inside the tab control's page, which stays clear
                  // of the controls on the right.
                  HWND tabControl = GetDlgItem(hwnd, IDC_LIST_TABS);
                  RECT tabs = rectInParent(tabControl), page = tabs;
                  SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
                  const RECT favorites = rectInParent(GetDlgItem(hwnd, IDC_FAVORITE_LIST));
                  const RECT history = rectInParent(GetDlgItem(hwnd, IDC_HISTORY_LIST));
                  EXPECT_TRUE(inside(favorites, page) && EqualRect(&favorites, &history));
                  EXPECT_LE(tabs.right, rectInParent(GetDlgItem(hwnd, IDC_INPUT)).left);

                  ShowWindow(hwnd, SW_MINIMIZE);
                  EXPECT_TRUE(IsIconic(hwnd) && window.paintMinimisedIcon());
              }),
              kResultCancel);
}

// The lists hold their texts in wide characters, which bytes that are not valid Shift-JIS
// do not survive; the favorites file is written from the model, so they do.
TEST_F(MainWindowTest, FavoritesAddedAndDeletedOnRealListsKeepEveryOtherLineByteForByte) {
    // "日本語" and "C:/文書/メモ.txt" in UTF-8, as an editor may save the file.
    const std::string utf8 =
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
        "C:/\xE6\x96\x87\xE6\x9B\xB8/\xE3\x83\xA1\xE3\x83\xA2.txt\r\n";
    const std::string lone = "Odd\x83\r\nC:/odd.txt\r\n";  // a title ending in a lead byte
    dir.write("env\\favorite.txt", "\xEF\xBB\xBF" + utf8 + lone);
    DialogAccess access(dlg);
    run([&](HWND) {
        form.setText(IDC_INPUT, "C:/new.txt");
        prompts.titleAnswer = std::string("New");
        access.addFavorite();
        EXPECT_EQ(dir.read("env\\favorite.txt"), "\xEF\xBB\xBF" + utf8 + lone + "New\r\nC:/new.txt\r\n");
        for (const std::string& left : {"\xEF\xBB\xBF" + utf8 + lone, lone}) {
            form.setSelection(IDC_FAVORITE_LIST, left == lone ? 0 : 2);
            access.deleteSelectedFavorite();
            EXPECT_EQ(dir.read("env\\favorite.txt"), left);
        }
    });
    EXPECT_TRUE(prompts.results.empty());
}

// After "整数を入力してください。" each reader of the form goes on with the values the options
// then hold: the question count is rejected, so the dictionary, input and output keep the
// values read before it.
TEST_F(MainWindowTest, ARejectedNumberIsReportedAndEachPickOrAddGoesOn) {
    dir.write("env\\in_history.txt", "C:/hist/h.txt\r\n");
    dir.write("env\\favorite.txt", "Fav\r\nC:/fav/f.txt\r\n");
    dir.write("env\\dict.txt", "listed.txt\r\n");
    DialogAccess access(dlg);
    struct Case {
        const char* name;
        int control, notification;
        std::function<void()> check;
    };
    const std::string desktop = "C:/Users/me/Desktop/";
    const Case cases[] = {
        {"history double-click", IDC_HISTORY_LIST, LBN_DBLCLK,
         [&] { EXPECT_EQ(form.text(IDC_INPUT) + "|" + form.text(IDC_OUTPUT), "C:/hist/h.txt|" + desktop + "h.vkndb5s"); }},
        {"favorite double-click", IDC_FAVORITE_LIST, LBN_DBLCLK,
         [&] { EXPECT_EQ(form.text(IDC_INPUT) + "|" + form.text(IDC_OUTPUT), "C:/fav/f.txt|" + desktop + "f.vkndb5s"); }},
        {"dictionary add", IDC_ADD_DICTIONARY, BN_CLICKED,
         [&] {
             // The text read before the rejected field is added, and only the added one travels.
             EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 2);
             EXPECT_NE(access.buildCommandLine().find(" -d \"C:/dic/before.txt\""), std::string::npos);
         }},
        {"favorites add", IDC_ADD_FAVORITE, BN_CLICKED,
         [&] {
             EXPECT_EQ(dir.read("env\\favorite.txt"), "Fav\r\nC:/fav/f.txt\r\nNew\r\nC:/in/before.txt\r\n");
             EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("env\\favorite.txt", "Fav\r\nC:/fav/f.txt\r\n");
        prompts.results.clear();
        prompts.titleAnswer = std::string("New");
        run([&](HWND hwnd) {
            access.fillHistoryList();
            form.setText(IDC_DICTIONARY, "C:/dic/before.txt");
            form.setText(IDC_INPUT, "C:/in/before.txt");
            access.readForm();
            form.setText(IDC_DICTIONARY, "C:/dic/typed.txt");
            form.setText(IDC_QUESTION_NUM, "abc");
            form.setSelection(IDC_HISTORY_LIST, 0);
            form.setSelection(IDC_FAVORITE_LIST, 0);
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(c.control, c.notification),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, c.control)));
            EXPECT_EQ(prompts.results, std::vector<std::string>{"整数を入力してください。"});
            c.check();
        });
    }
}

// A press in the open list of a combo box, a window outside the dialog, clears the favorites
// selection as a press anywhere else in the dialog does.
TEST_F(MainWindowTest, APressInAnOpenComboListClearsTheFavoritesSelection) {
    dir.write("env\\favorite.txt", "A\r\na.txt\r\n");
    for (int combo : {IDC_INPUT, IDC_OUTPUT, IDC_DICTIONARY}) {
        int selected = 0;
        run([&](HWND hwnd) {
            form.setSelection(IDC_FAVORITE_LIST, 0);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(GetDlgItem(hwnd, combo), &info));
            ASSERT_NE(info.hwndList, nullptr);
            PostMessageA(info.hwndList, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
            window.onMessage = [&](UINT message, WPARAM wParam) {
                if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) selected = form.selection(IDC_FAVORITE_LIST);
            };
        });
        window.onMessage = nullptr;
        EXPECT_EQ(selected, -1) << combo;
    }
}

// The messages the tooltip control is given to relay, seen by its window procedure.
std::vector<MSG>* relayed = nullptr;
WNDPROC tooltipProc = nullptr;

LRESULT CALLBACK recordRelay(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT && relayed) relayed->push_back(*reinterpret_cast<const MSG*>(lParam));
    return CallWindowProcW(tooltipProc, hwnd, message, wParam, lParam);
}

TEST_F(MainWindowTest, TipsSeeMovesAndLeftPressesTheRightClickMenuShowsAndTheWindowGivesBackWhatItUsed) {
    std::vector<MSG> seen;
    relayed = &seen;
    HWND cancelButton = nullptr, tips = nullptr;
    HMENU shown = nullptr;
    std::vector<UINT> ids;
    std::vector<HBITMAP> images;
    window.onMessage = [&](UINT message, WPARAM wParam) {
        if (message == WM_INITMENUPOPUP && !shown) {
            shown = reinterpret_cast<HMENU>(wParam);
            for (int i = 0; i < GetMenuItemCount(shown); ++i) ids.push_back(GetMenuItemID(shown, i));
        }
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) EndMenu();  // the menu is up: close it
    };
    EXPECT_EQ(run([&](HWND hwnd) {
                  tips = window.tooltip();
                  tooltipProc = reinterpret_cast<WNDPROC>(
                      SetWindowLongPtrW(tips, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordRelay)));
                  for (int id : {IDC_ADD_FAVORITE, IDC_BROWSE_INPUT}) images.push_back(imageOf(hwnd, id));
                  cancelButton = GetDlgItem(hwnd, IDCANCEL);
                  PostMessageA(cancelButton, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
                  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
                      PostMessageA(hwnd, message, 0, MAKELPARAM(5, 5));
                  }
                  PostMessageA(GetDlgItem(hwnd, IDC_QUESTION_NUM), WM_KEYDOWN, VK_END, 0);
                  PostMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(40, 50));
              }),
              kResultCancel);
    relayed = nullptr;
    std::vector<UINT> kinds;
    for (const MSG& m : seen) kinds.push_back(m.message);
    EXPECT_EQ(kinds, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].hwnd, cancelButton);  // as queued: the tooltip finds the tool by it
    EXPECT_EQ(seen[0].lParam, MAKELPARAM(3, 4));

    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(ids, (std::vector<UINT>{ID_SETTINGS_SAVE, ID_SETTINGS_LOAD, ID_HISTORY_CLEAR, 0, ID_ABOUT, ID_REFRESH,
                                      0, ID_ONLINE_HELP}));
    EXPECT_FALSE(IsWindow(tips) || IsMenu(shown));
    for (HBITMAP image : images) EXPECT_EQ(GetObjectType(image), 0u);
    EXPECT_EQ(window.tooltip(), nullptr);
}

// Files from Explorer and links from a browser dropped on the real window, through OLE.
TEST_F(MainWindowTest, DroppedFilesAndLinksBecomeTheInputAndTextFilesOnTheDictionaryBoxAreAdded) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    dir.write("in.txt", "text");
    dir.write("eiwa.txt", "");
    dir.makeDir("folder");
    const auto textOf = [](HWND hwnd, int id) {
        char text[512] = {};
        GetDlgItemTextA(hwnd, id, text, sizeof text);
        return std::string(text);
    };
    std::string input = dir.file("in.txt");
    std::replace(input.begin(), input.end(), '\\', '/');
    EXPECT_EQ(run([&](HWND hwnd) {
                  ASSERT_NE(window.dropTarget(), nullptr);
                  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
                  SetForegroundWindow(hwnd);
                  IDataObject* files = filesObject({dir.file("in.txt"), dir.file("eiwa.txt")});
                  ASSERT_NE(files, nullptr);
                  EXPECT_EQ(dropOn(GetDlgItem(hwnd, IDC_LIST_TABS), files), static_cast<DWORD>(DROPEFFECT_COPY));
                  EXPECT_EQ(textOf(hwnd, IDC_INPUT), input);
                  EXPECT_EQ(textOf(hwnd, IDC_OUTPUT), "C:/Users/me/Desktop/in.vkndb5s");
                  EXPECT_EQ(prompts.results.size(), 1u) << "only one document at a time";
                  files->Release();

                  IDataObject* link = linkObject("http://example.org/news/today.html");
                  EXPECT_EQ(dropOn(GetDlgItem(hwnd, IDC_OUTPUT), link), static_cast<DWORD>(DROPEFFECT_COPY));
                  EXPECT_EQ(textOf(hwnd, IDC_INPUT), "http://example.org/news/today.html");
                  EXPECT_EQ(textOf(hwnd, IDC_OUTPUT), "C:/Users/me/Desktop/today.vkndb5s");
                  link->Release();

                  // A link offered as UTF-16 text only, as some browsers do.
                  const std::wstring wide = L"https://example.org/wide.html";
                  link = dataObjectWith(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(wide.c_str()),
                                                                    (wide.size() + 1) * sizeof(wchar_t)));
                  EXPECT_EQ(dropOn(GetDlgItem(hwnd, IDC_INPUT), link), static_cast<DWORD>(DROPEFFECT_COPY));
                  EXPECT_EQ(textOf(hwnd, IDC_INPUT), "https://example.org/wide.html");
                  link->Release();

                  IDataObject* folder = filesObject({dir.file("folder")});
                  dropOn(GetDlgItem(hwnd, IDC_INPUT), folder);
                  EXPECT_EQ(textOf(hwnd, IDC_INPUT), "https://example.org/wide.html");
                  ASSERT_EQ(prompts.results.size(), 2u);
                  EXPECT_NE(prompts.results[1].find("フォルダ"), std::string::npos);
                  folder->Release();

                  IDataObject* dictionary = filesObject({dir.file("eiwa.txt")});
                  dropOn(GetDlgItem(hwnd, IDC_DICTIONARY), dictionary);
                  std::string added = dir.file("eiwa.txt");
                  std::replace(added.begin(), added.end(), '\\', '/');
                  EXPECT_EQ(textOf(hwnd, IDC_DICTIONARY), added);
                  EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_DICTIONARY, CB_GETCOUNT, 0, 0), 1);
                  EXPECT_EQ(textOf(hwnd, IDC_INPUT), "https://example.org/wide.html");

                  // While the engine runs nothing is taken: the window is not even a drop target.
                  process.duringRun = [&] {
                      EXPECT_EQ(dropOn(GetDlgItem(hwnd, IDC_INPUT), dictionary), static_cast<DWORD>(DROPEFFECT_NONE));
                      DWORD effect = DROPEFFECT_COPY;
                      EXPECT_EQ(window.dropTarget()->DragEnter(dictionary, 0, POINTL{0, 0}, &effect), S_OK);
                      EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
                  };
                  SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
                  EXPECT_EQ(process.started.size(), 1u);
                  EXPECT_EQ(textOf(hwnd, IDC_DICTIONARY), added);
                  // Taken again once the job has ended.
                  EXPECT_EQ(dropOn(GetDlgItem(hwnd, IDC_DICTIONARY), dictionary), static_cast<DWORD>(DROPEFFECT_COPY));
                  EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_DICTIONARY, CB_GETCOUNT, 0, 0), 2);
                  dictionary->Release();
              }),
              kResultCancel);
    OleUninitialize();
}

}  // namespace
}  // namespace vokanti::testing
