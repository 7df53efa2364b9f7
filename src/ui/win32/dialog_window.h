#pragma once
// The window of a CDialog: creates it from a dialog template, runs the modal loop itself so
// that pre-translation sees every queued message before dispatch, and turns window messages
// into the DialogEvents the dialog's logic routes.
//
// Modal run: the top-level owner is disabled, GetMessage runs until the dialog's end flag is
// set, a WM_QUIT that arrives ends the run and is posted again for the loop outside, the
// owner is enabled again before the window is destroyed. Each queued message for the dialog
// or a window inside it goes first to CDialog::preTranslate(), then to preTranslateWindow(),
// then to IsDialogMessageA (keyboard navigation, Enter, Escape), and only then is it
// translated and dispatched.
//
// Subclasses add the window-only parts of a particular dialog through the virtual hooks.
#include <windows.h>

#include <string>

#include "ui/dialog.h"
#include "ui/win32/win32_form.h"

namespace vokanti {

class DialogWindow {
public:
    // `form` is attached to the window when it is initialised and detached when it goes.
    DialogWindow(CDialog& dialog, Win32Form& form, int templateId,
                 HINSTANCE instance = GetModuleHandleA(nullptr));
    virtual ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Creates the window, owned by the top-level window of `owner` (may be null), and runs
    // it until the dialog ends; the dialog's result, or -1 when the window could not be
    // created (the reason has then been shown to the user).
    int runModal(HWND owner);

    // The window while it exists, otherwise null.
    HWND hwnd() const { return hwnd_; }
    CDialog& dialog() { return dialog_; }

protected:
    // Window-only steps around the dialog's own initialisation (icons, bitmaps, tooltips).
    virtual void beforeInitDialog() {}
    virtual void afterInitDialog() {}
    // Window-only pre-translation of a queued message, after the dialog's own; true when
    // the message has been handled completely.
    virtual bool preTranslateWindow(const MSG&) { return false; }
    // A message the subclass handles itself, before any handling of ours; true when it did,
    // with the dialog procedure's answer in `answer`.
    virtual bool handleWindowMessage(UINT, WPARAM, LPARAM, INT_PTR& answer) {
        (void)answer;
        return false;
    }
    // Shows the text of an error that stopped an operation. The default is a message box.
    virtual void reportError(const std::string& what);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR initDialog();
    INT_PTR deliver(const DialogEvent& event, bool answerIsResult);
    bool preTranslate(MSG& message);
    // True when `window` is the open list of one of the dialog's combo boxes.
    bool isDroppedComboList(HWND window) const;
    void runLoop();
    void reportSafely(const char* what) noexcept;
    // Runs `step`; an exception is shown to the user and the step counts as not done.
    template <class Step>
    bool guarded(Step&& step);

    CDialog& dialog_;
    Win32Form& form_;
    int templateId_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    bool wakePosted_ = false;
};

// The top-level window at the root of `window`'s parent chain; null for null.
HWND topLevelWindow(HWND window);

}  // namespace vokanti
