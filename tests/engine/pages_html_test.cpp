// Web pages of the vocabulary list: escaping, links, the marked word, labels and the
// embedded stylesheet. Reading the env/ page files is proved by the program's own runs.
#include "engine/html_output.h"

#include <gtest/gtest.h>


namespace vokan {
namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

VocabularyEntry entry(std::string headword, std::string meaning, int count, std::string example,
                      std::size_t offset, std::size_t length) {
    return {std::move(headword), std::move(meaning), count, std::move(example), offset, length};
}

PageFiles sampleFiles() {
    PageFiles files;
    files.style = "body { color: #123456; }";
    files.dictionaries = {{"Dict<One>", "https://one.example/?q=%s&x=1"}, {"Two", "https://two.example/%s"}};
    files.pronunciations = {{"Say", "https://say.example/%s#en"}};
    return files;
}

TEST(PagesHtml, EscapesEveryTextAndAttribute) {
    EXPECT_EQ(htmlEscape("a<b>&\"c\"'d'"), "a&lt;b&gt;&amp;&quot;c&quot;&#39;d&#39;");
    EXPECT_EQ(urlEncode("rock'n'roll & co/猫"), "rock%27n%27roll%20%26%20co%2F%E7%8C%AB");
    EXPECT_EQ(linkAddress({"t", "https://x.example/%s/%s?s=%"}, "a b"), "https://x.example/a%20b/a%20b?s=%");

    // A headword, meaning and sentence full of markup characters: none of them reaches the
    // page raw, and the URL's own & is escaped inside the attribute.
    PageFiles files = sampleFiles();
    files.labels.word = "W<ord>";
    std::vector<VocabularyEntry> entries{
        entry("<b>&\"'", "<i>\"x\" & 'y'</i>", 2, "Say <b>&\"'</b> now.", 7, 5)};
    std::string page = htmlPage(entries, PageKind::Html2, files);
    EXPECT_EQ(page.find("<b>"), std::string::npos) << page;
    EXPECT_EQ(page.find("<i>"), std::string::npos) << page;
    EXPECT_NE(page.find("<td class=\"meaning\">&lt;i&gt;&quot;x&quot; &amp; &#39;y&#39;&lt;/i&gt;</td>"),
              std::string::npos) << page;
    EXPECT_NE(page.find("Say &lt;b&gt;<mark>&amp;&quot;&#39;&lt;/</mark>b&gt; now."), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://one.example/?q=%3Cb%3E%26%22%27&amp;x=1\""), std::string::npos) << page;
    EXPECT_NE(page.find("title=\"Dict&lt;One&gt;\""), std::string::npos) << page;
    EXPECT_NE(page.find("<th class=\"word\">W&lt;ord&gt;</th>"), std::string::npos) << page;
    EXPECT_EQ(occurrences(page, "class=\"sound\" href=\"https://say.example/%3Cb%3E%26%22%27#en\""), 1u) << page;

    // Without dictionaries the word stands unlinked.
    files.dictionaries.clear();
    files.pronunciations.clear();
    page = htmlPage({entry("cat", "猫", 3, "A cat.", 2, 3)}, PageKind::Html2, files);
    EXPECT_EQ(page.find("<a "), std::string::npos) << page;
    EXPECT_NE(page.find("<span class=\"headword\">cat</span>"), std::string::npos);
}

TEST(PagesHtml, PageIsCompleteWithLabelsAndStyle) {
    PageFiles files = sampleFiles();
    files.labels = parseLabels({"TITLE\tMy words", "meaning\t訳", "count\t", "bogus\tx", "no tab here"});
    EXPECT_EQ(files.labels.title, "My words");
    EXPECT_EQ(files.labels.meaning, "訳");
    EXPECT_EQ(files.labels.count, "回数");  // an empty text keeps the default
    EXPECT_EQ(files.labels.word, "単語");

    std::string page = htmlPage({}, PageKind::Html1, files);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>My words</title>"), std::string::npos);
    EXPECT_NE(page.find("<style>\nbody { color: #123456; }\n</style>"), std::string::npos) << page;
    EXPECT_NE(page.find("<th class=\"meaning\">訳</th>"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");

    // An offset outside the sentence marks nothing and keeps the sentence whole.
    std::string odd = htmlPage({entry("cat", "", 1, "A cat.", 4, 9)}, PageKind::Html1, files);
    EXPECT_EQ(odd.find("<mark>"), std::string::npos);
    EXPECT_NE(odd.find("<td class=\"example\">A cat.</td>"), std::string::npos);
    odd = htmlPage({entry("x", "", 1, "猫 x", 1, 2)}, PageKind::Html1, files);  // inside 猫
    EXPECT_EQ(odd.find("<mark>"), std::string::npos);
    EXPECT_NE(odd.find("<td class=\"example\">猫 x</td>"), std::string::npos);
}

TEST(PagesHtml, ListsAndStyleSheetDecoding) {
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
}

}  // namespace
}  // namespace vokan
