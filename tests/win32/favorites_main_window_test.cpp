// The favorites on the real main window: clicks and the Delete key go through the modal loop
// of the dialog host to the list box, the tab control and the dialog's logic.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "support/fakes.h"
#include "ui/vokanti_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr UINT kSnapshot = WM_APP + 1;

// The host of the main template, taking a snapshot of the two lists when asked.
class MainWindow : public DialogWindow {
public:
    using DialogWindow::DialogWindow;
    struct Snapshot {
        bool favoritesVisible;
        bool historyVisible;
        int favoriteSelection;
    };
    std::vector<Snapshot> snapshots;
    std::function<void(HWND)> script;

protected:
    void afterInitDialog() override { script(hwnd()); }
    bool handleWindowMessage(UINT message, WPARAM, LPARAM, INT_PTR& answer) override {
        if (message != kSnapshot) return false;
        HWND favorites = GetDlgItem(hwnd(), IDC_FAVORITE_LIST);
        snapshots.push_back({IsWindowVisible(favorites) != FALSE,
                             IsWindowVisible(GetDlgItem(hwnd(), IDC_HISTORY_LIST)) != FALSE,
                             static_cast<int>(SendMessageA(favorites, LB_GETCURSEL, 0, 0))});
        answer = TRUE;
        return true;
    }
};

void postClick(HWND control, const RECT& area) {
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(control, WM_LBUTTONUP, 0, at);
}
void postDeleteKey(HWND control) {
    PostMessageA(control, WM_KEYDOWN, VK_DELETE, 0x01530001);
    PostMessageA(control, WM_KEYUP, VK_DELETE, 0xC1530001);
}

TEST(FavoritesMainWindow, DeleteKeyActsOnlyAfterAClickOnAFavorite) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ScratchDir dir;
    dir.makeDir("env");
    dir.write("vokan.exe", "");
    dir.write("env\\dict.txt", "");
    dir.write("env\\favorite.txt", "Times\r\nC:/times.html\r\nMemo\r\nC:/memo.txt\r\n");

    Win32Form form;
    FakeProfile profile;
    FileSystemWin32 files;
    FakeProcess process;
    process.modulePath = dir.file("Vokanti.exe");
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
    MainWindow window(dlg, form, IDD_VOKANTI_DIALOG);

    window.script = [](HWND dialog) {
        HWND favorites = GetDlgItem(dialog, IDC_FAVORITE_LIST);
        HWND tabs = GetDlgItem(dialog, IDC_LIST_TABS);
        // The tab control as the window layer places it at start-up, so both tabs fit.
        MoveWindow(tabs, 10, 10, 180, 410, TRUE);
        RECT item{}, other{}, page{};
        SendMessageA(favorites, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        GetClientRect(GetDlgItem(dialog, IDC_IGNORE_LONG), &other);

        // A click elsewhere after selecting with the keyboard: Delete asks nothing.
        PostMessageA(favorites, LB_SETCURSEL, 0, 0);
        postClick(GetDlgItem(dialog, IDC_IGNORE_LONG), other);
        postDeleteKey(GetDlgItem(dialog, IDC_IGNORE_LONG));
        PostMessageA(dialog, kSnapshot, 0, 0);
        // A click on "Memo", then Delete.
        postClick(favorites, item);
        PostMessageA(dialog, kSnapshot, 0, 0);
        postDeleteKey(favorites);
        // The history page and back.
        SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&page));
        postClick(tabs, page);
        PostMessageA(dialog, kSnapshot, 0, 0);
        SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&page));
        postClick(tabs, page);
        PostMessageA(dialog, kSnapshot, 0, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    ASSERT_EQ(window.runModal(nullptr), kResultCancel);

    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, "お気に入りの削除");
    EXPECT_EQ(prompts.questions[0].text, "お気に入り\"Memo\"を削除してもよろしいですか？");
    EXPECT_EQ(dir.read("env\\favorite.txt"), "Times\r\nC:/times.html\r\n");
    EXPECT_TRUE(prompts.results.empty());

    ASSERT_EQ(window.snapshots.size(), 4u);
    EXPECT_EQ(window.snapshots[0].favoriteSelection, -1);  // cleared by the click elsewhere
    EXPECT_EQ(window.snapshots[1].favoriteSelection, 1);   // the click selected "Memo"
    EXPECT_FALSE(window.snapshots[2].favoritesVisible);
    EXPECT_TRUE(window.snapshots[2].historyVisible);
    EXPECT_TRUE(window.snapshots[3].favoritesVisible);
    EXPECT_FALSE(window.snapshots[3].historyVisible);
}

}  // namespace
}  // namespace vokanti::testing
