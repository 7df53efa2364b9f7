#include "win32/support/message_box_answerer.h"

#include <stdexcept>

namespace vokanti::testing {
namespace {

constexpr DWORD kTimeoutMs = 20000;
thread_local MessageBoxAnswerer* current = nullptr;  // a timer procedure has no context of its own

std::string classOf(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
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

// The box is the enabled dialog: it disables the window that owns it.
BOOL CALLBACK findBox(HWND hwnd, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (classOf(hwnd) != "#32770" || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd) ||
        (s->messageBox && !GetDlgItem(hwnd, 0xFFFF))) {
        return TRUE;
    }
    return s->box = hwnd, FALSE;
}

BOOL CALLBACK closeDialogs(HWND hwnd, LPARAM) {
    if (classOf(hwnd) == "#32770" && IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

BOOL CALLBACK findIcon(HWND hwnd, LPARAM found) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (lstrcmpiA(classOf(hwnd).c_str(), "Static") != 0 || (style & SS_TYPEMASK) != SS_ICON ||
        !(style & WS_VISIBLE) || !SendMessageA(hwnd, STM_GETICON, 0, 0)) {
        return TRUE;
    }
    return *reinterpret_cast<bool*>(found) = true, FALSE;
}

}  // namespace

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
