#include "win32/support/app_driver.h"

#include <functional>
#include <stdexcept>

namespace vokanti::testing {
namespace {

// The text of a window of another process: WM_GETTEXT is carried across processes, while
// GetWindowText does not ask another process's controls.
std::string windowText(HWND window) {
    DWORD_PTR length = 0, copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length)) return {};
    std::string text(length + 1, '\0');
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, 10000, &copied);
    text.resize(copied);
    return text;
}

struct Search {
    DWORD processId;
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != s->processId || !IsWindowVisible(window) || !s->match(window)) return TRUE;
    return s->found = window, FALSE;
}

// The first visible top-level window of the process for which `match` holds.
HWND windowOf(DWORD processId, std::function<bool(HWND)> match) {
    Search search{processId, std::move(match)};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

AppDriver::AppDriver() : AppDriver(std::make_shared<ScratchDir>()) {
    directory_->makeDir("env");
    directory_->copyIn(hostPath(VOKANTI_EXE_PATH), "Vokanti.exe");
    directory_->copyIn(hostPath(VOKAN_STANDIN_PATH), "vokan.exe");
    writeFile("env\\dict.txt", "");
}

AppDriver::AppDriver(const std::string& program) : program_(program) {
    const size_t slash = program.find_last_of("\\/");
    dir_ = slash == std::string::npos ? ".\\" : program.substr(0, slash + 1);
}

void AppDriver::useRealEngine() const {
    directory_->copyIn(hostPath(VOKAN_ENGINE_PATH), "vokan.exe");
    for (const char* folder : {"env", "dic", "sample"}) {
        directory_->copyFolderIn(hostPath(VOKAN_DIST_DIR) + "\\" + folder, folder);
    }
}

std::unique_ptr<AppDriver> AppDriver::secondInstance() const {
    return std::unique_ptr<AppDriver>(new AppDriver(directory_));
}

void AppDriver::endProgram() {
    if (!process_.hProcess) return;
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    main_ = nullptr;
}

void AppDriver::start(const std::string& arguments) {
    endProgram();
    std::string commandLine = "\"" + program_ + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &startup,
                        &process_)) {
        throw std::runtime_error("cannot start Vokanti.exe");
    }
}

HWND AppDriver::waitForMainWindow(DWORD timeoutMs) {
    waitUntil(
        [&] {
            main_ = windowOf(process_.dwProcessId,
                             [](HWND window) { return windowText(window).rfind("Vokanti Version", 0) == 0; });
            return main_ != nullptr || !running();
        },
        timeoutMs);
    return main_;
}

DWORD AppDriver::waitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess && waitUntil([&] { return !running(); }, timeoutMs)) {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

ShownBox AppDriver::waitForBox(const std::string& caption, DWORD timeoutMs) const {
    ShownBox box;
    waitUntil(
        [&] {
            box.window = windowOf(process_.dwProcessId, [&](HWND window) {
                return window != main_ && classOf(window) == "#32770" &&
                       (caption.empty() || windowText(window) == caption);
            });
            return box.window != nullptr || !running();
        },
        timeoutMs);
    if (!box) return box;
    box.caption = windowText(box.window);
    if (HWND label = GetDlgItem(box.window, 0xFFFF)) box.text = windowText(label);
    return box;
}

bool AppDriver::answer(const ShownBox& box, int buttonId, DWORD timeoutMs) const {
    if (!box) return false;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
    return waitUntil([&] { return !IsWindow(box.window); }, timeoutMs);
}

}  // namespace vokanti::testing
