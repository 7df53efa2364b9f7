#include "win32/support/message_box_answerer.h"

#include <stdexcept>

namespace vokanti::testing {

namespace {

// The answerer of this thread: a hook procedure has no context of its own.
thread_local MessageBoxAnswerer* current = nullptr;
thread_local HANDLE currentEvent = nullptr;

bool isDialogClass(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

struct Search {
    bool messageBox = true;  // only a window with the message static 0xFFFF
    HWND box = nullptr;
};

BOOL CALLBACK findBox(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    // The box is the enabled one: it disables the window that owns it.
    if (isDialogClass(hwnd) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) &&
        (!search->messageBox || GetDlgItem(hwnd, 0xFFFF))) {
        search->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findIcon(HWND hwnd, LPARAM lParam) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        (style & WS_VISIBLE) && SendMessageA(hwnd, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK closeDialogs(HWND hwnd, LPARAM) {
    if (isDialogClass(hwnd) && IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

std::string textOf(HWND hwnd) {
    char text[4096] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int button, DWORD timeoutMs)
    : button_(button), timeout_(timeoutMs) {
    start();
}

MessageBoxAnswerer::MessageBoxAnswerer(std::function<void(HWND)> act, DWORD timeoutMs)
    : act_(std::move(act)), timeout_(timeoutMs) {
    start();
}

void MessageBoxAnswerer::start() {
    if (current) throw std::logic_error("one message box answerer per thread at a time");
    watchedThread_ = GetCurrentThreadId();
    activated_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    current = this;
    currentEvent = activated_;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, showHook, nullptr, watchedThread_);
    helper_ = std::thread([this] { answer(); });
}

MessageBoxAnswerer::~MessageBoxAnswerer() { stop(); }

LRESULT CALLBACK MessageBoxAnswerer::showHook(int code, WPARAM wParam, LPARAM lParam) {
    // WM_WINDOWPOSCHANGED with SWP_SHOWWINDOW: the window is visible by now.
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGED &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) &&
        isDialogClass(call->hwnd) && currentEvent) {
        SetEvent(currentEvent);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxAnswerer::answer() {
    // Each dialog window the watched thread shows wakes the helper; it looks for a box until
    // one is found or the time is up.
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeout_ || WaitForSingleObject(activated_, timeout_ - elapsed) != WAIT_OBJECT_0) {
            // Nothing recognisable came: close whatever dialog is up so that the test fails
            // instead of hanging.
            EnumThreadWindows(watchedThread_, closeDialogs, 0);
            return;
        }
        Search search;
        search.messageBox = !act_;
        EnumThreadWindows(watchedThread_, findBox, reinterpret_cast<LPARAM>(&search));
        if (!search.box) continue;
        HWND box = search.box;
        seen_.found = true;
        seen_.caption = textOf(box);
        if (act_) {
            act_(box);
            return;
        }
        seen_.caption = textOf(box);
        seen_.text = textOf(GetDlgItem(box, 0xFFFF));
        EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen_.hasIcon));
        seen_.hasOk = GetDlgItem(box, IDOK) != nullptr && IsWindowVisible(GetDlgItem(box, IDOK));
        seen_.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr && IsWindowVisible(GetDlgItem(box, IDCANCEL));
        seen_.owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button_)));
        return;
    }
}

void MessageBoxAnswerer::stop() {
    if (helper_.joinable()) helper_.join();
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (activated_) CloseHandle(activated_);
    activated_ = nullptr;
    current = nullptr;
    currentEvent = nullptr;
}

SeenMessageBox MessageBoxAnswerer::result() {
    stop();
    return seen_;
}

}  // namespace vokanti::testing
