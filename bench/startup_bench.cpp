// What the user waits for, measured from outside the program, run by hand under Wine:
// - start-up: from the creation of the Vokanti.exe process until its main window answers
//   a message, with 0, 1,000, 10,000 and 100,000 lines in each history;
// - a job: from a click on the start button until the engine has started (the stand-in
//   engine writes its command line as its first act), with empty and with 100,000-line
//   histories.
// Each figure is the median of 5 runs. The programs run in temporary program directories.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "win32/support/app_driver.h"

using vokanti::testing::AppDriver;

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string history(int lines, const char* pattern) {
    std::string text;
    char line[128];
    for (int i = 0; i < lines; ++i) {
        std::snprintf(line, sizeof line, pattern, i);
        text.append(line).append("\r\n");
    }
    return text;
}

void prepare(const AppDriver& app, int lines) {
    app.writeFile("env\\in_history.txt", history(lines, "C:/Users/me/Documents/articles/input-%06d.html"));
    app.writeFile("env\\out_history.txt", history(lines, "C:/Users/me/Desktop/output-%06d.csv"));
}

struct Found {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK findMain(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char caption[32] = {};
    if (pid == found->pid && IsWindowVisible(window) && GetWindowTextA(window, caption, sizeof caption) &&
        std::string(caption).rfind("Vokanti Version", 0) == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from process creation until the main window has answered WM_NULL.
double startUp(AppDriver& app) {
    const double start = now();
    app.start();
    Found found{app.processId(), nullptr};
    while (!found.window) {
        EnumWindows(findMain, reinterpret_cast<LPARAM>(&found));
        if (!found.window) Sleep(1);
        if (now() - start > 120000) return -1;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(found.window, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &ignored);
    return now() - start;
}

// Milliseconds from the click on the start button until the engine has started.
double job(AppDriver& app) {
    DeleteFileA(app.path("vokan-cmdline.txt").c_str());
    const double start = now();
    app.click(IDC_OK);
    while (GetFileAttributesA(app.path("vokan-cmdline.txt").c_str()) == INVALID_FILE_ATTRIBUTES) {
        Sleep(1);
        if (now() - start > 120000) return -1;
    }
    const double elapsed = now() - start;
    app.answer(app.waitForBox(), IDOK);
    return elapsed;
}

}  // namespace

int main() {
    constexpr int kRuns = 5;
    std::printf("| lines in each history | start-up until the window answers (median of %d) |\n", kRuns);
    std::printf("|---:|---:|\n");
    double empty = 0;
    for (int lines : {0, 1000, 10000, 100000}) {
        AppDriver app;
        prepare(app, lines);
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            times.push_back(startUp(app));
            PostMessageA(app.waitForMainWindow(), WM_COMMAND, IDCANCEL, 0);
            app.waitForExit();
        }
        const double m = median(times);
        if (lines == 0) empty = m;
        std::printf("| %d | %.0f ms (%.1f x empty) |\n", lines, m, m / empty);
        std::fflush(stdout);
    }

    std::printf("\n| lines in each history | start button to engine start (median of %d) |\n", kRuns);
    std::printf("|---:|---:|\n");
    for (int lines : {0, 100000}) {
        AppDriver app;
        prepare(app, lines);
        app.start();
        app.waitForMainWindow();
        app.setText(IDC_INPUT, "C:/Users/me/Documents/sample.txt");
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) times.push_back(job(app));
        std::printf("| %d | %.1f ms |\n", lines, median(times));
        std::fflush(stdout);
    }
    return 0;
}
