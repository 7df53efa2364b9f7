#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/list_lines.h"
#include "engine/symbols.h"
#include "engine/word_lists.h"

namespace vokan {
namespace {

using Lines = std::vector<std::string>;

TEST(ListLines, LineEndsBlanksCommentsAndEncodings) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"one\r\ntwo\nthree", {"one", "two", "three"}},        // last line without an end
        {"\r\n\n  \t\r\n# note\n#\nword\n", {"word"}},           // blanks and comments skipped
        {" #not a comment \r\n", {" #not a comment "}},          // spaces kept
        {"\x95\x5C\t\x83\x5C\r\n", {"\u8868\t\u30BD"}},          // Shift-JIS
        {"\xEF\xBB\xBF\xE8\xA1\xA8\r\n#x\n", {"\u8868"}},        // UTF-8 with its mark
        {"\xEF\xBB\xBF# only a comment", {}},
        {"a\x82\nb", {"a\xEF\xBF\xBD", "b"}},                   // lead byte cut by the line end
        {std::string("n\0l\n", 4), {std::string("n\0l", 3)}},
        {"cr\ronly\n", {"cr\ronly"}},                            // a lone CR is no line end
    };
    for (const auto& c : cases) EXPECT_EQ(readListLines(c.bytes), c.lines) << c.bytes;
}

TEST(ListLines, TenMegabyteLine) {
    std::string bytes(10 * 1024 * 1024, 'x');
    bytes += "\nend";
    const Lines lines = readListLines(bytes);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 10u * 1024 * 1024);
    EXPECT_EQ(lines[1], "end");
}

TEST(WordLists, ReplacementsKeepTwoFieldLinesOnly) {
    size_t skipped = 0;
    const Replacements replace = parseReplacements(
        {"went go", "Children\tchild", "  mice   mouse  ", "lonely", "a b c", "went gone"},
        &skipped);
    EXPECT_EQ(skipped, 2u);
    EXPECT_EQ(replace.size(), 3u);
    ASSERT_TRUE(replace.find("WENT"));
    EXPECT_EQ(*replace.find("WENT"), "go");  // the first pair for a form wins
    ASSERT_TRUE(replace.find("children"));
    EXPECT_EQ(*replace.find("children"), "child");
    EXPECT_EQ(*replace.find("mice"), "mouse");
    EXPECT_EQ(replace.find("lonely"), nullptr);
}

TEST(Symbols, LongestFirstOnePassNoRescan) {
    size_t skipped = 0;
    const SymbolTable table = parseSymbolTable(
        {"\u201C\t\"", "\u201D\t\"", "--\t\u2014", "-\t", "ab\tb", "b\tX", "\u00A0\t ",
         "\uFB01\tfi", "no tab here", "\tempty from", "\u2026\t...", "ab\tignored"},
        &skipped);
    EXPECT_EQ(skipped, 2u);
    const struct {
        std::string in, out;
    } cases[] = {
        {"\u201CHi\u201D", "\"Hi\""},
        {"a--b", "a\u2014X"},      // "--" beats "-"; the replaced text is not scanned again
        {"x-y", "xy"},             // an empty replacement removes
        {"aab", "ab"},             // "ab" -> "b", and that "b" is not turned into "X"
        {"\uFB01ne\u00A0day\u2026", "fine day..."},
        {"", ""},
        {std::string("\0b", 2), std::string("\0X", 2)},
    };
    for (const auto& c : cases) EXPECT_EQ(table.apply(c.in), c.out) << c.in;
    EXPECT_EQ(SymbolTable().apply("same"), "same");
}

}  // namespace
}  // namespace vokan
