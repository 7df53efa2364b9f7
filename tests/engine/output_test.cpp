// The writers of the list and its question set: csv and vkndb5s where quoting or escapes are
// needed (plain rows and the empty list are the program-level runs'), the web pages
// (escaping, links, the marked word, labels, the embedded stylesheet) and the questions (the
// blank, cutting by half-width width, the file name beside the output). Reading the env/
// page files is proved by the program's own runs.
#include "engine/encoding.h"
#include "engine/html_output.h"
#include "engine/output.h"
#include "engine/question_set.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

TEST(OutputFormat, CsvQuotesAndVkndb5sEscapes) {
    const std::vector<VocabularyEntry> entries{
        {"say", "a, b", 1, "He said \"hi\"\tthen\\left\r\nfor good.", 0, 3}, {"zorp", "", 12, "", 0, 0}};
    EXPECT_EQ(csvText(entries),
              "word,meaning,count,example\r\n"
              "say,\"a, b\",1,\"He said \"\"hi\"\"\tthen\\left\r\nfor good.\"\r\n"
              "zorp,,12,\r\n");
    EXPECT_EQ(vkndb5sText(entries),
              "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n"
              "say\ta, b\t1\tHe said \"hi\"\\tthen\\\\left\\r\\nfor good.\r\n"
              "zorp\t\t12\t\r\n");
    // A question set's fields are written the same way.
    const std::vector<Question> questions{{"He said, \"( )\".", 10, "cat", "猫"}, {"Tab\there ( )", 5, "a\\b", ""}};
    EXPECT_EQ(questionCsvText(questions),
              "question,answer\r\n\"He said, \"\"( )\"\".\",cat: \x94\x4C\r\nTab\there ( ),a\\b\r\n");
}

PageFiles sampleFiles() {
    PageFiles files;
    files.style = "body { color: #123456; }";
    files.dictionaries = {{"Dict<One>", "https://one.example/?q=%s&x=1"}, {"Two", "https://two.example/%s"}};
    files.pronunciations = {{"Say", "https://say.example/%s#en"}};
    return files;
}

TEST(PagesHtml, EscapesEveryTextAndAttribute) {
    EXPECT_EQ(urlEncode("rock'n'roll & co/猫"), "rock%27n%27roll%20%26%20co%2F%E7%8C%AB");
    EXPECT_EQ(linkAddress({"t", "https://x.example/%s/%s?s=%"}, "a b"), "https://x.example/a%20b/a%20b?s=%");

    // A headword, meaning and sentence full of markup characters: none of them reaches the
    // page raw, and the URL's own & is escaped inside the attribute.
    PageFiles files = sampleFiles();
    files.labels.word = "W<ord>";
    std::string page = htmlPage({{"<b>&\"'", "<i>\"x\" & 'y'</i>", 2, "Say <b>&\"'</b> now.", 7, 5}},
                                PageKind::Html2, files);
    EXPECT_EQ(page.find("<b>"), std::string::npos) << page;
    EXPECT_EQ(page.find("<i>"), std::string::npos) << page;
    EXPECT_NE(page.find("<td class=\"meaning\">&lt;i&gt;&quot;x&quot; &amp; &#39;y&#39;&lt;/i&gt;</td>"),
              std::string::npos) << page;
    EXPECT_NE(page.find("Say &lt;b&gt;<mark>&amp;&quot;&#39;&lt;/</mark>b&gt; now."), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://one.example/?q=%3Cb%3E%26%22%27&amp;x=1\""), std::string::npos) << page;
    EXPECT_NE(page.find("title=\"Dict&lt;One&gt;\""), std::string::npos) << page;
    EXPECT_NE(page.find("<th class=\"word\">W&lt;ord&gt;</th>"), std::string::npos) << page;
    EXPECT_NE(page.find("class=\"sound\" href=\"https://say.example/%3Cb%3E%26%22%27#en\""), std::string::npos) << page;

    // Without dictionaries the word stands unlinked.
    files.dictionaries.clear();
    files.pronunciations.clear();
    page = htmlPage({{"cat", "猫", 3, "A cat.", 2, 3}}, PageKind::Html2, files);
    EXPECT_EQ(page.find("<a "), std::string::npos) << page;
    EXPECT_NE(page.find("<span class=\"headword\">cat</span>"), std::string::npos);
}

TEST(PagesHtml, PageFilesAndACompletePage) {
    PageFiles files = sampleFiles();
    files.labels = parseLabels({"TITLE\tMy words", "meaning\t訳", "count\t", "bogus\tx", "no tab here"});
    EXPECT_EQ(files.labels.title, "My words");
    EXPECT_EQ(files.labels.meaning, "訳");
    EXPECT_EQ(files.labels.count, "回数");  // an empty text keeps the default

    std::vector<WebLink> links = parseWebLinks(
        {" Weblio \t https://w.example/%s ", "notab", "\thttps://empty-title", "Empty url\t  "});
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].title, "Weblio");
    EXPECT_EQ(links[0].urlTemplate, "https://w.example/%s");

    EXPECT_EQ(styleSheetText("\xEF\xBB\xBF" "a{}"), "a{}");
    EXPECT_EQ(styleSheetText("p::before{content:\"\xE7\x8C\xAB\"}"), "p::before{content:\"\xE7\x8C\xAB\"}");
    EXPECT_EQ(styleSheetText("p::before{content:\"\x94\x4C\"}"), "p::before{content:\"\xE7\x8C\xAB\"}");
    // Nothing in the sheet can end the element it is embedded in.
    EXPECT_EQ(styleSheetText("a{}</style><script>x</script>"), "a{}<\\/style><script>x<\\/script>");

    std::string page = htmlPage({}, PageKind::Html1, files);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<style>\nbody { color: #123456; }\n</style>"), std::string::npos) << page;
    EXPECT_NE(page.find("<th class=\"meaning\">訳</th>"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");

    // An offset outside the sentence marks nothing and keeps the sentence whole (the other
    // misplaced words are the questions').
    page = htmlPage({{"cat", "", 1, "A cat.", 4, 9}}, PageKind::Html1, files);
    EXPECT_EQ(page.find("<mark>"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"example\">A cat.</td>"), std::string::npos);
}

std::string cut(const VocabularyEntry& e, std::optional<int> width) {
    return questionText(e, width).value_or("<none>");
}

TEST(PagesQuestion, NamesTheSetBesideTheOutput) {
    // The plain names (out.csv, page.html, a name without extension) are the program runs'.
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
    // are the program-level question run's, as is the cut that falls before the blank.
    const VocabularyEntry e{"cat", "猫", 1, "日本語の cat と dog。", 13, 3};
    EXPECT_EQ(cut(e, 21), "日本語の ( ) と dog。");   // exactly its width
    EXPECT_EQ(cut(e, 20), "日本語の ( ) と dog");     // 。 would cross the limit
    EXPECT_EQ(cut(e, 15), "日本語の ( ) と");
    // Every cut ends on a character boundary.
    for (int width = 0; width < 24; ++width) EXPECT_TRUE(isValidUtf8(cut(e, width))) << width;

    const VocabularyEntry first{"cat", "", 1, "Cat は猫。", 0, 3};
    EXPECT_EQ(cut(first, 5), "( )");  // the space before は is not kept
    EXPECT_EQ(cut(first, 6), "( ) は");
    // Half-width katakana counts 1 although it takes 3 bytes in UTF-8.
    EXPECT_EQ(cut({"cat", "", 1, "ｱｲ cat ｳｴｵ", 7, 3}, 8), "ｱｲ ( ) ｳ");

    // A word that is not where the entry says cannot make a question.
    EXPECT_FALSE(questionText({"cat", "", 1, "A cat.", 5, 3}, std::nullopt));
    EXPECT_FALSE(questionText({"cat", "", 1, "A cat.", 2, 0}, 10));
    EXPECT_FALSE(questionText({"x", "", 1, "日本 x", 1, 3}, 10));  // inside 日
    EXPECT_FALSE(questionText({"x", "", 1, "日本 x", 0, 4}, 10));  // ends inside 本
}

TEST(PagesQuestion, TakesEntriesInListOrderAndMarksTheBlank) {
    const std::vector<VocabularyEntry> entries{{"a1", "x", 1, "a1 b.", 0, 2}, {"bad", "", 1, "short", 9, 3},
                                               {"c3", "", 1, "The c3.", 4, 2}, {"d4", "y", 1, "d4", 0, 2}};
    std::vector<Question> q = makeQuestions(entries, 2, std::nullopt);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].text, "( ) b.");
    EXPECT_EQ(q[1].text, "The ( ).");  // the entry that cannot be blanked is passed over
    EXPECT_EQ(q[1].blankOffset, 4u);
    EXPECT_EQ(makeQuestions(entries, 10, std::nullopt).size(), 3u);
    EXPECT_EQ(answerText(q[0]), "a1: x");
    EXPECT_EQ(answerText(q[1]), "c3");

    // The page: the blank marked, every text escaped.
    q = {{"He said, \"( )\".", 10, "cat", "猫"}, {"Tab\there ( )", 5, "a\\b", ""}};
    PageFiles files;
    files.labels.question = "Q<1>";
    std::string page = questionPage(q, files);
    EXPECT_NE(page.find("<title>単語帳 - Q&lt;1&gt;</title>"), std::string::npos) << page;
    EXPECT_NE(page.find("<td class=\"number\">1</td><td class=\"question\">He said, &quot;"
                        "<span class=\"blank\">( )</span>&quot;.</td>"
                        "<td class=\"answer\"><span class=\"headword\">cat</span> <span class=\"meaning\">猫</span>"),
              std::string::npos) << page;
    // A blank offset that does not point at the blank leaves the text plain.
    EXPECT_NE(page.find("<td class=\"number\">2</td><td class=\"question\">Tab\there ( )</td>"), std::string::npos);
}

}  // namespace
}  // namespace vokan
