// Favorites rewritten through the Win32 files: the file replaced whole in one step, and a
// favorites file held by another opener or read-only left exactly as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lists/favorites.h"
#include "platform/win32/file_system_win32.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr char kOld[] = "Times\r\nC:/news/times.html\r\n";

TEST(FavoritesWin32, RewritesReplaceTheFileWholeOrLeaveItAsItWas) {
    ScratchDir dir;
    dir.write("favorite.txt", kOld);
    const std::string path = dir.file("favorite.txt");
    FileSystemWin32 files;
    Favorites favorites(files);
    ASSERT_EQ(favorites.load(path), Favorites::LoadResult::Loaded);
    {
        auto holder = files.open(path, OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(favorites.add("New", "C:/new.txt"), Favorites::WriteResult::WriteFailed);
    }
    EXPECT_EQ(dir.read("favorite.txt"), kOld);
    // Released: the next change writes the whole list, the earlier addition included.
    EXPECT_EQ(favorites.add("More", "C:/more.txt"), Favorites::WriteResult::Written);
    EXPECT_EQ(dir.read("favorite.txt"), std::string(kOld) + "New\r\nC:/new.txt\r\nMore\r\nC:/more.txt\r\n");
    EXPECT_EQ(favorites.stamp(), files.modStamp(path));
    EXPECT_FALSE(dir.exists("favorite.txt.new"));

    // A read-only file is read all the same, and never replaced.
    dir.write("favorite.txt", kOld);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_EQ(favorites.load(path), Favorites::LoadResult::Loaded);
    EXPECT_EQ(favorites.locations(), std::vector<std::string>{"C:/news/times.html"});
    EXPECT_EQ(favorites.add("New", "C:/new.txt"), Favorites::WriteResult::WriteFailed);
    EXPECT_EQ(dir.read("favorite.txt"), kOld);
    EXPECT_FALSE(dir.exists("favorite.txt.new"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace vokanti::testing
