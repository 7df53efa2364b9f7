// Question sets: the blank, cutting by half-width width on Japanese-bearing text, the
// file name beside the output and the three format families.
#include "engine/encoding.h"
#include "engine/output.h"
#include "engine/question_set.h"

#include <gtest/gtest.h>


namespace vokan {
namespace {

VocabularyEntry entry(std::string headword, std::string meaning, std::string example,
                      std::size_t offset, std::size_t length) {
    return {std::move(headword), std::move(meaning), 1, std::move(example), offset, length};
}

std::string cut(const VocabularyEntry& e, std::optional<int> width) {
    return questionText(e, width).value_or("<none>");
}

TEST(PagesQuestion, NamesTheSetBesideTheOutput) {
    EXPECT_EQ(questionSetPath("out.csv"), "out_q.csv");
    EXPECT_EQ(questionSetPath("dir/page.html"), "dir/page_q.html");
    EXPECT_EQ(questionSetPath("list.vkndb5s"), "list_q.vkndb5s");
    EXPECT_EQ(questionSetPath("out"), "out_q");
    EXPECT_EQ(questionSetPath("dir.v2/out"), "dir.v2/out_q");
    EXPECT_EQ(questionSetPath("dir/.list"), "dir/.list_q");
    EXPECT_EQ(questionSetPath("a.tar.gz"), "a.tar_q.gz");
    EXPECT_EQ(questionSetPath("単語帳.csv"), "単語帳_q.csv");
#ifdef _WIN32
    EXPECT_EQ(questionSetPath("C:\\my.docs\\out"), "C:\\my.docs\\out_q");
#endif
}

TEST(PagesQuestion, CutsByHalfWidthWidthAndKeepsTheBlank) {
    // 日本語の (4 double-byte characters, 12 bytes) then " cat と dog。". No limit, 14 and 0
    // are the program-level question run's.
    const VocabularyEntry e = entry("cat", "猫", "日本語の cat と dog。", 13, 3);
    EXPECT_EQ(cut(e, 21), "日本語の ( ) と dog。");   // exactly its width
    EXPECT_EQ(cut(e, 20), "日本語の ( ) と dog");     // 。 would cross the limit
    EXPECT_EQ(cut(e, 15), "日本語の ( ) と");
    EXPECT_EQ(cut(e, 3), "日本語の ( )");             // the cut never removes the blank

    const VocabularyEntry first = entry("cat", "", "Cat は猫。", 0, 3);
    EXPECT_EQ(cut(first, 0), "( )");
    EXPECT_EQ(cut(first, 5), "( )");
    EXPECT_EQ(cut(first, 6), "( ) は");

    // Half-width katakana counts 1 although it takes 3 bytes in UTF-8.
    const VocabularyEntry kana = entry("cat", "", "ｱｲ cat ｳｴｵ", 7, 3);
    EXPECT_EQ(cut(kana, 8), "ｱｲ ( ) ｳ");

    // Every cut ends on a character boundary.
    for (int width = 0; width < 24; ++width) {
        std::string text = cut(e, width);
        EXPECT_TRUE(text.empty() || (static_cast<unsigned char>(text.back()) & 0xC0) != 0xC0) << width;
        EXPECT_TRUE(isValidUtf8(text)) << width;
    }

    // A word that is not where the entry says cannot make a question.
    EXPECT_FALSE(questionText(entry("cat", "", "A cat.", 5, 3), std::nullopt));
    EXPECT_FALSE(questionText(entry("cat", "", "A cat.", 2, 0), 10));
    EXPECT_FALSE(questionText(entry("x", "", "日本 x", 1, 3), 10));  // inside 日
    EXPECT_FALSE(questionText(entry("x", "", "日本 x", 0, 4), 10));  // ends inside 本
}

TEST(PagesQuestion, TakesEntriesInListOrder) {
    std::vector<VocabularyEntry> entries{entry("a1", "x", "a1 b.", 0, 2), entry("bad", "", "short", 9, 3),
                                         entry("c3", "", "The c3.", 4, 2), entry("d4", "y", "d4", 0, 2)};
    std::vector<Question> q = makeQuestions(entries, 2, std::nullopt);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].text, "( ) b.");
    EXPECT_EQ(q[1].text, "The ( ).");  // the entry that cannot be blanked is passed over
    EXPECT_EQ(q[1].blankOffset, 4u);
    EXPECT_EQ(makeQuestions(entries, 10, std::nullopt).size(), 3u);
    EXPECT_TRUE(makeQuestions(entries, 0, std::nullopt).empty());
    EXPECT_EQ(answerText(q[0]), "a1: x");
    EXPECT_EQ(answerText(q[1]), "c3");
}

TEST(PagesQuestion, WritesEachFormatFamily) {
    std::vector<Question> q{{"He said, \"( )\".", 10, "cat", "猫"}, {"Tab\there ( )", 5, "a\\b", ""}};
    EXPECT_EQ(questionCsvText(q),
              "question,answer\r\n\"He said, \"\"( )\"\".\",cat: \x94\x4C\r\nTab\there ( ),a\\b\r\n");
    EXPECT_EQ(questionVkndb5sText(q),
              "vkndb5s\t1\r\nquestion\tanswer\r\nHe said, \"( )\".\tcat: 猫\r\nTab\\there ( )\ta\\\\b\r\n");
    EXPECT_EQ(questionCsvText({}), "question,answer\r\n");

    PageFiles files;
    files.style = "td{}";
    files.labels.question = "Q<1>";
    std::string page = questionPage(q, files);
    EXPECT_NE(page.find("<title>単語帳 - Q&lt;1&gt;</title>"), std::string::npos) << page;
    EXPECT_NE(page.find("<style>\ntd{}\n</style>"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"number\">1</td><td class=\"question\">He said, &quot;"
                        "<span class=\"blank\">( )</span>&quot;.</td>"
                        "<td class=\"answer\"><span class=\"headword\">cat</span> <span class=\"meaning\">猫</span>"),
              std::string::npos) << page;
    // A blank offset that does not point at the blank leaves the text plain.
    EXPECT_NE(page.find("<td class=\"number\">2</td><td class=\"question\">Tab\there ( )</td>"), std::string::npos);
}

}  // namespace
}  // namespace vokan
