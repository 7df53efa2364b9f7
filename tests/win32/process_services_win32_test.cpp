#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/win32/process_services_win32.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

// A program directory with the stand-in engine in it.
class EngineDir : public ::testing::Test {
protected:
    EngineDir() { dir.copyIn(hostPath(VOKAN_STANDIN_PATH), "vokan.exe"); }
    std::string engine() const { return dir.file("vokan.exe"); }
    void exitWith(const std::string& code) { dir.write("vokan-exitcode.txt", code); }

    ScratchDir dir;
    ProcessServicesWin32 process;
};

TEST_F(EngineDir, TheEngineGetsTheExactCommandLineAndItsExitCodeComesBack) {
    const std::string commandLine = engine() +
        " -t -H -l 2 -L 30 -i \"C:/Docs/ソ 表.txt\" -o \"C:/out dir/a.vkndb5s\" -d \"x\"";
    exitWith("0");
    EXPECT_EQ(process.runAndWait(commandLine), 0u);
    EXPECT_EQ(dir.read("vokan-cmdline.txt"), commandLine);

    exitWith("259");  // the "still active" status ends the wait like any other code
    EXPECT_EQ(process.runAndWait(engine()), 259u);
    exitWith("0xC0000005");
    EXPECT_EQ(process.runAndWait(engine()), 0xC0000005u);
    exitWith("16");
    EXPECT_EQ(process.runAndWait(engine() + " -p"), 16u);
    EXPECT_EQ(dir.read("vokan-cmdline.txt"), engine() + " -p");
}

TEST_F(EngineDir, AProgramThatCannotStartIsReportedAtOnce) {
    const DWORD before = GetTickCount();
    EXPECT_FALSE(process.runAndWait(dir.file("missing.exe") + " -t").has_value());
    EXPECT_FALSE(process.runAndWait("").has_value());
    EXPECT_LT(GetTickCount() - before, 5000u);
}

TEST_F(EngineDir, TheEngineInheritsTheCurrentDirectory) {
    dir.makeDir("work");
    std::string work = dir.file("work") + "\\";
    for (char& c : work) {
        if (c == '\\') c = '/';
    }
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(process.setCurrentDirectory(work));
    char now[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof now, now);
    EXPECT_STREQ(now, dir.file("work").c_str());
    EXPECT_EQ(process.runAndWait(engine() + " -x"), 0u);
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(dir.read("vokan-cwd.txt"), dir.file("work"));
    EXPECT_FALSE(process.setCurrentDirectory(dir.file("nowhere")));
}

// A window that counts what reaches its procedure.
struct Counts {
    std::atomic<int> paints{0};
    std::atomic<int> keys{0};
    std::atomic<int> clicks{0};
};
Counts* g_counts = nullptr;

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            ++g_counts->paints;
            return 0;
        }
        case WM_KEYDOWN:
        case WM_CHAR:
            ++g_counts->keys;
            return 0;
        case WM_LBUTTONDOWN:
            ++g_counts->clicks;
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Processor time (user + kernel) of this process in milliseconds.
double processorMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return ((static_cast<int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

TEST_F(EngineDir, WhileWaitingTheWindowPaintsRefusesInputAndTheProcessorIdles) {
    Counts counts;
    g_counts = &counts;
    WNDCLASSA wc{};
    wc.lpfnWndProc = countingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VokantiWaitProbe";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "wait probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
    // Let the first paint and activation pass.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    // The probe works: outside a wait, a typed key reaches the window.
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = 'A';
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, key, sizeof(INPUT)), 2u);
    for (DWORD start = GetTickCount(); counts.keys == 0 && GetTickCount() - start < 5000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    ASSERT_GT(counts.keys, 0) << "typed keys do not reach the probe window";
    counts.keys = 0;
    const int paintsBefore = counts.paints;

    dir.write("vokan-delay.txt", "1500");
    exitWith("3");
    std::atomic<bool> done{false};
    // While the engine runs, another thread damages the window and types into it.
    std::thread user([&] {
        while (!done) {
            InvalidateRect(window, nullptr, TRUE);
            SendInput(2, key, sizeof(INPUT));
            Sleep(100);  // pacing of the simulated user, not a wait for a result
        }
    });
    const double before = processorMs();
    const DWORD started = GetTickCount();
    const auto code = process.runAndWait(engine());
    const DWORD elapsed = GetTickCount() - started;
    const double used = processorMs() - before;
    done = true;
    user.join();
    const int keysDuringWait = counts.keys;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

    EXPECT_EQ(code, 3u);
    EXPECT_GE(elapsed, 1400u);
    EXPECT_GT(counts.paints, paintsBefore) << "the window was not painted during the wait";
    EXPECT_EQ(keysDuringWait, 0);
    // Typed keys were dropped, not kept for later: only what the thread typed after the
    // wait ended (at most one key pair: a key-down and its character) can reach the window.
    EXPECT_LE(counts.keys - keysDuringWait, 2);
    // Polling would keep one processor busy for the whole 1.5 s.
    EXPECT_LT(used, 500.0) << "the wait used the processor";
    DestroyWindow(window);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
    g_counts = nullptr;
}

}  // namespace
}  // namespace vokanti::testing
