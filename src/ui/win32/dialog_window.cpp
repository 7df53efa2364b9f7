#include "ui/win32/dialog_window.h"

#include <windowsx.h>

#include <cstdint>
#include <exception>
#include <stdexcept>

#include "core/messages.h"
#include "core/text.h"
#include "ui/win32/application_name.h"

namespace vokanti {

namespace {

QueuedMessage queuedMessage(const MSG& msg) {
    QueuedMessage queued;
    switch (msg.message) {
        case WM_KEYDOWN:
            queued.kind = QueuedMessage::Kind::KeyDown;
            queued.key = static_cast<int>(msg.wParam);
            break;
        case WM_LBUTTONDOWN: queued.kind = QueuedMessage::Kind::LButtonDown; break;
        case WM_LBUTTONUP: queued.kind = QueuedMessage::Kind::LButtonUp; break;
        case WM_MOUSEMOVE: queued.kind = QueuedMessage::Kind::MouseMove; break;
        default: break;
    }
    return queued;
}

std::string lastErrorText(const char* what) {
    const DWORD error = GetLastError();
    return std::string(what) + " (error " + std::to_string(error) + ")";
}

}  // namespace

HWND topLevelWindow(HWND window) { return window ? GetAncestor(window, GA_ROOT) : nullptr; }

DialogWindow::DialogWindow(CDialog& dialog, Win32Form& form, int templateId, HINSTANCE instance)
    : dialog_(dialog), form_(form), templateId_(templateId), instance_(instance) {}

DialogWindow::~DialogWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void DialogWindow::reportError(const std::string& what) {
    const std::string text = formatText(text::kUnexpectedError, what);
    MessageBoxA(hwnd_, text.c_str(), applicationName().c_str(), MB_OK | MB_ICONERROR);
}

void DialogWindow::reportSafely(const char* what) noexcept {
    try {
        reportError(what);
    } catch (...) {
        // Reporting itself failed (no memory for the text): say it without any allocation.
        MessageBoxA(hwnd_, text::kUnexpectedError, nullptr, MB_OK | MB_ICONERROR);
    }
}

template <class Step>
bool DialogWindow::guarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        reportSafely(e.what());
    } catch (...) {
        reportSafely("unknown exception");
    }
    return false;
}

int DialogWindow::runModal(HWND owner) {
    if (hwnd_) throw std::logic_error("dialog window already running");
    dialog_.beginRun();
    wakePosted_ = false;
    HWND top = topLevelWindow(owner);
    // WM_INITDIALOG, and with it the dialog's initialisation, runs inside this call.
    HWND created = CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), top, dialogProc,
                                      reinterpret_cast<LPARAM>(this));
    if (!created) {
        reportSafely(lastErrorText("dialog window not created").c_str());
        return -1;
    }
    const bool disabledOwner = top && IsWindowEnabled(top);
    if (disabledOwner) EnableWindow(top, FALSE);
    // A modal dialog is shown whether or not its template says visible, as the platform's
    // own modal run does; the focus set during initialisation comes back when it activates.
    if (hwnd_ && !dialog_.ended()) ShowWindow(hwnd_, SW_SHOW);
    runLoop();
    // The owner first, so that the platform activates it when the dialog goes.
    if (disabledOwner) EnableWindow(top, TRUE);
    if (hwnd_) DestroyWindow(hwnd_);
    return dialog_.result();
}

void DialogWindow::runLoop() {
    MSG msg;
    while (!dialog_.ended() && hwnd_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            reportSafely(lastErrorText("GetMessage failed").c_str());
            dialog_.endDialog(kResultCancel);
            return;
        }
        if (got == 0) {
            // The program is being asked to end: end the dialog, and leave the request for
            // the loop that runs outside this one.
            dialog_.endDialog(kResultCancel);
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!preTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool DialogWindow::preTranslate(MSG& msg) {
    if (!hwnd_) return false;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) {
        // The open list of a combo box is a window of its own, outside the dialog, but a
        // press in it is a press in the dialog all the same. Nothing else of it is ours.
        if (msg.message == WM_LBUTTONDOWN && isDroppedComboList(msg.hwnd)) {
            guarded([&] { dialog_.preTranslate(queuedMessage(msg)); });
        }
        return false;
    }
    bool handled = false;
    if (guarded([&] { handled = dialog_.preTranslate(queuedMessage(msg)); }) && handled) return true;
    if (guarded([&] { handled = preTranslateWindow(msg); }) && handled) return true;
    // The window went away while the message was looked at: nothing is left to deliver it to.
    if (!hwnd_) return true;
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

// The list window does not name its combo box (its parent is the desktop): ask each combo
// box of the dialog for its list.
bool DialogWindow::isDroppedComboList(HWND window) const {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(child, &info) && info.hwndList == window) return true;
    }
    return false;
}

INT_PTR CALLBACK DialogWindow::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogWindow* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogWindow*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) and after WM_NCDESTROY get the default.
    if (!self) return FALSE;

    INT_PTR answer = FALSE;
    const bool done = self->guarded([&] { answer = self->handleMessage(message, wParam, lParam); });
    if (!done && message == WM_INITDIALOG) {
        // A dialog whose initialisation failed is not left half set up in front of the user.
        self->dialog_.endDialog(kResultCancel);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->form_.detach();
        self->hwnd_ = nullptr;
        if (!self->dialog_.ended()) self->dialog_.endDialog(kResultCancel);
    } else if (self->dialog_.ended() && !self->wakePosted_) {
        // The end may have come in a message sent from outside the loop (a nested message
        // box, another thread): make sure the loop wakes up to see it.
        self->wakePosted_ = true;
        PostMessageA(hwnd, WM_NULL, 0, 0);
    }
    return answer;
}

INT_PTR DialogWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR answer = FALSE;
    if (handleWindowMessage(message, wParam, lParam, answer)) return answer;

    DialogEvent event;
    switch (message) {
        case WM_INITDIALOG:
            return initDialog();
        case WM_COMMAND:
            event.kind = EventKind::Command;
            event.code = HIWORD(wParam);
            event.id = LOWORD(wParam);
            return deliver(event, false);
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            event.kind = EventKind::Notify;
            event.code = static_cast<int>(header->code);
            event.id = static_cast<int>(header->idFrom);
            return deliver(event, false);
        }
        case WM_SYSCOMMAND:
            event.kind = EventKind::SysCommand;
            event.sysCommand = static_cast<uint32_t>(wParam);
            return deliver(event, false);
        case WM_PAINT:
            event.kind = EventKind::Paint;
            return deliver(event, false);
        case WM_QUERYDRAGICON:
            event.kind = EventKind::QueryDragIcon;
            return deliver(event, true);
        case WM_CONTEXTMENU:
            event.kind = EventKind::ContextMenu;
            event.x = GET_X_LPARAM(lParam);
            event.y = GET_Y_LPARAM(lParam);
            return deliver(event, false);
        case WM_WINDOWPOSCHANGING:
            // A dialog that has already ended (during its initialisation) is never shown.
            if (dialog_.ended()) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR DialogWindow::initDialog() {
    form_.attach(hwnd_);
    beforeInitDialog();
    const bool defaultFocus = dialog_.initDialog();
    afterInitDialog();
    return defaultFocus ? TRUE : FALSE;
}

// `answerIsResult`: the message's result is the dialog procedure's return value itself
// (WM_QUERYDRAGICON); otherwise it goes through DWLP_MSGRESULT.
INT_PTR DialogWindow::deliver(const DialogEvent& event, bool answerIsResult) {
    const EventResult result = dialog_.onEvent(event);
    if (!result.handled) return FALSE;
    if (answerIsResult) return result.result;
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result.result);
    return TRUE;
}

}  // namespace vokanti
