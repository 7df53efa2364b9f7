#include <windows.h>

#include <gtest/gtest.h>

#include "lists/list_file.h"
#include "platform/win32/file_system_win32.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

// The file's size as the system sees it, without opening the file.
int64_t sizeOnDisk(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(FileSystemWin32, AnOpenFileIsSharedWithNobody) {
    ScratchDir dir;
    dir.write("list.txt", "one\r\n");
    FileSystemWin32 files;
    for (OpenMode held : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create}) {
        auto first = files.open(dir.file("list.txt"), held);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(files.open(dir.file("list.txt"), OpenMode::Read), nullptr);
        EXPECT_EQ(files.open(dir.file("list.txt"), OpenMode::ReadWrite), nullptr);
        EXPECT_EQ(files.open(dir.file("list.txt"), OpenMode::Create), nullptr);
        // Even an opener willing to share everything is refused, and so is removal.
        HANDLE other = CreateFileA(dir.file("list.txt").c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(other, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        EXPECT_FALSE(files.remove(dir.file("list.txt")));
        first.reset();
        EXPECT_NE(files.open(dir.file("list.txt"), OpenMode::Read), nullptr);
        dir.write("list.txt", "one\r\n");
    }
}

TEST(FileSystemWin32, CreateEmptiesOnlyAFileItHoldsAlone) {
    ScratchDir dir;
    dir.write("held.txt", "keep me\r\n");
    FileSystemWin32 files;
    {
        auto holder = files.open(dir.file("held.txt"), OpenMode::ReadWrite);
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(files.open(dir.file("held.txt"), OpenMode::Create), nullptr);
    }
    EXPECT_EQ(dir.read("held.txt"), "keep me\r\n");

    auto created = files.open(dir.file("held.txt"), OpenMode::Create);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(sizeOnDisk(dir.file("held.txt")), 0);
    created.reset();

    EXPECT_EQ(files.open(dir.file("new.txt"), OpenMode::Read), nullptr);
    EXPECT_EQ(files.open(dir.file("new.txt"), OpenMode::ReadWrite), nullptr);
    EXPECT_FALSE(dir.exists("new.txt"));
    EXPECT_NE(files.open(dir.file("new.txt"), OpenMode::Create), nullptr);
    EXPECT_TRUE(dir.exists("new.txt"));
}

TEST(FileSystemWin32, ReadWriteKeepsContentAndWritesReachTheSystemAtOnce) {
    ScratchDir dir;
    dir.write("h.txt", "abc\r\n");
    FileSystemWin32 files;
    auto file = files.open(dir.file("h.txt"), OpenMode::ReadWrite);
    ASSERT_NE(file, nullptr);
    char buffer[16] = {};
    EXPECT_EQ(file->read(buffer, sizeof buffer), 5);
    EXPECT_EQ(file->read(buffer, sizeof buffer), 0);
    ASSERT_TRUE(file->seekToEnd());
    ASSERT_TRUE(file->write("xyz\r\n", 5));
    // Still open: the system already holds the bytes.
    EXPECT_EQ(sizeOnDisk(dir.file("h.txt")), 10);
    // Cutting the file leaves the position at its new end.
    ASSERT_TRUE(file->truncate(3));
    ASSERT_TRUE(file->write("!", 1));
    file.reset();
    EXPECT_EQ(dir.read("h.txt"), "abc!");
}

TEST(FileSystemWin32, AListFileReadUpToAnEndMarkerAppendsWhereItCanBeReadBack) {
    ScratchDir dir;
    dir.write("h.txt", "one\r\n\x1Ajunk");
    FileSystemWin32 files;
    ListFile list(files);
    ASSERT_TRUE(list.open(dir.file("h.txt"), OpenMode::ReadWrite));
    std::string line;
    ASSERT_TRUE(list.readLine(line));
    EXPECT_FALSE(list.readLine(line));
    ASSERT_TRUE(list.seekToEnd());
    ASSERT_TRUE(list.writeLine("two"));
    list.close();
    EXPECT_EQ(dir.read("h.txt"), "one\r\ntwo\r\n");
}

TEST(FileSystemWin32, StampsExistenceRemovalAndReplacement) {
    ScratchDir dir;
    FileSystemWin32 files;
    EXPECT_FALSE(files.exists(dir.file("a.txt")));
    EXPECT_FALSE(files.modStamp(dir.file("a.txt")).has_value());
    EXPECT_FALSE(files.remove(dir.file("a.txt")));

    dir.write("a.txt", "a");
    EXPECT_TRUE(files.exists(dir.file("a.txt")));
    EXPECT_TRUE(files.exists(dir.path()));  // a directory exists too

    // A last-write time of 2001-09-09 01:46:40.5 UTC is stamp 1,000,000,000 seconds after
    // 1970 plus the 11,644,473,600 seconds between 1601 and 1970, in whole seconds.
    const int64_t seconds = 11644473600LL + 1000000000LL;
    const int64_t ticks = seconds * 10000000LL + 5000000LL;
    FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    HANDLE h = CreateFileA(dir.file("a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &time));
    CloseHandle(h);
    EXPECT_EQ(files.modStamp(dir.file("a.txt")), seconds);

    dir.write("b.txt", "new");
    EXPECT_TRUE(files.replace(dir.file("b.txt"), dir.file("a.txt")));
    EXPECT_EQ(dir.read("a.txt"), "new");
    EXPECT_FALSE(dir.exists("b.txt"));

    EXPECT_TRUE(files.remove(dir.file("a.txt")));
    EXPECT_FALSE(files.exists(dir.file("a.txt")));
}

TEST(FileSystemWin32, ForwardSlashPathsWork) {
    ScratchDir dir;
    std::string path = dir.file("f.txt");
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    FileSystemWin32 files;
    EXPECT_NE(files.open(path, OpenMode::Create), nullptr);
    EXPECT_TRUE(dir.exists("f.txt"));
    EXPECT_TRUE(files.exists(path));
}

}  // namespace
}  // namespace vokanti::testing
