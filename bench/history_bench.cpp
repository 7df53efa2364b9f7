// Benchmark, run by hand (not part of ctest): how long loading the histories takes on the
// real controls of a main-dialog window, for histories of 1,000, 10,000 and 100,000 lines,
// beside the naive way of inserting every entry at the top of each list; and how much
// processor time the front-end uses while an engine runs for 3 seconds.
//
//   history_bench.exe [largest line count, default 100000]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "lists/list_file.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/process_services_win32.h"
#include "ui/vokanti_dlg.h"
#include "ui/win32/resource.h"
#include "ui/win32/win32_form.h"

using namespace vokanti;

namespace {

// Services the loading never uses.
class NoProfile : public ProfileStore {
public:
    int32_t readInt(const char*, const char*, int32_t fallback) override { return fallback; }
    bool writeInt(const char*, const char*, int32_t) override { return true; }
};
class NoShell : public ShellServices {
public:
    int open(const std::string&, const std::string&, const std::string&) override { return 0; }
    std::optional<std::string> desktopDirectory() override { return std::nullopt; }
};
class NoPrompts : public Prompts {
public:
    void resultBox(const std::string& text) override { std::printf("result box: %s\n", text.c_str()); }
    bool confirm(const std::string&, const std::string&) override { return false; }
    void showText(const std::string&, const std::string&) override {}
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> favoriteTitle() override { return std::nullopt; }
    void about() override {}
};

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double processorMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

std::string directoryOfThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.find_last_of("\\/") + 1);
}

std::string makeProgramDir() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string dir = std::string(temp) + "vokanti-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "\\env").c_str(), nullptr);
    std::string slashed = dir + "/";
    for (char& c : slashed) {
        if (c == '\\') c = '/';
    }
    return slashed;
}

void writeHistory(const std::string& path, int lines, const char* kind) {
    std::string content;
    for (int i = 0; i < lines; ++i) {
        content += "C:/Users/yamada/Documents/英文/";
        content += kind;
        content += "/article-" + std::to_string(i) + (i % 7 == 0 ? "-long-title-of-the-page" : "") + ".html\r\n";
    }
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &done, nullptr);
    CloseHandle(h);
}

// The naive way: every entry inserted at the top of each list as it is read.
void loadOneByOne(Form& form, FileSystem& files, const std::string& programDir) {
    form.clearEntries(IDC_INPUT);
    form.clearEntries(IDC_HISTORY_LIST);
    form.clearEntries(IDC_OUTPUT);
    std::string line;
    ListFile in(files);
    if (in.open(programDir + "env/in_history.txt", OpenMode::ReadWrite)) {
        while (in.readLine(line)) {
            form.insertEntry(IDC_INPUT, 0, line);
            form.insertEntry(IDC_HISTORY_LIST, 0, line);
        }
    }
    ListFile out(files);
    if (out.open(programDir + "env/out_history.txt", OpenMode::ReadWrite)) {
        while (out.readLine(line)) form.insertEntry(IDC_OUTPUT, 0, line);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int largest = argc > 1 ? std::atoi(argv[1]) : 100000;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VOKANTI_DIALOG),
                                     nullptr, plainDialogProc, 0);
    if (!window) {
        std::printf("cannot create the main dialog window\n");
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    ShowWindow(GetDlgItem(window, IDC_HISTORY_LIST), SW_SHOW);
    pumpMessages();

    Win32Form form;
    form.attach(window);
    NoProfile profile;
    FileSystemWin32 files;
    ProcessServicesWin32 process;
    NoShell shell;
    NoPrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg(form, platform);
    dlg.ProgramDir = makeProgramDir();

    std::printf("history lines  loadHistories (ms)  one by one at index 0 (ms)\n");
    for (int lines = 1000; lines <= largest; lines *= 10) {
        writeHistory(dlg.envPath("env/in_history.txt"), lines, "in");
        writeHistory(dlg.envPath("env/out_history.txt"), lines, "out");

        double start = nowMs();
        dlg.loadHistories();
        pumpMessages();
        const double ours = nowMs() - start;
        dlg.closeHistories();
        const bool sameTop = form.entry(IDC_HISTORY_LIST, 0).find(std::to_string(lines - 1)) !=
                             std::string::npos;

        start = nowMs();
        loadOneByOne(form, files, dlg.ProgramDir);
        pumpMessages();
        const double naive = nowMs() - start;
        const bool sameCount = form.entryCount(IDC_HISTORY_LIST) == lines &&
                               form.entryCount(IDC_OUTPUT) == lines;
        std::printf("%13d  %18.1f  %26.1f%s\n", lines, ours, naive,
                    sameTop && sameCount ? "" : "  (lists differ!)");
        std::fflush(stdout);
    }

    // The front-end's processor time while the stand-in engine runs for 3 seconds.
    const std::string engineDir = dlg.ProgramDir;
    CopyFileA((directoryOfThisProgram() + "vokan.exe").c_str(), (engineDir + "vokan.exe").c_str(), FALSE);
    HANDLE delay = CreateFileA((engineDir + "vokan-delay.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(delay, "3000", 4, &done, nullptr);
    CloseHandle(delay);
    const double cpuBefore = processorMs();
    const double wallBefore = nowMs();
    const auto code = process.runAndWait(engineDir + "vokan.exe");
    std::printf("engine run: %.0f ms wall, %.1f ms processor time of the front-end, exit code %s\n",
                nowMs() - wallBefore, processorMs() - cpuBefore,
                code ? std::to_string(*code).c_str() : "(not started)");

    form.detach();
    DestroyWindow(window);
    for (const char* name : {"env/in_history.txt", "env/out_history.txt", "vokan.exe", "vokan-delay.txt",
                             "vokan-cmdline.txt", "vokan-cwd.txt"}) {
        DeleteFileA((engineDir + name).c_str());
    }
    RemoveDirectoryA((engineDir + "env").c_str());
    RemoveDirectoryA(engineDir.c_str());
    return 0;
}
