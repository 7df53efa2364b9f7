// Vokanti.exe itself: the main window opens and the Cancel command ends the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace vokanti::testing {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK findProcessWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST(VokantiApp, TheMainWindowOpensAndCancelEndsTheProgram) {
    std::string commandLine = std::string("\"") + VOKANTI_EXE_PATH + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    // Idle for input: the modal loop is waiting in GetMessage, so the window is up.
    EXPECT_EQ(WaitForInputIdle(process.hProcess, 30000), 0u);
    WindowSearch search{process.dwProcessId};
    EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(search.found, nullptr);
    char caption[64] = {};
    GetWindowTextA(search.found, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vokanti Version 2.3.0");
    EXPECT_NE(GetDlgItem(search.found, 1034), nullptr);  // the input combo box

    PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
    const DWORD ended = WaitForSingleObject(process.hProcess, 30000);
    EXPECT_EQ(ended, WAIT_OBJECT_0);
    if (ended != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace vokanti::testing
