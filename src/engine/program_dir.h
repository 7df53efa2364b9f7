#pragma once
// Where the program lives, its arguments as UTF-8, and the few path rules the engine needs.
// On Windows the arguments come from the wide command line (split as CommandLineToArgvW
// splits it) and every path is opened through the wide API, so no code page can lose a
// character of a file name.
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

// The directory holding the running executable, UTF-8, without a trailing separator.
// Empty when the system cannot tell.
std::string programDirectory();

// The program's arguments without the program name, UTF-8. POSIX takes argv as it is;
// Windows ignores argv and splits the wide command line.
std::vector<std::string> programArguments(int argc, char** argv);

// Writes one line of text (UTF-8) to the standard error stream, in the code page a console
// of the system shows (Windows: the ANSI code page; POSIX: as it is).
void writeErrorLine(const std::string& utf8);

// A short text for an error number of the system (errno, or GetLastError on Windows).
std::string systemErrorText(unsigned long code);

#ifdef _WIN32
// UTF-8 to UTF-16 for the wide file API; an absolute path too long for the classic limit
// gets the \\?\ prefix, so length is never a reason to fail.
std::wstring widePath(const std::string& utf8);
std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);
#endif

inline bool isSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

// True for "/x" on POSIX; on Windows for "C:\x", "C:/x", "\\server\x" and "\x".
inline bool isAbsolutePath(std::string_view path) {
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return true;
    return !path.empty() && isSeparator(path[0]);
#else
    return !path.empty() && path[0] == '/';
#endif
}

// `path` as it stands when absolute, else below `dir`. Backslashes become slashes on POSIX
// so that a list written on Windows still works there.
inline std::string resolvePath(std::string_view dir, std::string_view path) {
    std::string p(path);
#ifndef _WIN32
    for (char& c : p)
        if (c == '\\') c = '/';
#endif
    if (isAbsolutePath(p) || dir.empty()) return p;
    std::string joined(dir);
    if (!isSeparator(joined.back())) joined += '/';
    return joined + p;
}

// The directory part of `path` ("." when it has none).
inline std::string parentDirectory(std::string_view path) {
    std::size_t end = path.size();
    while (end > 0 && !isSeparator(path[end - 1])) --end;
    if (end == 0) return ".";
    std::size_t keep = end;
    while (keep > 1 && isSeparator(path[keep - 1])) --keep;
#ifdef _WIN32
    if (keep == 2 && path[1] == ':') keep = 3;  // "C:\" stays a root
#endif
    return std::string(path.substr(0, keep));
}

}  // namespace vokan
