#include "platform/win32/process_services_win32.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>

namespace vokanti {

namespace {

// How long stopRunning() waits for a terminated program to be gone. Termination is
// immediate on Windows; the bound only keeps a hung system from freezing the window.
constexpr DWORD kStopTimeoutMs = 10000;

bool isDialog(HWND window) {
    char name[16] = {};
    return window && GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, "#32770") == 0;
}

// The top-level dialog of this thread that `window` belongs to, or null.
HWND ownDialogOf(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!isDialog(root) || GetWindowThreadProcessId(root, nullptr) != GetCurrentThreadId()) return nullptr;
    return root;
}

// The cancel button of one of this thread's dialogs.
bool isCancelButton(HWND window) {
    return window && GetDlgCtrlID(window) == IDCANCEL && GetParent(window) &&
           ownDialogOf(window) == GetParent(window);
}

// Delivers a user input message that asks to stop and tells whether it was one. The mouse
// on a cancel button goes to the button, which presses, tracks and clicks as usual; the
// close box goes to the window's own tracking; Escape and Alt+F4 become the dialog's Cancel
// and close commands, as the dialog manager would make them.
bool deliverStopGesture(const MSG& msg) {
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST && isCancelButton(msg.hwnd)) {
        DispatchMessageA(&msg);
        return true;
    }
    if (msg.message == WM_NCLBUTTONDOWN && msg.wParam == HTCLOSE && ownDialogOf(msg.hwnd) == msg.hwnd) {
        DispatchMessageA(&msg);
        return true;
    }
    HWND dialog = ownDialogOf(msg.hwnd);
    if (!dialog || !IsWindowEnabled(dialog)) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return true;
    }
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return false;
}

BOOL CALLBACK findQuestion(HWND window, LPARAM result) {
    if (!isDialog(window) || !IsWindowVisible(window) || !IsWindowEnabled(window) || !GetWindow(window, GW_OWNER)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The question a stop gesture opened: a visible, enabled dialog of `thread` with an owner.
HWND openQuestionOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, findQuestion, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

// Handles the messages that arrive while the engine runs: sent messages are delivered by
// PeekMessage itself, a gesture that asks to stop is delivered, other user input is removed
// and dropped, paint messages are dispatched.
void ProcessServicesWin32::serviceMessagesWhileWaiting(HCURSOR waitCursor) {
    MSG msg;
    bool droppedInput = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT | PM_QS_SENDMESSAGE)) {
        deliveringStop_ = true;
        const bool delivered = deliverStopGesture(msg);
        deliveringStop_ = false;
        if (!delivered) droppedInput = true;
    }
    // Moving the mouse makes the window under it set its own cursor again.
    if (droppedInput) SetCursor(waitCursor);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
        DispatchMessageA(&msg);
    }
}

// Blocks until `process` has ended.
void ProcessServicesWin32::waitForEnd(HANDLE process) {
    HCURSOR waitCursor = LoadCursor(nullptr, IDC_WAIT);
    HCURSOR previous = SetCursor(waitCursor);
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE,
                                                     QS_INPUT | QS_PAINT | QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0 + 1) {
            serviceMessagesWhileWaiting(waitCursor);
            continue;
        }
        if (woke != WAIT_OBJECT_0) {
            // The message wait itself failed: still wait for the end, without messages.
            WaitForSingleObject(process, INFINITE);
        }
        break;
    }
    SetCursor(previous);
}

std::string ProcessServicesWin32::moduleFileName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        // A name that fills the buffer may have been cut: ask again with more room.
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::vector<std::string> ProcessServicesWin32::arguments() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    return args;
}

bool ProcessServicesWin32::setCurrentDirectory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

ProcessRun ProcessServicesWin32::runAndWait(const std::string& commandLine) {
    // CreateProcessA may write into the command line: hand it a copy of its own.
    std::string buffer = commandLine;
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &buffer[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    running_ = info.hProcess;
    stopped_ = false;
    waitingThread_ = GetCurrentThreadId();
    HANDLE endWatch = nullptr;
    if (!RegisterWaitForSingleObject(&endWatch, info.hProcess, onProgramEnded, this, INFINITE,
                                     WT_EXECUTEONLYONCE | WT_EXECUTELONGFUNCTION)) {
        endWatch = nullptr;  // a question open at the end is then answered by the user alone
    }
    waitForEnd(info.hProcess);
    // Returns once a running callback has finished.
    if (endWatch) UnregisterWaitEx(endWatch, INVALID_HANDLE_VALUE);
    running_ = nullptr;
    ProcessRun run;
    if (stopped_) {
        run.end = ProcessRun::End::Stopped;
    } else {
        DWORD code = 0;
        // The engine ran; an exit code that cannot be read counts as a failure of the run.
        run.end = ProcessRun::End::Exited;
        run.exitCode = GetExitCodeProcess(info.hProcess, &code) ? static_cast<uint32_t>(code) : UINT32_MAX;
    }
    CloseHandle(info.hProcess);
    return run;
}

void CALLBACK ProcessServicesWin32::onProgramEnded(void* self, BOOLEAN) {
    auto& services = *static_cast<ProcessServicesWin32*>(self);
    // The question may still be on its way to the screen: look again until it is there or
    // the gesture has been handled.
    while (services.deliveringStop_) {
        if (HWND question = openQuestionOf(services.waitingThread_)) {
            PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
            return;
        }
        Sleep(20);
    }
}

bool ProcessServicesWin32::stopRunning() {
    if (!running_ || stopped_) return false;
    // Ended by itself meanwhile (while the user was asked, say): that end is its result.
    if (WaitForSingleObject(running_, 0) != WAIT_TIMEOUT) return false;
    if (!TerminateProcess(running_, 1)) {
        // It may have ended in the very moment: then its own end stands.
        return false;
    }
    stopped_ = true;
    // The files it held are closed only once it is gone.
    WaitForSingleObject(running_, kStopTimeoutMs);
    return true;
}
}  // namespace vokanti
