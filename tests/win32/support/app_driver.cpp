#include "win32/support/app_driver.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vokanti::testing {

namespace {

std::string unixToWine(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

void removeTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = dir + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(full + "\\");
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.substr(0, dir.size() - 1).c_str());
}

struct BoxSearch {
    DWORD processId;
    HWND exclude;
    const std::string* caption;
    HWND found;
};

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

BOOL CALLBACK findBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || window == search->exclude || !IsWindowVisible(window)) {
        return TRUE;
    }
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770") return TRUE;
    if (!search->caption->empty() && windowText(window) != *search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

struct MainSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMain(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<MainSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && IsWindowVisible(window) &&
        windowText(window).rfind("Vokanti Version", 0) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string buildFile(const char* unixPath) { return unixToWine(unixPath); }

AppDriver::AppDriver(bool withEngine) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    for (;;) {
        dir_ = std::string(temp) + "vokanti-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++counter) + "\\";
        if (CreateDirectoryA(dir_.substr(0, dir_.size() - 1).c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp dir");
    }
    CreateDirectoryA((dir_ + "env").c_str(), nullptr);
    if (!CopyFileA(buildFile(VOKANTI_EXE_PATH).c_str(), path("Vokanti.exe").c_str(), FALSE)) {
        throw std::runtime_error("cannot copy Vokanti.exe");
    }
    if (withEngine &&
        !CopyFileA(buildFile(VOKAN_STANDIN_PATH).c_str(), path("vokan.exe").c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the stand-in engine");
    }
    writeFile("env\\dict.txt", "");
}

AppDriver::~AppDriver() {
    if (process_.hProcess) {
        if (running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    removeTree(dir_);
}

void AppDriver::writeFile(const std::string& relative, const std::string& content) const {
    std::ofstream(path(relative), std::ios::binary) << content;
}

std::string AppDriver::readFile(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool AppDriver::fileExists(const std::string& relative) const {
    return GetFileAttributesA(path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void AppDriver::setEngineExitCode(unsigned long code) const {
    writeFile("vokan-exitcode.txt", std::to_string(code));
}

void AppDriver::start(const std::string& arguments) {
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
    MainSearch search{process_.dwProcessId, nullptr};
    waitUntil(
        [&] {
            EnumWindows(findMain, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || !running();
        },
        timeoutMs);
    main_ = search.found;
    return main_;
}

DWORD AppDriver::waitForExit(DWORD timeoutMs) {
    if (!process_.hProcess) return STILL_ACTIVE;
    waitUntil([&] { return !running(); }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return running() ? STILL_ACTIVE : code;
}

bool AppDriver::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

ShownBox AppDriver::waitForBox(const std::string& caption, DWORD timeoutMs) const {
    BoxSearch search{process_.dwProcessId, main_, &caption, nullptr};
    waitUntil(
        [&] {
            search.found = nullptr;
            EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    ShownBox box;
    if (!search.found) return box;
    box.window = search.found;
    box.caption = windowText(search.found);
    if (HWND label = GetDlgItem(search.found, 0xFFFF)) box.text = windowText(label);
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
