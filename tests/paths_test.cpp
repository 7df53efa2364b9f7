// The path splitter's own edges; the naming cases that use it are in output_name_test.cpp.
#include "core/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace vokanti {
namespace {

TEST(Paths, SplitsDriveDirectoryBaseNameAndExtension) {
    const struct {
        const char *path, *parts;
    } cases[] = {
        {"C:text.txt", "C:||text|.txt"},
        {"rel/mixed\\dir.d/a.b.c", "|rel/mixed\\dir.d/|a.b|.c"},
        {".htaccess", "|||.htaccess"},
        {"C:/a表b/ソ", "C:|/a表b/|ソ|"},  // second bytes 0x5C are no separators
        {"\x81:x", "||\x81:x|"},  // a ":" after a lead byte is no drive
    };
    for (const auto& c : cases) {
        const PathParts p = splitPath(c.path);
        EXPECT_EQ(p.drive + "|" + p.directory + "|" + p.baseName + "|" + p.extension, c.parts);
    }
    EXPECT_EQ(normalizePath("ソ表\\a\\\x83"), "ソ表/a/\x83");  // a lead byte cut off stays
}

TEST(Paths, SplitterCutsEachPartTo255BytesOnACharacterBoundary) {
    // 254 bytes and 表 make 256: the cut falls inside 表, so 表 goes whole.
    const std::string dir = "/" + std::string(253, 'd') + "表/";
    EXPECT_EQ(splitPath(dir + "f.txt").directory, "/" + std::string(253, 'd'));
    EXPECT_EQ(splitPath("f." + std::string(300, 'e')).extension, "." + std::string(254, 'e'));
    EXPECT_EQ(splitPath("C:/d/" + std::string(254, 'b') + "xソ").baseName, std::string(254, 'b') + "x");
}

// The program's name: the executable's file name without its folders and extension.
TEST(Paths, FileBaseNameKeepsDoubleByteCharactersEndingIn5C) {
    EXPECT_EQ(fileBaseName("C:\\Apps\\ソフト\\Vokanti.exe"), "Vokanti");
    EXPECT_EQ(fileBaseName("C:\\ソ\\表.exe"), "表");
    EXPECT_EQ(fileBaseName("C:/a.b/ソフト"), "ソフト");
    EXPECT_EQ(fileBaseName("C:" + std::string(600, 'n') + ".exe"), std::string(600, 'n'));
}

}  // namespace
}  // namespace vokanti
