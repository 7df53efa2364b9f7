#pragma once
// Answers the next message box that the constructing thread shows. A thread timer, which the
// box's own modal loop dispatches, looks for the box among the thread's windows every few
// milliseconds, reads it and presses a button; after the time-out it closes whatever dialog
// is up so that a test fails instead of hanging. Construct it before the call that shows the
// box; result() afterwards.
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "win32/support/scratch_dir.h"

namespace vokanti::testing {

struct SeenMessageBox {
    bool found = false;
    std::string caption, text;  // the text: the message (static 0xFFFF)
    bool hasIcon = false, hasOk = false, hasCancel = false;
    HWND owner = nullptr;
};

class MessageBoxAnswerer {
public:
    // `button`: the command to answer with (IDOK, IDCANCEL).
    explicit MessageBoxAnswerer(int button = IDOK) : button_(button) { start(); }
    // Any other modal dialog of the thread (a file dialog): `act` runs with the dialog's
    // window once it is up, and must end the dialog.
    explicit MessageBoxAnswerer(std::function<void(HWND)> act) : act_(std::move(act)) { start(); }
    ~MessageBoxAnswerer() { stop(); }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Stops looking and tells what was seen.
    SeenMessageBox result() { return stop(), seen_; }

private:
    static void CALLBACK look(HWND, UINT, UINT_PTR, DWORD);
    void start();
    void stop();

    int button_ = IDOK;
    std::function<void(HWND)> act_;
    DWORD started_ = 0;
    UINT_PTR timer_ = 0;
    SeenMessageBox seen_;
};

namespace detail {

inline constexpr DWORD kTimeoutMs = 20000;
inline thread_local MessageBoxAnswerer* current = nullptr;  // a timer procedure has no context of its own

inline bool visibleItem(HWND box, int id) {
    HWND item = GetDlgItem(box, id);
    return item && IsWindowVisible(item);
}

struct Search {
    bool messageBox;  // only a window with the message static 0xFFFF
    HWND box = nullptr;
};

// The box is the enabled dialog: it disables the window that owns it.
inline BOOL CALLBACK findBox(HWND hwnd, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (classOf(hwnd) != "#32770" || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd) ||
        (s->messageBox && !GetDlgItem(hwnd, 0xFFFF))) {
        return TRUE;
    }
    return s->box = hwnd, FALSE;
}

inline BOOL CALLBACK closeDialogs(HWND hwnd, LPARAM) {
    if (classOf(hwnd) == "#32770" && IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

inline BOOL CALLBACK findIcon(HWND hwnd, LPARAM found) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (lstrcmpiA(classOf(hwnd).c_str(), "Static") != 0 || (style & SS_TYPEMASK) != SS_ICON ||
        !(style & WS_VISIBLE) || !SendMessageA(hwnd, STM_GETICON, 0, 0)) {
        return TRUE;
    }
    return *reinterpret_cast<bool*>(found) = true, FALSE;
}

}  // namespace detail

inline void MessageBoxAnswerer::start() {
    if (detail::current) throw std::logic_error("one message box answerer per thread at a time");
    detail::current = this;
    started_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, 20, look);
}

inline void MessageBoxAnswerer::stop() {
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
    if (detail::current == this) detail::current = nullptr;
}

inline void CALLBACK MessageBoxAnswerer::look(HWND, UINT, UINT_PTR, DWORD) {
    using namespace detail;
    MessageBoxAnswerer* self = current;
    if (!self || !self->timer_) return;
    Search search{!self->act_};
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&search));
    HWND box = search.box;
    if (!box) {
        if (GetTickCount() - self->started_ < kTimeoutMs) return;
        EnumThreadWindows(GetCurrentThreadId(), closeDialogs, 0);
        return self->stop();
    }
    self->stop();  // before acting: the dialog may run a loop of its own
    SeenMessageBox& seen = self->seen_;
    seen.found = true;
    seen.caption = textOf(box);
    if (self->act_) return self->act_(box);
    seen.text = textOf(GetDlgItem(box, 0xFFFF));
    EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen.hasIcon));
    seen.hasOk = visibleItem(box, IDOK);
    seen.hasCancel = visibleItem(box, IDCANCEL);
    seen.owner = GetWindow(box, GW_OWNER);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(self->button_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, self->button_)));
}

}  // namespace vokanti::testing
