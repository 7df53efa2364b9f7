#pragma once
// Answers the next message box that the constructing thread shows. A hook on that thread
// signals when one of its dialog-class windows has been shown; a helper thread waits for
// that signal (bounded), finds the box among the thread's windows, reads it, and presses a
// button. Construct it before the call that shows the box; result() afterwards.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace vokanti::testing {

struct SeenMessageBox {
    bool found = false;
    std::string caption;
    std::string text;      // the message (static 0xFFFF)
    bool hasIcon = false;  // a visible icon static
    bool hasOk = false;
    bool hasCancel = false;
    HWND owner = nullptr;
};

class MessageBoxAnswerer {
public:
    // `button`: the command to answer with (IDOK, IDCANCEL).
    explicit MessageBoxAnswerer(int button = IDOK, DWORD timeoutMs = 20000);
    // Any other modal dialog of the thread (a file dialog): `act` runs on the helper thread
    // with the dialog's window once it is up, and must end the dialog.
    explicit MessageBoxAnswerer(std::function<void(HWND)> act, DWORD timeoutMs = 20000);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits for the helper thread and tells what it saw.
    SeenMessageBox result();

private:
    static LRESULT CALLBACK showHook(int code, WPARAM wParam, LPARAM lParam);
    void start();
    void answer();
    void stop();

    int button_ = IDOK;
    std::function<void(HWND)> act_;
    DWORD timeout_;
    DWORD watchedThread_ = 0;
    HANDLE activated_ = nullptr;
    HHOOK hook_ = nullptr;
    SeenMessageBox seen_;
    std::thread helper_;
};

}  // namespace vokanti::testing
