#pragma once
// Our small dialog framework, portable part: the logic of a dialog (initialisation, OK,
// Cancel, pre-translation, data exchange, ending with a result) and the events the window
// layer delivers to it. The Win32 host (ui/win32/dialog_window.h) creates the window from
// its template, runs the modal loop and turns window messages into DialogEvents.
#include <cstdint>

#include "core/form.h"

namespace vokanti {

// The results a dialog ends with (the platform's IDOK and IDCANCEL).
inline constexpr int kResultOK = 1;
inline constexpr int kResultCancel = 2;

enum class EventKind {
    Command,        // WM_COMMAND: a click (code 0), a notification, or a menu command
    Notify,         // WM_NOTIFY from a control, e.g. the tab control's selection change
    SysCommand,     // WM_SYSCOMMAND
    Paint,          // WM_PAINT
    QueryDragIcon,  // WM_QUERYDRAGICON
    ContextMenu,    // WM_CONTEXTMENU
};

// Notification codes the dialogs route.
inline constexpr int kClicked = 0;          // BN_CLICKED, and every menu command
inline constexpr int kComboSelChange = 1;   // CBN_SELCHANGE
inline constexpr int kListDoubleClick = 2;  // LBN_DBLCLK
inline constexpr int kComboDropDown = 7;    // CBN_DROPDOWN
inline constexpr int kTabSelChange = -551;  // TCN_SELCHANGE

struct DialogEvent {
    EventKind kind = EventKind::Command;
    int code = 0;              // notification code
    int id = 0;                // control or command id
    uint32_t sysCommand = 0;   // SysCommand: the command identifier
    int x = 0, y = 0;          // ContextMenu: the screen point
};

// What a handled event answers: `handled` false hands the event to the platform's default
// processing; `result` is the value a notification returns.
struct EventResult {
    bool handled = false;
    intptr_t result = 0;
};

// A queued message as the pre-translation hook sees it, before dispatch.
struct QueuedMessage {
    enum class Kind { KeyDown, LButtonDown, LButtonUp, MouseMove, Other };
    Kind kind = Kind::Other;
    int key = 0;  // KeyDown: the virtual key
};
inline constexpr int kKeyDelete = 0x2E;  // VK_DELETE

class CDialog {
public:
    explicit CDialog(Form& form) : form_(form) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Called once the window and its controls exist, before it is shown. The default runs
    // the first data exchange in the writing direction. True lets the platform give the
    // focus to the first tab stop.
    virtual bool initDialog() {
        doDataExchange(false);
        return true;
    }
    // The OK command (button 1, Enter). The default reads the form and ends with OK.
    virtual void onOK() {
        if (doDataExchange(true)) endDialog(kResultOK);
    }
    // The Cancel command (button 2, Escape, the close box).
    virtual void onCancel() { endDialog(kResultCancel); }
    // Sees every queued message of the dialog's windows before dispatch; true when it has
    // handled the message completely.
    virtual bool preTranslate(const QueuedMessage&) { return false; }
    // Copies members to controls (`save` false) or controls to members (`save` true);
    // false when reading stopped at a field that was rejected.
    virtual bool doDataExchange(bool save) {
        (void)save;
        return true;
    }
    // An event from the window. The default sends OK and Cancel to onOK() and onCancel().
    virtual EventResult onEvent(const DialogEvent& event) {
        if (event.kind == EventKind::Command && event.code == kClicked) {
            if (event.id == kResultOK) return onOK(), EventResult{true, 0};
            if (event.id == kResultCancel) return onCancel(), EventResult{true, 0};
        }
        return {};
    }

    // Asks the modal run to end with `result`; the window is destroyed once the current
    // message has been handled.
    void endDialog(int result) {
        ended_ = true;
        result_ = result;
    }
    // Clears the end request before a new modal run.
    void beginRun() {
        ended_ = false;
        result_ = 0;
    }
    bool ended() const { return ended_; }
    int result() const { return result_; }

    Form& form() { return form_; }

protected:
    Form& form_;

private:
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace vokanti
