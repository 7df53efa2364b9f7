// The Win32 files: opened shared with nobody, emptied by Create only once held alone, written
// straight to the system, stamped in whole seconds, replaced in one step.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/file_system_win32.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr OpenMode kModes[] = {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create};

// The file's size as the system sees it, without opening the file.
int64_t sizeOnDisk(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(FileSystemWin32, AnOpenFileIsSharedWithNobodyAndCreateEmptiesOnlyWhatItHolds) {
    ScratchDir dir;
    const std::string path = dir.file("list.txt");
    FileSystemWin32 files;
    for (OpenMode held : kModes) {
        dir.write("list.txt", "one\r\n");
        auto first = files.open(path, held);
        ASSERT_NE(first, nullptr);
        for (OpenMode second : kModes) EXPECT_EQ(files.open(path, second), nullptr);
        // Even an opener willing to share everything is refused, and so is removal.
        HANDLE other = CreateFileA(path.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(other, INVALID_HANDLE_VALUE);
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        EXPECT_FALSE(files.remove(path));
        first.reset();
        // The refused Create emptied nothing; a Create that holds the file empties it.
        EXPECT_EQ(dir.read("list.txt"), held == OpenMode::Create ? "" : "one\r\n");
    }
    std::string fresh = dir.file("new.txt");
    std::replace(fresh.begin(), fresh.end(), '\\', '/');  // forward slashes work as well
    EXPECT_EQ(files.open(fresh, OpenMode::Read), nullptr);
    EXPECT_EQ(files.open(fresh, OpenMode::ReadWrite), nullptr);
    EXPECT_FALSE(files.exists(fresh));
    EXPECT_NE(files.open(fresh, OpenMode::Create), nullptr);
    EXPECT_TRUE(dir.exists("new.txt"));
}

TEST(FileSystemWin32, WritesReachTheSystemAtOnceStampsAndReplacement) {
    ScratchDir dir;
    const std::string a = dir.file("a.txt");
    FileSystemWin32 files;
    EXPECT_FALSE(files.modStamp(a).has_value());
    EXPECT_FALSE(files.remove(a));
    EXPECT_TRUE(files.exists(dir.path()));  // a directory exists too
    dir.write("a.txt", "abc\r\n");
    auto file = files.open(a, OpenMode::ReadWrite);
    ASSERT_NE(file, nullptr);
    char buffer[16] = {};
    EXPECT_EQ(file->read(buffer, sizeof buffer), 5);
    EXPECT_EQ(file->read(buffer, sizeof buffer), 0);
    ASSERT_TRUE(file->seekToEnd() && file->write("xyz\r\n", 5));
    EXPECT_EQ(sizeOnDisk(a), 10);  // still open
    ASSERT_TRUE(file->truncate(3) && file->write("!", 1));  // at the new end
    file.reset();
    EXPECT_EQ(dir.read("a.txt"), "abc!");

    // 2001-09-09 01:46:40.5 UTC: 1,000,000,000 seconds after 1970, 11,644,473,600 more
    // after 1601; the stamp drops the half second.
    const int64_t seconds = 11644473600LL + 1000000000LL;
    const int64_t ticks = seconds * 10000000LL + 5000000LL;
    FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    HANDLE h = CreateFileA(a.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &time));
    CloseHandle(h);
    EXPECT_EQ(files.modStamp(a), seconds);

    dir.write("b.txt", "new");
    EXPECT_TRUE(files.replace(dir.file("b.txt"), a));
    EXPECT_EQ(dir.read("a.txt"), "new");
    EXPECT_FALSE(dir.exists("b.txt"));
    // A read-only target is refused, as Windows refuses it (Wine alone would replace it).
    dir.write("b.txt", "newer");
    ASSERT_TRUE(SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files.replace(dir.file("b.txt"), a));
    EXPECT_EQ(dir.read("a.txt"), "new");
    SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.remove(a));
    EXPECT_FALSE(files.exists(a));
}

}  // namespace
}  // namespace vokanti::testing
