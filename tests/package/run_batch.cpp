// run_batch PROGRAM ARGUMENT [TIMEOUT_SECONDS]
//
// Starts PROGRAM with ARGUMENT as its one (quoted) argument, with the program's folder as
// current directory, the way a user's double click on a document dropped onto it does;
// waits for the program's result box (a message box of that process), prints the box's
// text on its own line, presses OK and waits for the program to end.
//
// Exit code: 0 when the text is the success message and the program ended; 1 when the text
// is another message; 2 when no box came or the program did not end in time; 3 on a usage
// or start error. Every wait is bounded.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

// The program's texts are Shift-JIS: this literal is compiled to the same bytes.
const char kSuccess[] = "ファイル作成に成功しました！";

// Text of a window of another process: WM_GETTEXT is carried across processes.
std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_NORMAL, 5000, &copied);
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

bool isMessageBox(HWND window) {
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770") return false;
    // The main window is a dialog too: a message box has the text label and an OK button and
    // is not the window whose title names the program's version.
    if (!GetDlgItem(window, 0xFFFF) || !GetDlgItem(window, IDOK)) return false;
    return windowText(window).rfind("Vokanti Version", 0) != 0;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !IsWindowVisible(window) || !isMessageBox(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND boxOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits until `condition` holds or the process ends (checked every 50 ms); false after
// `timeoutMs`.
template <typename Condition>
bool waitFor(HANDLE process, Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0 && !condition()) return false;
    }
}

// A whole number of seconds from 1 to 3600; nothing for anything else.
std::optional<DWORD> parseSeconds(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    DWORD value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<DWORD>(c - '0');
    }
    if (value < 1 || value > 3600) return std::nullopt;
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: run_batch PROGRAM ARGUMENT [TIMEOUT_SECONDS]\n");
        return 3;
    }
    const std::string program = argv[1];
    DWORD timeoutMs = 120000;
    if (argc == 4) {
        const auto seconds = parseSeconds(argv[3]);
        if (!seconds) {
            std::fprintf(stderr, "run_batch: the time-out must be 1 to 3600 seconds, not '%s'\n", argv[3]);
            return 3;
        }
        timeoutMs = *seconds * 1000;
    }
    std::string directory = program;
    const size_t slash = directory.find_last_of("\\/");
    directory = slash == std::string::npos ? "." : directory.substr(0, slash);

    std::string commandLine = "\"" + program + "\" \"" + argv[2] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        std::fprintf(stderr, "run_batch: cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return 3;
    }
    CloseHandle(process.hThread);

    HWND box = nullptr;
    if (!waitFor(process.hProcess, [&] { return (box = boxOf(process.dwProcessId)) != nullptr; }, timeoutMs)) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        std::fprintf(stderr, code == STILL_ACTIVE ? "run_batch: no result box within the time-out\n"
                                                  : "run_batch: the program ended without a result box\n");
        if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        return 2;
    }
    const std::string text = windowText(GetDlgItem(box, 0xFFFF));
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);

    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended) {
        std::fprintf(stderr, "run_batch: the program did not end after its result box\n");
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    if (!ended) return 2;
    return text == kSuccess ? 0 : 1;
}
