#include "win32/support/app_driver.h"

#include <functional>
#include <stdexcept>

namespace vokanti::testing {

namespace {

// The text of a window of another process: WM_GETTEXT is carried across processes, while
// GetWindowText does not ask another process's controls.
std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_NORMAL, 10000, &copied);
    text.resize(copied);
    return text;
}

struct Search {
    DWORD processId;
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !IsWindowVisible(window) || !search->match(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// The first visible top-level window of the process for which `match` holds.
HWND windowOf(DWORD processId, std::function<bool(HWND)> match) {
    Search search{processId, std::move(match)};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

AppDriver::AppDriver(bool withEngine) : AppDriver(std::make_shared<ScratchDir>()) {
    directory_->makeDir("env");
    directory_->copyIn(buildFile(VOKANTI_EXE_PATH), "Vokanti.exe");
    if (withEngine) directory_->copyIn(buildFile(VOKAN_STANDIN_PATH), "vokan.exe");
    writeFile("env\\dict.txt", "");
}

AppDriver::AppDriver(std::shared_ptr<ScratchDir> directory)
    : directory_(std::move(directory)), dir_(directory_->path() + "\\") {}

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
    std::string commandLine = "\"" + path("Vokanti.exe") + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir_.c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start Vokanti.exe");
    }
}

HWND AppDriver::waitForMainWindow(DWORD timeoutMs) {
    waitUntil(
        [&] {
            main_ = windowOf(process_.dwProcessId, [](HWND window) {
                return windowText(window).rfind("Vokanti Version", 0) == 0;
            });
            return main_ != nullptr || !running();
        },
        timeoutMs);
    return main_;
}

DWORD AppDriver::waitForExit(DWORD timeoutMs) {
    if (!process_.hProcess || !waitUntil([&] { return !running(); }, timeoutMs)) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

ShownBox AppDriver::waitForBox(const std::string& caption, DWORD timeoutMs) const {
    ShownBox box;
    waitUntil(
        [&] {
            box.window = windowOf(process_.dwProcessId, [&](HWND window) {
                char cls[16] = {};
                GetClassNameA(window, cls, sizeof cls);
                return window != main_ && std::string(cls) == "#32770" &&
                       (caption.empty() || windowText(window) == caption);
            });
            return box.window != nullptr;
        },
        timeoutMs);
    if (!box) return box;
    box.caption = windowText(box.window);
    if (HWND label = GetDlgItem(box.window, 0xFFFF)) box.text = windowText(label);
    return box;
}

bool AppDriver::noBoxWithin(DWORD ms) const {
    sync();
    return !waitForBox("", ms);
}

bool AppDriver::answer(const ShownBox& box, int buttonId, DWORD timeoutMs) const {
    if (!box) return false;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
    return waitUntil([&] { return !IsWindow(box.window); }, timeoutMs);
}

void AppDriver::sync() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

void AppDriver::click(int id) const {
    HWND target = control(id);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void AppDriver::key(HWND target, UINT vk) const {
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

void AppDriver::command(int id) const {
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string AppDriver::text(int id) const { return windowText(control(id)); }

void AppDriver::setText(int id, const std::string& text) const {
    SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace vokanti::testing
