// The favorite-title dialog on real windows: CFavoriteDlg run by the dialog host from
// template 136, driven by posted keyboard messages once its window is shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "ui/win32/prompts_win32.h"
#include "ui/favorite_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"

namespace vokanti::testing {
namespace {

// Runs a script on the dialog window of this thread as soon as it is shown (a hook on the
// thread's window procedure calls). A watchdog closes the dialog if it does not appear within
// the time-out, so a broken dialog fails the test instead of hanging it.
class ShownDialogScript {
public:
    explicit ShownDialogScript(std::function<void(HWND)> script, DWORD timeoutMs = 20000)
        : script_(std::move(script)), thread_(GetCurrentThreadId()) {
        current_ = this;
        done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, hook, nullptr, thread_);
        watchdog_ = std::thread([this, timeoutMs] {
            if (WaitForSingleObject(done_, timeoutMs) == WAIT_TIMEOUT) {
                timedOut_ = true;
                EnumThreadWindows(thread_, closeDialog, 0);
            }
        });
    }
    ~ShownDialogScript() {
        SetEvent(done_);
        watchdog_.join();
        UnhookWindowsHookEx(hook_);
        CloseHandle(done_);
        current_ = nullptr;
    }
    ShownDialogScript(const ShownDialogScript&) = delete;
    ShownDialogScript& operator=(const ShownDialogScript&) = delete;

    bool ran() const { return ran_; }
    bool timedOut() const { return timedOut_; }
    HWND dialog() const { return dialog_; }

private:
    static bool isDialog(HWND hwnd) {
        char name[16] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return lstrcmpA(name, "#32770") == 0;
    }
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        ShownDialogScript* self = current_;
        if (code == HC_ACTION && self && !self->ran_ && call->message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) &&
            isDialog(call->hwnd)) {
            self->ran_ = true;
            self->dialog_ = call->hwnd;
            SetEvent(self->done_);
            self->script_(call->hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static BOOL CALLBACK closeDialog(HWND hwnd, LPARAM) {
        if (isDialog(hwnd)) PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }

    static inline ShownDialogScript* current_ = nullptr;
    std::function<void(HWND)> script_;
    DWORD thread_;
    HANDLE done_ = nullptr;
    HHOOK hook_ = nullptr;
    std::thread watchdog_;
    bool ran_ = false;
    bool timedOut_ = false;
    HWND dialog_ = nullptr;
};

// Types `text` (ASCII) into `control` as key presses would, through the modal loop.
void postTyping(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, static_cast<WPARAM>(c), 1);
}
void postKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

class FavoriteDlgWin32Test : public ::testing::Test {
protected:
    Win32Form form;
    CFavoriteDlg dlg{form};
    DialogWindow window{dlg, form, IDD_FAVORITE};
};

TEST_F(FavoriteDlgWin32Test, EnterAfterTypingEndsWithOkAndTheTitle) {
    std::string focusedClass;
    ShownDialogScript script([&](HWND dialog) {
        char name[16] = {};
        GetClassNameA(GetFocus(), name, sizeof name);
        focusedClass = name;
        HWND edit = GetDlgItem(dialog, IDC_FAVORITE_TITLE);
        postTyping(edit, "Times");
        postKey(edit, VK_RETURN);
    });
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    EXPECT_TRUE(script.ran()) << "the dialog was never shown";
    EXPECT_FALSE(script.timedOut());
    EXPECT_STRCASEEQ(focusedClass.c_str(), "Edit");
    EXPECT_EQ(dlg.title, "Times");
    EXPECT_FALSE(IsWindow(script.dialog()));
}

TEST_F(FavoriteDlgWin32Test, JapaneseTitleIsTakenWhole) {
    const std::string title = "英字新聞 " + std::string(2000, 'x');
    ShownDialogScript script([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FAVORITE_TITLE, title.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    });
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    EXPECT_EQ(dlg.title, title);
}

TEST_F(FavoriteDlgWin32Test, EscapeTheCancelButtonAndTheCloseBoxEndWithCancel) {
    const std::function<void(HWND)> endings[] = {
        [](HWND dialog) { postKey(GetDlgItem(dialog, IDC_FAVORITE_TITLE), VK_ESCAPE); },
        [](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    int n = 0;
    for (const auto& end : endings) {
        SCOPED_TRACE(n++);
        dlg.title.clear();
        ShownDialogScript script([&](HWND dialog) {
            postTyping(GetDlgItem(dialog, IDC_FAVORITE_TITLE), "typed");
            end(dialog);
        });
        EXPECT_EQ(window.runModal(nullptr), kResultCancel);
        EXPECT_TRUE(script.ran());
        EXPECT_FALSE(script.timedOut());
        EXPECT_EQ(dlg.title, "");
    }
}

// The prompt the main dialog uses: template 136 on the host, owned by the main window.
TEST(FavoriteTitlePrompt, ReturnsTheTitleOnOkAndNothingOnCancel) {
    HWND mainWindow = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                      0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mainWindow, nullptr);
    PromptsWin32 prompts("Vokanti");
    prompts.setMainWindow(mainWindow);

    HWND owner = nullptr;
    bool mainEnabled = true;
    std::string caption, shownText;
    {
        ShownDialogScript script([&](HWND dialog) {
            owner = GetWindow(dialog, GW_OWNER);
            mainEnabled = IsWindowEnabled(mainWindow) != FALSE;
            caption = windowText(dialog);
            shownText = windowText(GetDlgItem(dialog, IDC_FAVORITE_TITLE));
            HWND edit = GetDlgItem(dialog, IDC_FAVORITE_TITLE);
            postTyping(edit, "Daily News");
            postKey(edit, VK_RETURN);
        });
        EXPECT_EQ(prompts.favoriteTitle(), std::optional<std::string>("Daily News"));
        EXPECT_FALSE(script.timedOut());
    }
    EXPECT_EQ(owner, mainWindow);
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(caption, "お気に入りに追加");
    EXPECT_EQ(shownText, "");  // every run starts with an empty title
    EXPECT_TRUE(IsWindowEnabled(mainWindow));

    {
        ShownDialogScript script([](HWND dialog) {
            HWND edit = GetDlgItem(dialog, IDC_FAVORITE_TITLE);
            postTyping(edit, "not taken");
            postKey(edit, VK_ESCAPE);
        });
        EXPECT_EQ(prompts.favoriteTitle(), std::nullopt);
        EXPECT_TRUE(script.ran());
    }
    {
        ShownDialogScript script([](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        });
        EXPECT_EQ(prompts.favoriteTitle(), std::optional<std::string>(""));  // OK, empty title
    }
    DestroyWindow(mainWindow);
}

}  // namespace
}  // namespace vokanti::testing
