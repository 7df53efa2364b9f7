// The dialog host over a real window of the main template: the modal loop, the order of
// pre-translation, the end of a run, and the translation of messages into dialog events.
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

constexpr int kProbeNotifyCode = -1234;
constexpr int kProbeCommand = 4242;
constexpr int kFailingCommand = 4243;

// A dialog that records what reaches it; the log is shared with the window's hooks.
class ProbeDialog : public CDialog {
public:
    ProbeDialog(Form& form, std::vector<std::string>& log) : CDialog(form), log_(log) {}

    bool initDialog() override {
        ++inits;
        if (endDuringInit) endDialog(kResultOK);
        return true;
    }
    bool preTranslate(const QueuedMessage& message) override {
        if (message.kind == QueuedMessage::Kind::KeyDown) log_.push_back("dialog key " + std::to_string(message.key));
        if (message.kind == QueuedMessage::Kind::LButtonDown) log_.push_back("dialog lbutton down");
        if (message.kind == QueuedMessage::Kind::LButtonUp) log_.push_back("dialog lbutton up");
        return swallowDelete && message.kind == QueuedMessage::Kind::KeyDown && message.key == kKeyDelete;
    }
    void onCancel() override {
        editTextAtEnd = form().text(IDC_QUESTION_NUM);
        if (atCancel) atCancel();
        CDialog::onCancel();
    }
    EventResult onEvent(const DialogEvent& event) override {
        events.push_back(event);
        if (event.kind == EventKind::Notify && event.code == kProbeNotifyCode) return {true, 7};
        if (event.kind == EventKind::QueryDragIcon) return {true, 0x1234};
        if (event.kind == EventKind::Command && event.id == kFailingCommand) {
            throw std::runtime_error("probe failure");
        }
        return CDialog::onEvent(event);
    }

    bool endDuringInit = false;
    bool swallowDelete = false;
    int inits = 0;
    std::string editTextAtEnd;
    std::function<void()> atCancel;
    std::vector<DialogEvent> events;

private:
    std::vector<std::string>& log_;
};

class ProbeWindow : public DialogWindow {
public:
    ProbeWindow(CDialog& dialog, Win32Form& form, std::vector<std::string>& log)
        : DialogWindow(dialog, form, IDD_VOKANTI_DIALOG), log_(log) {}

    std::function<void(HWND)> beforeInit;
    std::function<void(HWND)> afterInit;
    bool shown = false;
    HWND created = nullptr;

protected:
    void beforeInitDialog() override {
        created = hwnd();
        if (beforeInit) beforeInit(hwnd());
    }
    void afterInitDialog() override {
        if (afterInit) afterInit(hwnd());
    }
    bool preTranslateWindow(const MSG& msg) override {
        if (msg.message == WM_KEYDOWN) log_.push_back("window key " + std::to_string(msg.wParam));
        return false;
    }
    bool handleWindowMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR&) override {
        if (message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)) {
            shown = true;
        }
        return false;
    }

private:
    std::vector<std::string>& log_;
};

class DialogWindowTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
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
            PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        };
        EXPECT_EQ(window.runModal(nullptr), kResultCancel);
        // The dialog's hook first, then the window's; the key reaches the edit only when the
        // dialog's hook leaves it.
        std::vector<std::string> expected = {"dialog key 46", "window key 46", "dialog lbutton down",
                                             "dialog lbutton up"};
        if (swallow) expected = {"dialog key 46", "dialog lbutton down", "dialog lbutton up"};
        EXPECT_EQ(log, expected);
        EXPECT_EQ(dialog.editTextAtEnd, swallow ? "abc" : "bc");
    }
}

TEST_F(DialogWindowTest, CancelAndOkCommandsEndTheRunWithTheirResults) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND ownerChild = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, owner, nullptr,
                                      nullptr, nullptr);
    ASSERT_TRUE(owner && ownerChild);
    HWND dialogOwner = nullptr;
    bool ownerEnabledInRun = true;
    window.afterInit = [&](HWND hwnd) {
        dialogOwner = GetWindow(hwnd, GW_OWNER);
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    };
    dialog.atCancel = [&] { ownerEnabledInRun = IsWindowEnabled(owner) != FALSE; };
    EXPECT_EQ(window.runModal(ownerChild), kResultCancel);
    EXPECT_EQ(dialogOwner, owner);  // the top-level window, not the child that was given
    EXPECT_FALSE(ownerEnabledInRun);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(window.created));
    EXPECT_EQ(window.hwnd(), nullptr);
    DestroyWindow(owner);

    window.afterInit = [](HWND hwnd) { PostMessageA(hwnd, WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    EXPECT_EQ(dialog.inits, 2);
}

TEST_F(DialogWindowTest, TheCloseBoxEndsTheRunThroughCancel) {
    window.afterInit = [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    // The platform's default for the close box comes back as the Cancel command.
    const auto& events = dialog.events;
    const auto close = std::find_if(events.begin(), events.end(), [](const DialogEvent& e) {
        return e.kind == EventKind::SysCommand && e.sysCommand == SC_CLOSE;
    });
    ASSERT_NE(close, events.end());
    EXPECT_NE(std::find_if(close, events.end(), [](const DialogEvent& e) {
                  return e.kind == EventKind::Command && e.id == IDCANCEL && e.code == 0;
              }),
              events.end());
}

TEST_F(DialogWindowTest, ADialogThatEndsDuringInitialisationNeverRunsItsLoop) {
    dialog.endDuringInit = true;
    window.beforeInit = [](HWND hwnd) {
        PostMessageA(hwnd, WM_COMMAND, kProbeCommand, 0);
        PostMessageA(GetDlgItem(hwnd, IDC_INPUT), WM_KEYDOWN, VK_DELETE, 0);
    };
    EXPECT_EQ(window.runModal(nullptr), kResultOK);
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_TRUE(log.empty());
    for (const auto& event : dialog.events) EXPECT_NE(event.id, kProbeCommand);
    EXPECT_FALSE(window.shown);
    EXPECT_FALSE(IsWindow(window.created));
}

TEST_F(DialogWindowTest, AQuitRequestEndsTheRunAndIsPostedAgain) {
    window.afterInit = [](HWND) { PostQuitMessage(3); };
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogWindowTest, MessagesBecomeDialogEventsWithTheirAnswers) {
    LRESULT notifyAnswer = 0, dragIcon = 0;
    window.afterInit = [&](HWND hwnd) {
        NMHDR header{GetDlgItem(hwnd, IDC_LIST_TABS), IDC_LIST_TABS,
                     static_cast<UINT>(kProbeNotifyCode)};
        notifyAnswer = SendMessageA(hwnd, WM_NOTIFY, IDC_LIST_TABS, reinterpret_cast<LPARAM>(&header));
        dragIcon = SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-5, 20));
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_INPUT, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_INPUT)));
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(window.runModal(nullptr), kResultCancel);
    EXPECT_EQ(notifyAnswer, 7);
    EXPECT_EQ(dragIcon, 0x1234);
    // Focus changes of the combo boxes send notifications of their own: leave them out.
    std::vector<DialogEvent> events;
    for (const auto& e : dialog.events) {
        const bool focusNote = e.kind == EventKind::Command &&
                               (e.code == CBN_SETFOCUS || e.code == CBN_KILLFOCUS ||
                                e.code == EN_SETFOCUS || e.code == EN_KILLFOCUS);
        if (!focusNote) events.push_back(e);
    }
    dialog.events = events;
    ASSERT_GE(dialog.events.size(), 5u);
    EXPECT_EQ(dialog.events[0].kind, EventKind::Notify);
    EXPECT_EQ(dialog.events[0].code, kProbeNotifyCode);
    EXPECT_EQ(dialog.events[0].id, IDC_LIST_TABS);
    EXPECT_EQ(dialog.events[1].kind, EventKind::QueryDragIcon);
    EXPECT_EQ(dialog.events[2].kind, EventKind::ContextMenu);
    EXPECT_EQ(dialog.events[2].x, -5);
    EXPECT_EQ(dialog.events[2].y, 20);
    EXPECT_EQ(dialog.events[3].kind, EventKind::Command);
    EXPECT_EQ(dialog.events[3].code, kComboDropDown);
    EXPECT_EQ(dialog.events[3].id, IDC_INPUT);
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
