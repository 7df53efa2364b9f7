// The Win32 platform services on Wine's real files, processes and profile: files
// shared with nobody and replaced in one step, favorites rewritten through them, profile
// integers read as the platform reads them, the engine run and waited for.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "core/integer_text.h"
#include "lists/favorites.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/process_services_win32.h"
#include "platform/win32/profile_store_win32.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

class Win32Files : public ::testing::Test {
protected:
    ScratchDir dir;
    FileSystemWin32 files;
};

TEST_F(Win32Files, AnOpenFileIsSharedWithNobodyAndCreateEmptiesOnlyWhatItHolds) {
    const OpenMode modes[] = {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create};
    const std::string path = dir.file("list.txt");
    for (OpenMode held : modes) {
        dir.write("list.txt", "one\r\n");
        auto first = files.open(path, held);
        ASSERT_NE(first, nullptr);
        for (OpenMode second : modes) EXPECT_EQ(files.open(path, second), nullptr);
        // Even an opener willing to share everything is refused, and so is removal.
        HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(other, INVALID_HANDLE_VALUE);
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        EXPECT_FALSE(files.remove(path));
        first.reset();
        // The refused Create emptied nothing; a Create that holds the file empties it.
        EXPECT_EQ(dir.read("list.txt"), held == OpenMode::Create ? "" : "one\r\n");
    }
    std::string fresh = dir.file("new.txt");
    std::replace(fresh.begin(), fresh.end(), '\\', '/');  // forward slashes work as well
    EXPECT_FALSE(files.open(fresh, OpenMode::Read) || files.open(fresh, OpenMode::ReadWrite) || files.exists(fresh));
    EXPECT_NE(files.open(fresh, OpenMode::Create), nullptr);
    EXPECT_TRUE(dir.exists("new.txt"));
}

TEST_F(Win32Files, WritesReachTheSystemAtOnceAndReplacement) {
    const std::string a = dir.file("a.txt");
    EXPECT_FALSE(files.readModStamp(a).has_value() || files.remove(a));
    EXPECT_TRUE(files.exists(dir.path()));  // a directory exists too
    dir.write("a.txt", "abc\r\n");
    auto file = files.open(a, OpenMode::ReadWrite);
    ASSERT_NE(file, nullptr);
    char buffer[16] = {};
    EXPECT_EQ(file->read(buffer, sizeof buffer), 5);
    EXPECT_EQ(file->read(buffer, sizeof buffer), 0);
    ASSERT_TRUE(file->seekToEnd() && file->write("xyz\r\n", 5));
    WIN32_FILE_ATTRIBUTE_DATA data{};  // the size as the system sees it, the file still open
    ASSERT_TRUE(GetFileAttributesExA(a.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 10u);
    ASSERT_TRUE(file->truncate(3) && file->write("!", 1));  // at the new end
    file.reset();
    EXPECT_EQ(dir.read("a.txt"), "abc!");

    EXPECT_TRUE(files.readModStamp(a).has_value());

    dir.write("b.txt", "new");
    EXPECT_TRUE(files.replace(dir.file("b.txt"), a) && !dir.exists("b.txt"));
    EXPECT_EQ(dir.read("a.txt"), "new");
    // A read-only target is refused, as Windows refuses it (Wine alone would replace it).
    dir.write("b.txt", "newer");
    ASSERT_TRUE(SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files.replace(dir.file("b.txt"), a));
    EXPECT_EQ(dir.read("a.txt"), "new");
    SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.remove(a) && !files.exists(a));
}

TEST_F(Win32Files, FavoritesRewritesReplaceTheFileWholeOrLeaveItAsItWas) {
    const std::string old = "Times\r\nC:/news/times.html\r\n", path = dir.file("favorite.txt");
    dir.write("favorite.txt", old);
    Favorites favorites(files);
    ASSERT_EQ(favorites.load(path), Favorites::LoadResult::Loaded);
    {
        auto holder = files.open(path, OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(favorites.add("New", "C:/new.txt"), Favorites::WriteResult::WriteFailed);
    }
    EXPECT_EQ(dir.read("favorite.txt"), old);
    // Released: the next change writes the whole list, the earlier addition included.
    EXPECT_EQ(favorites.add("More", "C:/more.txt"), Favorites::WriteResult::Written);
    EXPECT_EQ(dir.read("favorite.txt"), old + "New\r\nC:/new.txt\r\nMore\r\nC:/more.txt\r\n");
    EXPECT_EQ(favorites.stamp(), files.readModStamp(path));
    // A read-only file is read all the same, and never replaced.
    dir.write("favorite.txt", old);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_EQ(favorites.load(path), Favorites::LoadResult::Loaded);
    EXPECT_EQ(favorites.locations(), std::vector<std::string>{"C:/news/times.html"});
    EXPECT_EQ(favorites.add("New", "C:/new.txt"), Favorites::WriteResult::WriteFailed);
    EXPECT_EQ(dir.read("favorite.txt"), old);
    EXPECT_FALSE(dir.exists("favorite.txt.new"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A value is read back as written, and a hand-edited one as the platform's own profile
// integers read it, wherever it starts with a number; only a value without one gives the default.
TEST(ProfileStoreWin32, ValuesReadBackAndHandEditedOnesAreReadAsThePlatformReadsThem) {
    const std::string name = "vokanti-test-" + std::to_string(GetCurrentProcessId()) + ".INI";
    ProfileStoreWin32 store{name};
    EXPECT_EQ(store.readText("Vokanti", "key"), "");
    for (int32_t value : {-5, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(store.writeInt("Vokanti", "key", value));
        EXPECT_EQ(store.readText("Vokanti", "key"), std::to_string(value));
    }
    const std::string longValue(5000, '7');  // read whole, longer than any buffer
    ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", longValue.c_str(), name.c_str()));
    EXPECT_EQ(store.readText("Vokanti", "key"), longValue);
    for (const char* text : {"+7", "  -40\t", "50 ;note", "12abc", "1 2", "0x10", "0x1F", "0b11", "-0o17", "0x",
                             "7.5", "-0"}) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", text, name.c_str()));
        const auto ours = parseProfileInt(store.readText("Vokanti", "key"));
        ASSERT_TRUE(ours.has_value()) << text;
        EXPECT_EQ(*ours, static_cast<int32_t>(GetPrivateProfileIntA("Vokanti", "key", 20, name.c_str()))) << text;
    }
    for (const char* text : {"abc", "", "-", "x1", "１２"}) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", text, name.c_str()));
        EXPECT_EQ(parseProfileInt(store.readText("Vokanti", "key")), std::nullopt) << text;
    }
    // Without a directory the file is the Windows directory's.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());  // flush the cache
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_TRUE(DeleteFileA((std::string(windows) + "\\" + name).c_str()));
}

class EngineRun : public ::testing::Test {
protected:
    EngineRun() { dir.copyIn(hostPath(VOKAN_STANDIN_PATH), "vokan.exe"); }
    std::string engine() const { return dir.file("vokan.exe"); }

    ScratchDir dir;
    ProcessServicesWin32 process;
};

TEST_F(EngineRun, TheEngineGetsTheExactCommandLineAndAllBitsOfItsExitCodeAndAMissingOneFailsAtOnce) {
    const std::string commandLine =
        engine() + " -t -H -l 2 -L 30 -i \"C:/Docs/ソ 表.txt\" -o \"C:/out dir/a.vkndb5s\" -d \"x\"";
    // 259 is the "still active" status: it must end the wait like any other code.
    for (const char* code : {"0", "259", "0xC0000005", "0xFFFFFFFF"}) {
        dir.write("vokan-exitcode.txt", code);
        const ProcessRun run = process.runAndWait(commandLine);
        EXPECT_EQ(run.end, ProcessRun::End::Exited);
        EXPECT_EQ(run.exitCode, std::strtoul(code, nullptr, 0)) << code;
        EXPECT_EQ(dir.read("vokan-cmdline.txt"), commandLine);
    }
    const DWORD before = GetTickCount();
    EXPECT_EQ(process.runAndWait(dir.file("missing.exe") + " -t").end, ProcessRun::End::NotStarted);
    EXPECT_EQ(process.runAndWait("").end, ProcessRun::End::NotStarted);
    EXPECT_FALSE(process.stopRunning()) << "nothing runs";
    EXPECT_LT(GetTickCount() - before, 5000u);
}

std::atomic<int> g_paints{0}, g_keys{0};

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++g_paints;
    if (message == WM_KEYDOWN) ++g_keys;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Processor time (user + kernel) of this process in milliseconds.
double processorMs() {
    FILETIME unused, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &unused, &unused, &kernel, &user);
    auto ms = [](const FILETIME& t) { return ((static_cast<int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

TEST_F(EngineRun, WhileWaitingTheWindowPaintsDropsInputAndTheProcessorIdles) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = countingProc;
    wc.lpszClassName = "VokantiWaitProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = 'A';
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof(INPUT));
    ASSERT_TRUE(waitUntil([] { return g_keys > 0; }, 5000)) << "typed keys do not reach the probe";
    g_keys = 0;
    const int paintsBefore = g_paints;

    dir.write("vokan-delay.txt", "1500");
    std::atomic<bool> done{false};
    std::thread user([&] {  // damages the window and types into it while the engine runs
        for (; !done; Sleep(100)) {  // the pace of the simulated user, not a wait for a result
            InvalidateRect(window, nullptr, TRUE);
            SendInput(2, key, sizeof(INPUT));
        }
    });
    const double before = processorMs();
    const ProcessRun run = process.runAndWait(engine());
    EXPECT_TRUE(run.end == ProcessRun::End::Exited && run.exitCode == 0);
    EXPECT_LT(processorMs() - before, 500.0) << "the wait used the processor";
    EXPECT_EQ(g_keys, 0);
    EXPECT_GT(g_paints, paintsBefore) << "the window was not painted during the wait";
    done = true;
    user.join();
    // Keys typed during the wait were dropped, not kept: at most the last ones arrive now.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_LE(g_keys, 2);
    DestroyWindow(window);
}

}  // namespace
}  // namespace vokanti::testing
