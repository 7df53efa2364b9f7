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
    EXPECT_EQ(normalizePath("\\\\server\\share\\"), "//server/share/");
    EXPECT_EQ(normalizePath("C:\\ソ\\表.txt"), "C:/ソ/表.txt");  // 0x5C second bytes stay
    EXPECT_EQ(normalizePath("ソ表\\"), "ソ表/");
    EXPECT_EQ(normalizePath("a\\\x83"), "a/\x83");  // a lead byte cut off at the end stays
}

TEST(Paths, SplitsDriveDirectoryBaseNameAndExtension) {
    const struct {
        const char *path, *drive, *directory, *baseName, *extension;
    } cases[] = {
        {"C:/work/text.txt", "C:", "/work/", "text", ".txt"},
        {"C:/work/", "C:", "/work/", "", ""},
        {"C:text.txt", "C:", "", "text", ".txt"},
        {"rel/mixed\\dir/a.b.c", "", "rel/mixed\\dir/", "a.b", ".c"},
        {"dir.d/file", "", "dir.d/", "file", ""},
        {".htaccess", "", "", "", ".htaccess"},
        {"https://host/a.htm", "", "https://host/", "a", ".htm"},
        // A 0x5C second byte is no separator, and a ":" after a lead byte is no drive.
        {"C:/ソ/表", "C:", "/ソ/", "表", ""},
        {"C:/a表b/ソ.txt", "C:", "/a表b/", "ソ", ".txt"},
        {"\x81:x", "", "", "\x81:x", ""},
    };
    for (const auto& c : cases) {
        const PathParts p = splitPath(c.path);
        EXPECT_EQ(p.drive + "|" + p.directory + "|" + p.baseName + "|" + p.extension,
                  std::string(c.drive) + "|" + c.directory + "|" + c.baseName + "|" + c.extension);
    }
}

TEST(Paths, SplitterCutsEachPartTo255BytesOnACharacterBoundary) {
    const std::string base254(254, 'b');
    // 254 bytes and ソ make 256: the cut falls inside ソ, so ソ goes whole.
    EXPECT_EQ(splitPath("C:/d/" + base254 + kSo + ".txt").baseName, base254);
    EXPECT_EQ(splitPath("C:/d/" + base254 + "x" + kSo + ".txt").baseName, base254 + "x");
    const std::string dir = "/" + std::string(253, 'd') + kHyo + "/";  // 257 bytes
    EXPECT_EQ(splitPath(dir + "f.txt").directory, "/" + std::string(253, 'd'));
    EXPECT_EQ(splitPath("f." + std::string(300, 'e')).extension, "." + std::string(254, 'e'));
}

}  // namespace
}  // namespace vokanti
