// Small rules on texts: numbers in fields and in the profile, which list entry a combo box
// text selects, how the platform counts characters, and the path splitter's own edges (the
// naming cases that use it are with the output name).
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/integer_text.h"
#include "core/paths.h"
#include "core/text.h"
#include "lists/dictionary_list.h"

namespace vokanti {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(IntegerText, FieldsTakeDecimalIntegersWithBlanksAndSignClampedTo32BitsAndNothingElse) {
    const std::pair<std::string, int32_t> cases[] = {
        {"00", 0}, {"007", 7}, {"  +7\t", 7}, {"\t-13  ", -13}, {"-01", -1},
        {"2147483648", kMax}, {"-2147483648", kMin}, {"-2147483649", kMin},
        {std::string(60, '1'), kMax}, {"-" + std::string(40, '9'), kMin},
        {"5" + std::string(30, ' ') + "x", 5},  // only the first 31 characters count
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseIntField(text), value) << text;
    for (const std::string& text : std::vector<std::string>{"", "   ", "abc", "12a", "1 2", "-", " - 5", "0x10", "1.5", "5\n", "１２",
                                   "+-3", "-0", "+0", " -000 ", "5" + std::string(29, ' ') + "x",
                                   std::string(31, ' ') + "5"}) {
        EXPECT_EQ(parseIntField(text), std::nullopt) << '"' << text << '"';
    }
    // Profile values: the number at the start counts, clamped to 32 bits; the rest is
    // compared with the platform's own reading under Wine.
    EXPECT_EQ(parseProfileInt("99999999999"), kMax);
    EXPECT_EQ(parseProfileInt("-99999999999 x"), kMin);
}

// A text written into a combo box selects the first entry equal to it, ASCII letters
// folded and nothing else: full-width Ａ and ａ (82 60, 82 81) differ, and so do ア (83 41)
// and ヂ (83 61), whose second bytes are the ASCII letters A and a.
TEST(ComboText, SelectsTheFirstWholeEqualEntryFoldingOnlyAsciiCase) {
    const std::vector<std::string> entries = {"notes.txt", "c:/Docs/Page.HTML", "C:/docs/page.html",
                                              "", "Ａ.txt", "ａ.txt", "ア", "ヂ"};
    const std::pair<std::string, int> cases[] = {
        {"C:/DOCS/page.html", 1}, {"NOTES.TXT", 0}, {"", 3}, {"notes", -1}, {"nothing", -1},
        {"ａ.TXT", 5}, {"Ａ.txt", 4}, {"ヂ", 7}, {"ア", 6}, {"C:/docs/page.html ", -1},
    };
    for (const auto& [text, index] : cases) EXPECT_EQ(findEqualEntry(entries, text), index) << text;
}

TEST(Paths, SplitsDriveDirectoryBaseNameAndExtensionNormalisesCountsAndNames) {
    const struct { const char *path, *parts; } cases[] = {
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
    // A double-byte character counts one; so does a lone lead byte at the end.
    EXPECT_EQ(characterCount("C:/表/ソフト"), 8u);
    EXPECT_EQ(characterCount("a\x83"), 2u);
    // The program's name: the executable's file name without its folders and extension.
    EXPECT_EQ(fileBaseName("C:\\Apps\\ソフト\\Vokanti.exe"), "Vokanti");
    EXPECT_EQ(fileBaseName("C:/a.b/ソフト"), "ソフト");
    EXPECT_EQ(fileBaseName("C:" + std::string(600, 'n') + ".exe"), std::string(600, 'n'));
    // Where a program started in a directory finds a path.
    EXPECT_EQ(resolveIn("C:/Apps/", "out.csv"), "C:/Apps/out.csv");
    EXPECT_EQ(resolveIn("C:/Apps/", "表/out.csv"), "C:/Apps/表/out.csv");
    for (const char* kept : {"D:/x.csv", "d:x.csv", "/x.csv", "\\\\server\\x.csv"}) EXPECT_EQ(resolveIn("C:/Apps/", kept), kept);
    // Each part is cut to 255 bytes on a character boundary. 254 bytes and 表 make 256: the cut falls inside 表, so 表 goes whole.
    const std::string dir = "/" + std::string(253, 'd') + "表/";
    EXPECT_EQ(splitPath(dir + "f.txt").directory, "/" + std::string(253, 'd'));
    EXPECT_EQ(splitPath("f." + std::string(300, 'e')).extension, "." + std::string(254, 'e'));
    EXPECT_EQ(splitPath("C:/d/" + std::string(254, 'b') + "xソ").baseName, std::string(254, 'b') + "x");
}

}  // namespace
}  // namespace vokanti
