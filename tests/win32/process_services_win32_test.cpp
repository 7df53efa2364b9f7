// The engine run on real processes, with the stand-in engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/win32/process_services_win32.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

class EngineDir : public ::testing::Test {
protected:
    EngineDir() { dir.copyIn(hostPath(VOKAN_STANDIN_PATH), "vokan.exe"); }
    std::string engine() const { return dir.file("vokan.exe"); }
    void exitWith(const std::string& code) { dir.write("vokan-exitcode.txt", code); }

    ScratchDir dir;
    ProcessServicesWin32 process;
};

TEST_F(EngineDir, TheEngineGetsTheExactCommandLineAndAllBitsOfItsExitCode) {
    const std::string commandLine =
        engine() + " -t -H -l 2 -L 30 -i \"C:/Docs/ソ 表.txt\" -o \"C:/out dir/a.vkndb5s\" -d \"x\"";
    // 259 is the "still active" status: it must end the wait like any other code.
    for (const char* code : {"0", "259", "0xC0000005", "0xFFFFFFFF"}) {
        exitWith(code);
        EXPECT_EQ(process.runAndWait(commandLine), std::strtoul(code, nullptr, 0)) << code;
        EXPECT_EQ(dir.read("vokan-cmdline.txt"), commandLine);
    }
}

TEST_F(EngineDir, AProgramThatCannotStartIsReportedAtOnce) {
    const DWORD before = GetTickCount();
    EXPECT_FALSE(process.runAndWait(dir.file("missing.exe") + " -t").has_value());
    EXPECT_FALSE(process.runAndWait("").has_value());
    EXPECT_LT(GetTickCount() - before, 5000u);
}

std::atomic<int> g_paints{0}, g_keys{0};

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++g_paints;
    if (message == WM_KEYDOWN) ++g_keys;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Processor time (user + kernel) of this process in milliseconds.
double processorMs() {
    FILETIME unused, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &unused, &unused, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return ((static_cast<int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

TEST_F(EngineDir, WhileWaitingTheWindowPaintsDropsInputAndTheProcessorIdles) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = countingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VokantiWaitProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                  100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window);
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = 'A';
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof(INPUT));
    ASSERT_TRUE(waitUntil([] { return g_keys > 0; }, 5000)) << "typed keys do not reach the probe";
    g_keys = 0;
    const int paintsBefore = g_paints;

    dir.write("vokan-delay.txt", "1500");
    std::atomic<bool> done{false};
    std::thread user([&] {  // damages the window and types into it while the engine runs
        for (; !done; Sleep(100)) {  // the pace of the simulated user, not a wait for a result
            InvalidateRect(window, nullptr, TRUE);
            SendInput(2, key, sizeof(INPUT));
        }
    });
    const double before = processorMs();
    EXPECT_EQ(process.runAndWait(engine()), 0u);
    EXPECT_LT(processorMs() - before, 500.0) << "the wait used the processor";
    EXPECT_EQ(g_keys, 0);
    EXPECT_GT(g_paints, paintsBefore) << "the window was not painted during the wait";
    done = true;
    user.join();
    // Keys typed during the wait were dropped, not kept: at most the last ones arrive now.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_LE(g_keys, 2);
    DestroyWindow(window);
}

}  // namespace
}  // namespace vokanti::testing
