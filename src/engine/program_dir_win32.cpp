// The executable's directory from GetModuleFileNameW; arguments from the wide command line.
#include "engine/program_dir.h"

#include <cstdio>
#include <windows.h>
#include <shellapi.h>

namespace vokan {

std::wstring toWide(std::string_view utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string fromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                            n, nullptr, nullptr);
    return utf8;
}

std::wstring widePath(const std::string& utf8) {
    std::wstring wide = toWide(utf8);
    if (wide.size() < MAX_PATH - 12) return wide;
    // Long: make it absolute and prefixed, the only form the wide API accepts past MAX_PATH.
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) return wide;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    full.resize(n);
    if (full.rfind(L"\\\\?\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::string programDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return parentDirectory(fromWide(buffer));
}

std::vector<std::string> programArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 1; i < count; ++i) args.push_back(fromWide(wide[i]));
    LocalFree(wide);
    return args;
}

void writeErrorLine(const std::string& utf8) {
    std::wstring wide = toWide(utf8 + "\r\n");
    std::string local;
    if (!wide.empty()) {
        const UINT codePage = GetACP();
        int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
        local.assign(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
        if (n > 0)
            WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), local.data(), n,
                                nullptr, nullptr);
    }
    std::fwrite(local.data(), 1, local.size(), stderr);
    std::fflush(stderr);
}

std::string systemErrorText(unsigned long code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, static_cast<DWORD>(code),
                             MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                             reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string result;
    if (n != 0 && text != nullptr) {
        result = fromWide(std::wstring_view(text, n));
        while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                                   result.back() == ' ' || result.back() == '.'))
            result.pop_back();
    }
    if (text != nullptr) LocalFree(text);
    if (result.empty()) result = "system error " + std::to_string(code);
    return result;
}

}  // namespace vokan
