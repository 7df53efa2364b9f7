#include "win32/support/message_box_answerer.h"

#include <stdexcept>

namespace vokanti::testing {

namespace {

// The answerer of this thread: a timer procedure has no context of its own.
thread_local MessageBoxAnswerer* current = nullptr;

bool isDialogClass(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

std::string textOf(HWND hwnd) {
    char text[4096] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

bool visibleItem(HWND box, int id) {
    HWND item = GetDlgItem(box, id);
    return item && IsWindowVisible(item);
}

struct Search {
    bool messageBox;  // only a window with the message static 0xFFFF
    HWND box = nullptr;
};

BOOL CALLBACK findBox(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    // The box is the enabled one: it disables the window that owns it.
    if (!isDialogClass(hwnd) || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd) ||
        (search->messageBox && !GetDlgItem(hwnd, 0xFFFF))) {
        return TRUE;
    }
    search->box = hwnd;
    return FALSE;
}

BOOL CALLBACK findIcon(HWND hwnd, LPARAM lParam) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (lstrcmpiA(name, "Static") != 0 || (style & SS_TYPEMASK) != SS_ICON ||
        !(style & WS_VISIBLE) || !SendMessageA(hwnd, STM_GETICON, 0, 0)) {
        return TRUE;
    }
    *reinterpret_cast<bool*>(lParam) = true;
    return FALSE;
}

BOOL CALLBACK closeDialogs(HWND hwnd, LPARAM) {
    if (isDialogClass(hwnd) && IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
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

MessageBoxAnswerer::~MessageBoxAnswerer() { stop(); }

void MessageBoxAnswerer::start() {
    if (current) throw std::logic_error("one message box answerer per thread at a time");
    current = this;
    started_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, 20, look);
}

void MessageBoxAnswerer::stop() {
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
    if (current == this) current = nullptr;
}

void CALLBACK MessageBoxAnswerer::look(HWND, UINT, UINT_PTR, DWORD) {
    MessageBoxAnswerer* self = current;
    if (!self || !self->timer_) return;
    Search search{!self->act_};
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&search));
    if (!search.box) {
        if (GetTickCount() - self->started_ < self->timeout_) return;
        EnumThreadWindows(GetCurrentThreadId(), closeDialogs, 0);
        return self->stop();
    }
    self->stop();  // before acting: the dialog may run a loop of its own
    HWND box = search.box;
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

SeenMessageBox MessageBoxAnswerer::result() {
    stop();
    return seen_;
}

}  // namespace vokanti::testing
