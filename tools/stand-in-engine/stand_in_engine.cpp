// Stand-in for the engine vokan.exe, for tests only; it never ships.
// Writes its command line, exactly as the platform handed it over, to "vokan-cmdline.txt"
// beside itself and the current directory it was started in to "vokan-cwd.txt", then exits with the code written in "vokan-exitcode.txt" beside itself
// (decimal or 0x-hex, any 32-bit value; 0 when the file is missing), after waiting the
// milliseconds written in "vokan-delay.txt" when that file exists. While it waits it holds
// the output as the engine does: written to "<output>.vokan-tmp" (the -o path, relative to
// the current directory) and moved into place at the end when the exit code is 0, removed
// otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string besideMe(const char* name) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of("\\/");
    return path.substr(0, slash + 1) + name;
}

bool readNumber(const char* name, unsigned long& value) {
    FILE* f = std::fopen(besideMe(name).c_str(), "rb");
    if (!f) return false;
    char text[64] = {};
    const size_t n = std::fread(text, 1, sizeof text - 1, f);
    std::fclose(f);
    text[n] = '\0';
    value = std::strtoul(text, nullptr, 0);
    return true;
}

// The text after ` -o "` up to the next quote; empty when there is none.
std::string outputPath(const char* commandLine) {
    const char* start = std::strstr(commandLine, " -o \"");
    if (!start) return {};
    start += 5;
    const char* end = std::strchr(start, '"');
    return end ? std::string(start, end) : std::string();
}

}  // namespace

int main() {
    const char* commandLine = GetCommandLineA();
    if (FILE* f = std::fopen(besideMe("vokan-cmdline.txt").c_str(), "wb")) {
        std::fwrite(commandLine, 1, std::strlen(commandLine), f);
        std::fclose(f);
    }
    if (FILE* f = std::fopen(besideMe("vokan-cwd.txt").c_str(), "wb")) {
        char directory[4096] = {};
        const DWORD n = GetCurrentDirectoryA(sizeof directory, directory);
        if (n > 0 && n < sizeof directory) std::fwrite(directory, 1, n, f);
        std::fclose(f);
    }
    unsigned long code = 0;
    readNumber("vokan-exitcode.txt", code);
    unsigned long delay = 0;
    if (readNumber("vokan-delay.txt", delay)) {
        const std::string output = outputPath(commandLine);
        const std::string temporary = output + ".vokan-tmp";
        HANDLE held = INVALID_HANDLE_VALUE;
        if (!output.empty()) {
            held = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            if (held != INVALID_HANDLE_VALUE) WriteFile(held, "new list", 8, &written, nullptr);
        }
        Sleep(static_cast<DWORD>(delay));
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
            if (code == 0) {
                MoveFileExA(temporary.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING);
            } else {
                DeleteFileA(temporary.c_str());
            }
        }
    }
    ExitProcess(static_cast<UINT>(code));
}
