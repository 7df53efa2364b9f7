// The vokan program writing web pages and question sets on real files: the page files of
// env/ and their exit codes, the question set beside each format, and the pair of files
// written together or not at all.
#include "cli_support.h"

namespace vokan::test {
namespace {

// "cat" and "dog" are in the default dictionary; the sentence carries markup characters.
const std::string kDocument = "The cats & <dogs> said \"hi\".\r\nA dog's day.\r\n";

void writePageFiles(const ProgramDir& dir) {
    writeFile(dir.env("style.css"), "body { margin: 0 }\r\n");
    writeFile(dir.env("webdict.txt"), "First\thttps://first.example/w?q=%s&l=en\r\nSecond\thttps://second.example/%s\r\n");
    writeFile(dir.env("webwav.txt"), "Say\thttps://say.example/%s\r\n");
    writeFile(dir.env("label.txt"), "title\t\x92\x50\x8C\xEA\x92\xA0\r\n");  // 単語帳, Shift-JIS
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(PagesCli, WritesHtmlPagesAndTheirQuestionSet) {
    ProgramDir dir;
    dir.writeDefaults();
    writePageFiles(dir);
    writeFile(dir.work("in.txt"), kDocument);

    RunResult r = dir.run({"-X", "-T", "-q", "5", "-C", "12", "-i", "in.txt", "-o", "page.html"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    const std::string page = readFile(dir.work("page.html"));
    EXPECT_NE(page.find("<title>単語帳</title>"), std::string::npos) << page;
    EXPECT_NE(page.find("<style>\nbody { margin: 0 }\r\n</style>"), std::string::npos) << page;
    EXPECT_NE(page.find("The <mark>cats</mark> &amp; &lt;dogs&gt; said &quot;hi&quot;."), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://first.example/w?q=cat&amp;l=en\""), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://second.example/dog\""), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://say.example/dog\""), std::string::npos) << page;
    EXPECT_EQ(page.find("<dogs>"), std::string::npos);

    // The question set: a page of its own beside the output, cut after 12 half-width
    // characters but never before the blank's end.
    const std::string questions = readFile(dir.work("page_q.html"));
    EXPECT_NE(questions.find("<td class=\"question\">The <span class=\"blank\">( )</span> &amp; &lt;d</td>"), std::string::npos) << questions;
    EXPECT_NE(questions.find("<td class=\"question\">The cats &amp; &lt;<span class=\"blank\">( )</span></td>"), std::string::npos) << questions;
    EXPECT_EQ(occurrences(questions, "<td class=\"number\">"), 2u);

    // html1: the first dictionary only, no pronunciations, and webwav.txt is not needed.
    fs::remove(dir.env("webwav.txt"));
    r = dir.run({"-x", "-T", "-i", "in.txt", "-o", "page1.html"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    const std::string page1 = readFile(dir.work("page1.html"));
    EXPECT_EQ(occurrences(page1, "first.example"), 2u) << page1;
    EXPECT_EQ(occurrences(page1, "second.example"), 0u);
    EXPECT_FALSE(fs::exists(dir.work("page1_q.html")));
}

TEST(PagesCli, PageFilesAreCheckedInOrderAndOnlyForHtml) {
    struct Case {
        const char* missing;
        const char* format;
        int code;
    };
    const Case cases[] = {
        {"style.css", "-x", 12}, {"webdict.txt", "-X", 13}, {"webwav.txt", "-X", 14},
        {"label.txt", "-x", 15}, {"webwav.txt", "-x", 0},
    };
    for (const Case& c : cases) {
        ProgramDir dir;
        dir.writeDefaults();
        writePageFiles(dir);
        writeFile(dir.work("in.txt"), kDocument);
        fs::remove(dir.env(c.missing));
        RunResult r = dir.run({c.format, "-q", "1", "-i", "in.txt", "-o", "out.html"});
        EXPECT_EQ(r.exitCode, c.code) << c.missing << ": " << r.stderrText;
        EXPECT_EQ(fs::exists(dir.work("out.html")), c.code == 0) << c.missing;
        EXPECT_EQ(fs::exists(dir.work("out_q.html")), c.code == 0) << c.missing;
        if (c.code) {
            EXPECT_NE(r.stderrText.find(c.missing), std::string::npos) << r.stderrText;
        }
    }

    // After the other list files, before the input; never for csv or vkndb5s.
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    EXPECT_EQ(dir.run({"-x", "-i", "missing.txt", "-o", "o.html"}).exitCode, 12);
    fs::remove(dir.env("symbol.txt"));
    EXPECT_EQ(dir.run({"-x", "-i", "missing.txt", "-o", "o.html"}).exitCode, 8);
    writeFile(dir.env("symbol.txt"), "");
    writeFile(dir.env("style.css"), "");
    EXPECT_EQ(dir.run({"-X", "-i", "in.txt", "-o", "o.html"}).exitCode, 13);
    RunResult r = dir.run({"-c", "-q", "1", "-i", "in.txt", "-o", "o.csv"});
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(dir.run({"-p", "-i", "in.txt", "-o", "o.tsv"}).exitCode, 0);
}

TEST(PagesCli, QuestionSetBesideEachFormat) {
    ProgramDir dir;
    dir.writeDefaults();
    // Japanese-bearing text: 日本語の is 8 half-width characters wide.
    writeFile(dir.work("in.txt"), "\xEF\xBB\xBF日本語の cat と dog。\r\nA dog.\r\n");

    RunResult r = dir.run({"-q", "5", "-C", "14", "-i", "in.txt", "-o", "out.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    // In Shift-JIS: 日本語の ( ) cut before と; for dog the cut falls before the blank, so it
    // is moved to the blank's end. The answers carry their meanings (猫, 犬).
    EXPECT_EQ(readFile(dir.work("out_q.csv")),
              "question,answer\r\n"
              "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC ( ),cat: \x94\x4C\r\n"
              "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC cat \x82\xC6 ( ),dog: \x8C\xA2\r\n");

    // No extension: _q appended; vkndb5s format; -C 0 cuts every question after its blank.
    r = dir.run({"-p", "-q", "1", "-C", "0", "-i", "in.txt", "-o", "list"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("list_q")), "vkndb5s\t1\r\nquestion\tanswer\r\n日本語の ( )\tcat: 猫\r\n");

    // -q 0: a question set without questions; without -C the whole sentence stays.
    r = dir.run({"-q", "0", "-i", "in.txt", "-o", "zero.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("zero_q.csv")), "question,answer\r\n");
    r = dir.run({"-p", "-q", "9", "-i", "in.txt", "-o", "all.tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_NE(readFile(dir.work("all_q.tsv")).find("日本語の ( ) と dog。\tcat: 猫\r\n"), std::string::npos);
}

TEST(PagesCli, BothFilesOrNeither) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    writeFile(dir.work("out.csv"), "old list");
    writeFile(dir.work("out_q.csv"), "old questions");

    // The output's temporary file cannot be made: the question set is put back as it was.
    fs::create_directory(dir.work("out.csv.vokan-tmp"));
    RunResult r = dir.run({"-q", "3", "-i", "in.txt", "-o", "out.csv"});
    EXPECT_EQ(r.exitCode, 10) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("out.csv")), "old list");
    EXPECT_EQ(readFile(dir.work("out_q.csv")), "old questions");
    fs::remove(dir.work("out.csv.vokan-tmp"));

    // The question set's place is a folder: the output is not touched either.
    fs::create_directory(dir.work("new_q.csv"));
    r = dir.run({"-q", "3", "-i", "in.txt", "-o", "new.csv"});
    EXPECT_EQ(r.exitCode, 3) << r.stderrText;
    EXPECT_FALSE(fs::exists(dir.work("new.csv")));

    // Its temporary file cannot be made: neither file appears.
    fs::create_directory(dir.work("other_q.csv.vokan-tmp"));
    r = dir.run({"-q", "3", "-i", "in.txt", "-o", "other.csv"});
    EXPECT_EQ(r.exitCode, 10) << r.stderrText;
    EXPECT_FALSE(fs::exists(dir.work("other.csv")));
    EXPECT_FALSE(fs::exists(dir.work("other_q.csv")));

    r = dir.run({"-q", "3", "-i", "in.txt", "-o", "out.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_NE(readFile(dir.work("out_q.csv")).find("cat: "), std::string::npos);
    EXPECT_NE(readFile(dir.work("out.csv")), "old list");
}

#ifdef _WIN32
// Files another program holds open without sharing: the job fails with the output code and
// leaves both places as they were.
TEST(PagesCli, LockedFilesAreReportedAndKept) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    auto lock = [](const fs::path& path) {
        return CreateFileW(path.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };

    // The existing question set is locked: it can be neither saved nor replaced.
    writeFile(dir.work("out_q.csv"), "old questions");
    HANDLE held = lock(dir.work("out_q.csv"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RunResult r = dir.run({"-q", "2", "-i", "in.txt", "-o", "out.csv"});
    CloseHandle(held);
    EXPECT_EQ(r.exitCode, 3) << r.stderrText;
    EXPECT_FALSE(fs::exists(dir.work("out.csv")));
    EXPECT_EQ(readFile(dir.work("out_q.csv")), "old questions");

    // The existing output is locked: the question set written first is put back.
    writeFile(dir.work("out.csv"), "old list");
    held = lock(dir.work("out.csv"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    r = dir.run({"-q", "2", "-i", "in.txt", "-o", "out.csv"});
    CloseHandle(held);
    EXPECT_EQ(r.exitCode, 3) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("out.csv")), "old list");
    EXPECT_EQ(readFile(dir.work("out_q.csv")), "old questions");
    EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));
    EXPECT_FALSE(fs::exists(dir.work("out_q.csv.vokan-tmp")));
}
#endif

}  // namespace
}  // namespace vokan::test
