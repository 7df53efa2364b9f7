#pragma once
// Runs the real vokan program in a program directory of a test's own: a copy of the
// executable beside an env/ the test writes, started with a chosen current directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vokan::test {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs `exe` with `args` in `cwd`, its output and error output into `errPath`, and waits for
// its exit code.
#ifdef _WIN32

inline int runProgram(const fs::path& exe, const std::vector<std::string>& args, const fs::path& cwd,
                      const fs::path& errPath) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    for (const std::string& a : args) commandLine += L" \"" + fs::u8path(a).wstring() + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE err = CreateFileW(errPath.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = err;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        cwd.wstring().c_str(), &si, &pi);
    CloseHandle(err);
    if (!started) {
        ADD_FAILURE() << "cannot start " << exe;
        return -1;
    }
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 99);
        ADD_FAILURE() << "vokan did not end within 60 s";
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

#else

inline int runProgram(const fs::path& exe, const std::vector<std::string>& args, const fs::path& cwd,
                      const fs::path& errPath) {
    std::vector<const char*> argv{exe.c_str()};
    for (const std::string& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        int fd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || dup2(fd, 2) < 0 || dup2(fd, 1) < 0 || chdir(cwd.c_str()) != 0) _exit(98);
        execv(argv[0], const_cast<char* const*>(argv.data()));
        _exit(97);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        ADD_FAILURE() << "cannot run " << exe;
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#endif

struct RunResult {
    int exitCode = -1;
    std::string stderrText;
};

// A fresh program directory under the system's temporary folder, removed at the end.
class ProgramDir {
public:
    ProgramDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / (std::string("vokan-") + info->test_suite_name() + "-" + info->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "env");
        fs::create_directories(root_ / "work");
        exe_ = root_ / fs::path(VOKAN_PATH).filename();
        fs::copy_file(VOKAN_PATH, exe_);
    }
    ~ProgramDir() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const fs::path& root() const { return root_; }
    fs::path env(const std::string& name) const { return root_ / "env" / name; }
    // The current directory of each run: not the program directory, so that relative
    // paths prove which base they are taken against.
    fs::path work(const std::string& name = {}) const { return name.empty() ? root_ / "work" : root_ / "work" / name; }

    // Every list file present and harmless, and one Shift-JIS dictionary.
    void writeDefaults() const {
        writeFile(env("dict.txt"), "# dictionaries\r\ndic\\main.dic\r\n");
        writeFile(env("ignore.txt"), "the\r\nand\r\n");
        writeFile(env("replace.txt"), "went go\r\n");
        writeFile(env("symbol.txt"), "\x81\x66\t'\r\n");  // ’ to ', Shift-JIS
        // cat 猫 / dog 犬 / go 行く, sorted.
        writeFile(root_ / "dic" / "main.dic",
                  "cat /// \x94\x4C\r\ndog /// \x8C\xA2\r\ngo /// \x8D\x73\x82\xAD\r\n");
    }

    // Runs vokan with `args` in work().
    RunResult run(const std::vector<std::string>& args) const {
        const fs::path errPath = root_ / "stderr.txt";
        // A braced list is evaluated in order: the run, then its error output.
        RunResult result{runProgram(exe_, args, work(), errPath), readFile(errPath)};
        fs::remove(errPath);
        return result;
    }

private:
    fs::path root_;
    fs::path exe_;
};

}  // namespace vokan::test
