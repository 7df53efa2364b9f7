#pragma once
// Answers the next message box that the constructing thread shows. A thread timer, which the
// box's own modal loop dispatches, looks for the box among the thread's windows every few
// milliseconds, reads it and presses a button; after the time-out it closes whatever dialog
// is up so that a test fails instead of hanging. Construct it before the call that shows the
// box; result() afterwards.
#include <windows.h>

#include <functional>
#include <string>

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

}  // namespace vokanti::testing
