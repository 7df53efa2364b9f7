// The dialog host over a real window of the main template: the modal loop, the order of
// pre-translation, the ends of a run, and errors in handlers. The translation of messages
// into events is seen end to end and in the main window's tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/resource.h"
#include "win32/support/message_box_answerer.h"

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
        const bool key = message.kind == QueuedMessage::Kind::KeyDown;
        if (key) log_.push_back("dialog key " + std::to_string(message.key));
        if (message.kind == QueuedMessage::Kind::LButtonDown) log_.push_back("dialog lbutton down");
        return swallowDelete && key && message.key == kKeyDelete;
    }
    void onCancel() override {
        ++cancels;
        editTextAtEnd = form().text(IDC_QUESTION_NUM);
        if (atCancel) atCancel();
        CDialog::onCancel();
    }
    EventResult onEvent(const DialogEvent& event) override {
        if (event.kind == EventKind::Command) commands.push_back(event.id);
        if (event.kind == EventKind::Command && event.id == kFailingCommand) throw std::runtime_error("probe failure");
        return CDialog::onEvent(event);
    }

    bool endDuringInit = false, swallowDelete = false;
    int inits = 0, cancels = 0;
    std::string editTextAtEnd;
    std::function<void()> atCancel;
    std::vector<int> commands;  // the ids of the commands that reached the dialog

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

TEST_F(DialogWindowTest, PreTranslationSeesAQueuedKeyBeforeItIsDispatched) {
    for (bool swallow : {true, false}) {
        SCOPED_TRACE(swallow);
        log.clear();
        dialog.swallowDelete = swallow;
        window.afterInit = [](HWND hwnd) {
            HWND edit = GetDlgItem(hwnd, IDC_QUESTION_NUM);
            SetWindowTextA(edit, "abc");
            SendMessageA(edit, EM_SETSEL, 0, 0);
            PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
            PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        };
        EXPECT_EQ(window.runModal(nullptr), kResultCancel);
        // The dialog's hook first, then the window's; the key reaches the edit only when the
        // dialog's hook leaves it.
        Log expected = {"dialog key 46", "window key 46", "dialog lbutton down"};
        if (swallow) expected.erase(expected.begin() + 1);
        EXPECT_EQ(log, expected);
        EXPECT_EQ(dialog.editTextAtEnd, swallow ? "abc" : "bc");
    }
}

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
    EXPECT_EQ(std::count(dialog.commands.begin(), dialog.commands.end(), kProbeCommand), 0);
    EXPECT_FALSE(window.shown);
    EXPECT_FALSE(IsWindow(window.created));
}

TEST_F(DialogWindowTest, AnErrorInAHandlerIsShownAndTheDialogGoesOn) {
    window.afterInit = [](HWND hwnd) {
        PostMessageA(hwnd, WM_COMMAND, kFailingCommand, 0);
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    };
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    const SeenMessageBox box = answerer.result();
    ASSERT_TRUE(box.found);
    EXPECT_NE(box.text.find("probe failure"), std::string::npos) << box.text;
    EXPECT_EQ(box.caption, "win32_tests");
    EXPECT_EQ(box.owner, window.created);
    EXPECT_TRUE(box.hasIcon);
}

}  // namespace
}  // namespace vokanti::testing
