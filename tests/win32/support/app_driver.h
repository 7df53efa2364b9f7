#pragma once
// Drives a real Vokanti.exe the way a user does, from a test running under Wine: a temporary
// program directory with the program, the stand-in engine and env/ files (or a program already
// installed somewhere, as the package test has it); the main window
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
    std::string caption, text;
    explicit operator bool() const { return window != nullptr; }
};

class AppDriver {
public:
    // A program directory of its own with Vokanti.exe, the stand-in vokan.exe and an env/
    // folder with an empty dict.txt.
    AppDriver();
    // A driver for the program at `program`, in its own folder; the file helpers below are
    // for a temporary program directory only.
    explicit AppDriver(const std::string& program);
    ~AppDriver() { endProgram(); }  // the directory goes with the last driver sharing it
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;
    // Puts the real engine in place of the stand-in, with the data a user gets beside the
    // programs (env/, dic/, sample/ of the build).
    void useRealEngine() const;
    // A driver for another instance of the program in the same directory.
    std::unique_ptr<AppDriver> secondInstance() const;

    // The program directory with a trailing backslash, and its files.
    const std::string& dir() const { return dir_; }
    std::string path(const std::string& relative) const { return dir_ + relative; }
    void writeFile(const std::string& relative, const std::string& content) const { directory_->write(relative, content); }
    std::string readFile(const std::string& relative) const { return directory_->read(relative); }
    bool fileExists(const std::string& relative) const { return directory_->exists(relative); }
    // The engine's exit code for the next runs, and the command line it received last.
    void setEngineExitCode(unsigned long code) const { writeFile("vokan-exitcode.txt", std::to_string(code)); }
    std::string engineCommandLine() const { return readFile("vokan-cmdline.txt"); }

    // Starts the program with `arguments`, ending the one this driver started before.
    void start(const std::string& arguments = "");
    // Waits for the main window to be shown; null after `timeoutMs`.
    HWND waitForMainWindow(DWORD timeoutMs = 20000);
    HWND mainWindow() const { return main_; }
    DWORD processId() const { return process_.dwProcessId; }
    HWND control(int id) const { return GetDlgItem(main_, id); }
    // Waits for the program to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD waitForExit(DWORD timeoutMs = 20000);
    bool running() const { return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // Waits for a dialog of the program other than the main window with the given caption
    // (any when empty); gives up at once when the program has ended.
    ShownBox waitForBox(const std::string& caption = "", DWORD timeoutMs = 20000) const;
    // True when no box appears within `ms` after everything already posted is processed.
    bool noBoxWithin(DWORD ms) const { return sync(), !waitForBox("", ms); }
    // Presses a button of a box (IDOK, IDCANCEL...) and waits for the box to go away.
    bool answer(const ShownBox& box, int buttonId, DWORD timeoutMs = 20000) const;

    // Waits until the main window has handled everything posted to it before.
    void sync() const {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
    }
    // A user's left click in a control (posted press and release); a key posted to a window.
    void click(int id) const {
        PostMessageA(control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(control(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    void key(HWND target, UINT vk) const {
        PostMessageA(target, WM_KEYDOWN, vk, 1);
        PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    }
    // Real input, as from the user's keyboard and mouse: the main window is brought to the
    // front first. Input reaches a program even while it waits for its engine, which drops
    // posted messages' meaning until the wait ends.
    void typeKey(UINT vk) const {
        SetForegroundWindow(main_);
        INPUT key[2] = {};
        key[0].type = key[1].type = INPUT_KEYBOARD;
        key[0].ki.wVk = key[1].ki.wVk = static_cast<WORD>(vk);
        key[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, key, sizeof(INPUT));
    }
    void pressButton(int id) const {
        SetForegroundWindow(main_);
        RECT r{};
        GetWindowRect(control(id), &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_MOUSE;
        press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, press, sizeof(INPUT));
    }
    void setText(int id, const std::string& text) const {
        SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

private:
    explicit AppDriver(std::shared_ptr<ScratchDir> directory)
        : directory_(std::move(directory)), dir_(directory_->path() + "\\"), program_(dir_ + "Vokanti.exe") {}
    void endProgram();  // if it still runs

    std::shared_ptr<ScratchDir> directory_;
    std::string dir_, program_;
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// Waits until `condition` holds, pumping this thread's messages; false after `timeoutMs`.
template <typename Condition>
bool waitUntil(Condition condition, DWORD timeoutMs = 20000) {
    for (const DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

}  // namespace vokanti::testing
