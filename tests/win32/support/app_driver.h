#pragma once
// Drives a real Vokanti.exe the way a user does, from a test running under Wine: a temporary
// program directory with the program, the stand-in engine and env/ files; the main window
// found by the child's process id; clicks, keys and commands posted to its controls; message
// boxes found, read and answered. Every wait is bounded.
#include <windows.h>

#include <memory>
#include <string>

#include "win32/support/scratch_dir.h"

namespace vokanti::testing {

// A message box (or other dialog) of the program: its window, caption and text.
struct ShownBox {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    explicit operator bool() const { return window != nullptr; }
};

class AppDriver {
public:
    // Makes a program directory of its own with Vokanti.exe, the stand-in vokan.exe (unless
    // `withEngine` is false) and an env/ folder with an empty dict.txt.
    explicit AppDriver(bool withEngine = true);
    ~AppDriver() { endProgram(); }  // the directory goes with the last driver sharing it
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;
    // A driver for another instance of the program in the same directory; the directory
    // stays until every driver sharing it is gone.
    std::unique_ptr<AppDriver> secondInstance() const;

    // The program directory with a trailing backslash, and paths inside it.
    const std::string& dir() const { return dir_; }
    std::string path(const std::string& relative) const { return dir_ + relative; }
    void writeFile(const std::string& relative, const std::string& content) const {
        directory_->write(relative, content);
    }
    std::string readFile(const std::string& relative) const { return directory_->read(relative); }
    bool fileExists(const std::string& relative) const { return directory_->exists(relative); }
    // The engine's exit code for the next runs.
    void setEngineExitCode(unsigned long code) const {
        writeFile("vokan-exitcode.txt", std::to_string(code));
    }
    // The command line the stand-in engine received last; empty when it did not run.
    std::string engineCommandLine() const { return readFile("vokan-cmdline.txt"); }

    // Starts the program with `arguments` (appended to its quoted path), ending the one this
    // driver started before if it still runs.
    void start(const std::string& arguments = "");
    // Waits for the main window to be shown; null after `timeoutMs`.
    HWND waitForMainWindow(DWORD timeoutMs = 20000);
    HWND mainWindow() const { return main_; }
    DWORD processId() const { return process_.dwProcessId; }
    HWND control(int id) const { return GetDlgItem(main_, id); }
    // Waits for the program to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD waitForExit(DWORD timeoutMs = 20000);
    bool running() const {
        return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
    }

    // Waits for a dialog of the program other than the main window (a message box, a file
    // dialog, the about box) with the given caption (any caption when empty).
    ShownBox waitForBox(const std::string& caption = "", DWORD timeoutMs = 20000) const;
    // True when no such box appears within `ms` (used after actions that must show none;
    // the program is first made to process everything already posted to it).
    bool noBoxWithin(DWORD ms) const;
    // Presses a button of a box (IDOK, IDCANCEL...) and waits for the box to go away.
    bool answer(const ShownBox& box, int buttonId, DWORD timeoutMs = 20000) const;

    // Sends a message to the main window and waits for it to be handled (so everything
    // posted before it has been processed too).
    void sync() const;
    // A user's left click in a control's client area (posted press and release).
    void click(int id) const;
    // A key press and release posted to a control (the focused window in the real program).
    void key(HWND target, UINT vk) const;
    // A menu command as the menu bar delivers it.
    void command(int id) const;
    // Edit text of a control (for a combo box, its edit field).
    std::string text(int id) const;
    void setText(int id, const std::string& text) const;

private:
    explicit AppDriver(std::shared_ptr<ScratchDir> directory);
    void endProgram();  // if it still runs

    std::shared_ptr<ScratchDir> directory_;
    std::string dir_;
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// Waits until `condition` holds, pumping this thread's messages; false after `timeoutMs`.
template <typename Condition>
bool waitUntil(Condition condition, DWORD timeoutMs = 20000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// The path of a file of the build tree, as Wine sees it.
inline std::string buildFile(const char* unixPath) { return hostPath(unixPath); }

}  // namespace vokanti::testing
