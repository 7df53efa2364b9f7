#include "core/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace vokanti {
namespace {

// ソ and 表 are double-byte characters whose second byte is 0x5C, the backslash.
constexpr const char kSo[] = "ソ";
constexpr const char kHyo[] = "表";
static_assert(kSo[1] == '\x5C' && kHyo[1] == '\x5C', "narrow literals are code page 932");

TEST(Paths, NormalizePathTurnsBackslashesIntoSlashesOnly) {
    EXPECT_EQ(normalizePath("C:\\in\\a.txt"), "C:/in/a.txt");
    EXPECT_EQ(normalizePath("C:/already/slashed"), "C:/already/slashed");
    EXPECT_EQ(normalizePath("\\\\server\\share\\"), "//server/share/");
    // The second byte of ソ and 表 stays a part of its character.
    EXPECT_EQ(normalizePath("C:\\ソ\\表.txt"), "C:/ソ/表.txt");
    EXPECT_EQ(normalizePath("ソ表\\"), "ソ表/");
    // A lead byte cut off at the end is kept as it is.
    EXPECT_EQ(normalizePath("a\\\x83"), "a/\x83");
}

void expectParts(const std::string& path, const std::string& drive, const std::string& directory,
                 const std::string& baseName, const std::string& extension) {
    const PathParts p = splitPath(path);
    EXPECT_EQ(p.drive, drive) << path;
    EXPECT_EQ(p.directory, directory) << path;
    EXPECT_EQ(p.baseName, baseName) << path;
    EXPECT_EQ(p.extension, extension) << path;
}

TEST(Paths, SplitsDriveDirectoryBaseNameAndExtension) {
    expectParts("C:/work/text.txt", "C:", "/work/", "text", ".txt");
    expectParts("C:/work/", "C:", "/work/", "", "");
    expectParts("C:text.txt", "C:", "", "text", ".txt");
    expectParts("C:\\in\\a.txt", "C:", "\\in\\", "a", ".txt");
    expectParts("rel/mixed\\dir/a.b.c", "", "rel/mixed\\dir/", "a.b", ".c");
    expectParts("dir.d/file", "", "dir.d/", "file", "");
    expectParts("cgi?id=3", "", "", "cgi?id=3", "");
    expectParts(".htaccess", "", "", "", ".htaccess");
    expectParts("https://host/a.htm", "", "https://host/", "a", ".htm");
    expectParts("", "", "", "", "");
}

TEST(Paths, SplitterKeepsDoubleByteCharactersWhole) {
    // ソ ends a directory name and a base name: its 0x5C is not a separator.
    expectParts("C:/ソ/表", "C:", "/ソ/", "表", "");
    expectParts("C:/dir/ソ.txt", "C:", "/dir/", "ソ", ".txt");
    expectParts("C:/a表b/c", "C:", "/a表b/", "c", "");
    // A ":" after a lead byte is no drive.
    expectParts("\x81:x", "", "", "\x81:x", "");
}

TEST(Paths, SplitterCutsEachPartTo255BytesOnACharacterBoundary) {
    const std::string base254(254, 'b');
    // 254 bytes and ソ make 256: the cut falls inside ソ, so ソ goes whole.
    EXPECT_EQ(splitPath("C:/d/" + base254 + kSo + ".txt").baseName, base254);
    EXPECT_EQ(splitPath("C:/d/" + base254 + "x" + kSo + ".txt").baseName, base254 + "x");
    const std::string dir = "/" + std::string(253, 'd') + kHyo + "/";  // 257 bytes
    EXPECT_EQ(splitPath(dir + "f.txt").directory, "/" + std::string(253, 'd'));
    EXPECT_EQ(splitPath("f." + std::string(300, 'e')).extension, "." + std::string(254, 'e'));
    EXPECT_EQ(cutToBytes(std::string(kSo) + kHyo, 3), kSo);
    EXPECT_EQ(cutToBytes("abc", 255), "abc");
}

TEST(Paths, UrlFileNameIsTheLastPathComponent) {
    EXPECT_EQ(urlFileName("http://host/dir/page.htm"), "page.htm");
    EXPECT_EQ(urlFileName("http://host/cgi?id=3"), "cgi?id=3");
    EXPECT_EQ(urlFileName("http://host/dir/"), "index.html");
    EXPECT_EQ(urlFileName("http://host/"), "index.html");
    EXPECT_EQ(urlFileName("http://host"), "index.html");
    EXPECT_EQ(urlFileName("see http://host/a/b.html?x=1/2"), "2");
}

}  // namespace
}  // namespace vokanti
