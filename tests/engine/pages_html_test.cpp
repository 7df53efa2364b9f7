// Web pages of the vocabulary list: escaping, links, the marked word, labels and the
// embedded stylesheet, and the env/ files that feed them.
#include "engine/exit_codes.h"
#include "engine/html_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
}

TEST(PagesHtml, Html1LinksTheFirstDictionaryAndHtml2EveryLink) {
    PageFiles files = sampleFiles();
    std::vector<VocabularyEntry> entries{entry("take care of", "世話をする", 1, "She took care of it.", 4, 12),
                                         entry("cat", "猫", 3, "A cat.", 2, 3)};
    std::string html1 = htmlPage(entries, PageKind::Html1, files);
    EXPECT_EQ(occurrences(html1, "https://one.example/?q=take%20care%20of&amp;x=1"), 1u) << html1;
    EXPECT_EQ(occurrences(html1, "two.example"), 0u);
    EXPECT_EQ(occurrences(html1, "say.example"), 0u);
    EXPECT_NE(html1.find("She <mark>took care of</mark> it."), std::string::npos);
    EXPECT_NE(html1.find("<td class=\"count\">3</td>"), std::string::npos);
    EXPECT_NE(html1.find("<td class=\"meaning\">世話をする</td>"), std::string::npos);

    std::string html2 = htmlPage(entries, PageKind::Html2, files);
    // The headword and the dictionary's own link both go to the first dictionary.
    EXPECT_EQ(occurrences(html2, "https://one.example/?q=cat&amp;x=1"), 2u) << html2;
    EXPECT_EQ(occurrences(html2, "https://two.example/cat\""), 1u);
    EXPECT_EQ(occurrences(html2, "class=\"sound\" href=\"https://say.example/cat#en\""), 1u);
    EXPECT_NE(html2.find(">Dict&lt;One&gt;</a>"), std::string::npos);

    // Without dictionaries the word stands unlinked.
    files.dictionaries.clear();
    files.pronunciations.clear();
    std::string plain = htmlPage(entries, PageKind::Html2, files);
    EXPECT_EQ(plain.find("<a "), std::string::npos) << plain;
    EXPECT_NE(plain.find("<span class=\"headword\">cat</span>"), std::string::npos);
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

class PagesEnv : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("vokan-pages-env-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        write("style.css", "h1{}");
        write("webdict.txt", "\xEF\xBB\xBF# dictionaries\r\nD\thttps://d.example/%s\r\n");
        write("webwav.txt", "W\thttps://w.example/%s\r\n");
        write("label.txt", "title\t\x92\x50\x8C\xEA\r\n");  // 単語 in Shift-JIS
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    PageFilesLoad load(PageKind kind, PageFiles& files) { return loadPageFiles(dir_.string(), kind, files); }
    std::filesystem::path dir_;
};

TEST_F(PagesEnv, ReadsTheFourFilesAndNamesTheFirstMissing) {
    PageFiles files;
    ASSERT_EQ(load(PageKind::Html2, files).exitCode, 0);
    EXPECT_EQ(files.style, "h1{}");
    ASSERT_EQ(files.dictionaries.size(), 1u);
    EXPECT_EQ(files.dictionaries[0].title, "D");
    ASSERT_EQ(files.pronunciations.size(), 1u);
    EXPECT_EQ(files.labels.title, "単語");

    // html1 does not need webwav.txt.
    std::filesystem::remove(dir_ / "webwav.txt");
    EXPECT_EQ(load(PageKind::Html1, files).exitCode, 0);
    EXPECT_TRUE(files.pronunciations.empty());
    PageFilesLoad r = load(PageKind::Html2, files);
    EXPECT_EQ(r.exitCode, kExitWebWav);
    EXPECT_NE(r.message.find("webwav.txt"), std::string::npos) << r.message;

    std::filesystem::remove(dir_ / "label.txt");
    EXPECT_EQ(load(PageKind::Html1, files).exitCode, kExitLabel);
    std::filesystem::remove(dir_ / "webdict.txt");
    std::filesystem::create_directory(dir_ / "webdict.txt");  // a folder cannot be read as the list
    EXPECT_EQ(load(PageKind::Html1, files).exitCode, kExitWebDict);
    std::filesystem::remove(dir_ / "style.css");
    EXPECT_EQ(load(PageKind::Html2, files).exitCode, kExitStyle);
}

}  // namespace
}  // namespace vokan
