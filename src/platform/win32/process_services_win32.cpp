#include "platform/win32/process_services_win32.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>

namespace vokanti {

namespace {

// Handles the messages that arrive while the engine runs: sent messages are delivered by
// PeekMessage itself, user input is removed and dropped, paint messages are dispatched.
void serviceMessagesWhileWaiting(HCURSOR waitCursor) {
    MSG msg;
    bool droppedInput = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT | PM_QS_SENDMESSAGE)) {
        droppedInput = true;
    }
    // Moving the mouse makes the window under it set its own cursor again.
    if (droppedInput) SetCursor(waitCursor);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
        DispatchMessageA(&msg);
    }
}

// Blocks until `process` has ended.
void waitForEnd(HANDLE process) {
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

}  // namespace

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

std::optional<uint32_t> ProcessServicesWin32::runAndWait(const std::string& commandLine) {
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
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    waitForEnd(info.hProcess);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(info.hProcess, &code) != 0;
    CloseHandle(info.hProcess);
    // The engine ran; an exit code that cannot be read counts as a failure of the run.
    if (!known) return UINT32_MAX;
    return static_cast<uint32_t>(code);
}

}  // namespace vokanti
