// Stand-in for the engine vokan.exe, for tests only; it never ships.
// Writes its command line, exactly as the platform handed it over, to "vokan-cmdline.txt"
// beside itself and the current directory it was started in to "vokan-cwd.txt", then exits with the code written in "vokan-exitcode.txt" beside itself
// (decimal or 0x-hex, any 32-bit value; 0 when the file is missing), after waiting the
// milliseconds written in "vokan-delay.txt" when that file exists.
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
    unsigned long delay = 0;
    if (readNumber("vokan-delay.txt", delay)) Sleep(static_cast<DWORD>(delay));
    unsigned long code = 0;
    readNumber("vokan-exitcode.txt", code);
    ExitProcess(static_cast<UINT>(code));
}
