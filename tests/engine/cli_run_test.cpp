// The vokan program run on real files: the order of its checks and their exit codes, the
// effect of each flag, and the output left alone whenever a job fails; then web pages and
// question sets: the page files of env/ and their exit codes, the question set beside each
// format, and the pair of files written together or not at all. Before all that, parsing
// the command line: every way to get it wrong.
#include "cli_support.h"
#include "engine/command_line.h"

#include <sstream>

namespace vokan::test {
namespace {

using Args = std::vector<std::string>;

TEST(CliParse, RejectsWhatTheWindowNeverBuildsAndKnowsUrls) {
    std::vector<Args> cases{
        {}, {"-i", "in"}, {"-o", "out"}, {"-i", "", "-o", "out"}, {"-i", "in.txt", "-o", "out", "-D"}};
    // And each of these after a sound "-i in -o out".
    for (Args more : std::vector<Args>{
             {"-z"}, {"--help"}, {"in2"}, {"-l2"}, {"-l"}, {"-l", "x"}, {"-l", "-1"}, {"-l", "+1"},
             {"-L", "3 "}, {"-L", "99999999999"}, {"-q", "-1"}, {"-C", "-1"}, {"-i", "in"}, {"-y", "-y"},
             {"-t", "-j"}, {"-J", "-t"}, {"-H", "-T"}, {"-p", "-c"}, {"-x", "-X"}, {"-d"}}) {
        more.insert(more.begin(), {"-i", "in", "-o", "out"});
        cases.push_back(more);
    }
    for (const Args& args : cases) {
        ParsedCommandLine p = parseCommandLine(args);
        EXPECT_TRUE(!p.ok && !p.error.empty()) << ::testing::PrintToString(args);
    }

    // Web addresses in any case.
    for (const char* url : {"http://example.com/", "HTTPS://example.com/"}) EXPECT_TRUE(isUrl(url)) << url;
    for (const char* path : {"ftp://example.com/", "http:/x", "C:\\http\\x.txt"}) EXPECT_FALSE(isUrl(path)) << path;
    // A value is the next argument, whatever it looks like.
    ParsedCommandLine dashy = parseCommandLine({"-i", "-t", "-o", "http://x"});
    ASSERT_TRUE(dashy.ok);
    EXPECT_EQ(dashy.request.input, "-t");
}

const std::string kDocument = "The cats went home.\r\nA dog and dogs! The Dog\xE2\x80\x99s bone.\r\n";

TEST(CliRun, CsvByteForByteAndQuietOnSuccess) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    // An older output is replaced, and so is a temporary file an interrupted run left behind.
    writeFile(dir.work("out.csv"), "older");
    writeFile(dir.work("out.csv.vokan-tmp"), "half");
    RunResult r = dir.run({"-i", "in.txt", "-o", "out.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(r.stderrText, "");
    EXPECT_EQ(readFile(dir.work("out.csv")),
              "word,meaning,count,example\r\n"
              "cat,\x94\x4C,1,The cats went home.\r\n"
              "go,\x8D\x73\x82\xAD,1,The cats went home.\r\n"
              "dog,\x8C\xA2,3,A dog and dogs!\r\n");
    EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));
}

TEST(CliRun, FlagsShapeTheList) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    auto listOf = [&](std::vector<std::string> flags) {
        flags.insert(flags.end(), {"-i", "in.txt", "-o", "out.tsv", "-p"});
        RunResult r = dir.run(flags);
        EXPECT_EQ(r.exitCode, 0) << r.stderrText;
        // The headwords: what starts each line after the two of the header.
        std::istringstream lines(readFile(dir.work("out.tsv")));
        std::string line, words;
        for (int n = 0; std::getline(lines, line); ++n)
            if (n >= 2) words += (words.empty() ? "" : " ") + line.substr(0, line.find('\t'));
        return words;
    };
    EXPECT_EQ(listOf({}), "cat go dog");
    EXPECT_EQ(listOf({"-N"}), "dog");                       // no replace.txt, no de-inflection
    EXPECT_EQ(listOf({"-y", "-n"}), "the cat go home a dog and bone");  // ignore.txt unread
    EXPECT_EQ(listOf({"-l", "2"}), "cat dog");              // "go" has 2 characters
    EXPECT_EQ(listOf({"-L", "3"}), "cat dog");              // 行く is 4 half-width wide

    // An extra dictionary (relative to the current directory) is searched after env's, and an
    // idiom only it holds is found with -j and alone with -J.
    writeFile(dir.work("extra.dic"), "\xEF\xBB\xBF" "dog /// hound\ngo home /// \xE5\xB8\xB0\xE5\xAE\x85\n");
    EXPECT_EQ(listOf({"-J", "-d", "extra.dic", "-S"}), "go home");
    EXPECT_EQ(listOf({"-j", "-d", "extra.dic", "-S"}), "cat go home go dog");
    std::string tsv = readFile(dir.work("out.tsv"));
    EXPECT_NE(tsv.find("dog\t\xE7\x8A\xAC / hound\t3\t"), std::string::npos) << tsv;

    // HTML: tags are not words when the input is read as HTML, and are when forced to text.
    writeFile(dir.work("in.txt"), "<p>cat</p>");
    EXPECT_EQ(listOf({"-y"}), "cat");
    EXPECT_EQ(listOf({"-y", "-T"}), "p cat");

    // An unsorted dictionary is searched only with -S.
    writeFile(dir.root() / "dic" / "main.dic", "zebra /// z\r\ncat /// c\r\napple /// a\r\n");
    writeFile(dir.work("in.txt"), "An apple.");
    EXPECT_EQ(listOf({}), "");
    EXPECT_EQ(listOf({"-S"}), "apple");
}

// Each case breaks one thing of an otherwise sound job; the job stops with its code, says
// why on one line, and leaves no output and no temporary file behind. (Every code's place in
// the order is the next test's; that an existing output is kept, the web and question-set
// runs'.)
TEST(CliRun, EachCheckFailsWithItsOwnCode) {
    struct Case {
        const char* what;
        int code;
        void (*breakIt)(const ProgramDir&, Args&);
    };
    const Case cases[] = {
        {"unknown flag", 1, [](const ProgramDir&, Args& a) { a.push_back("-Z"); }},
        {"no dict.txt", 5, [](const ProgramDir& d, Args&) { fs::remove(d.env("dict.txt")); }},
        {"dictionary is a folder", 4, [](const ProgramDir& d, Args& a) { fs::create_directory(d.work("x.dic")); a.insert(a.end(), {"-d", "x.dic"}); }},
        {"CR-only dictionary", 9, [](const ProgramDir& d, Args&) { writeFile(d.root() / "dic" / "main.dic", "cat /// c\rdog /// d\r"); }},
        {"ignore.txt is a folder", 6, [](const ProgramDir& d, Args&) { fs::remove(d.env("ignore.txt")); fs::create_directory(d.env("ignore.txt")); }},
        {"input is a folder", 2, [](const ProgramDir&, Args& a) { a[1] = "."; }},
        {"output is a folder", 3, [](const ProgramDir& d, Args&) { fs::create_directory(d.work("out.csv")); }},
        {"temporary file blocked", 10, [](const ProgramDir& d, Args&) { fs::create_directory(d.work("out.csv.vokan-tmp")); }},
    };
    for (const Case& c : cases) {
        ProgramDir dir;
        dir.writeDefaults();
        writeFile(dir.work("in.txt"), kDocument);
        std::vector<std::string> args{"-i", "in.txt", "-o", "out.csv"};
        c.breakIt(dir, args);
        RunResult r = dir.run(args);
        EXPECT_EQ(r.exitCode, c.code) << c.what << ": " << r.stderrText;
        EXPECT_EQ(std::count(r.stderrText.begin(), r.stderrText.end(), '\n'), 1) << c.what << ": " << r.stderrText;
        EXPECT_FALSE(fs::is_regular_file(dir.work("out.csv"))) << c.what;
        EXPECT_FALSE(fs::is_regular_file(dir.work("out.csv.vokan-tmp"))) << c.what;
    }
}

TEST(CliRun, ChecksComeInTheirOrderAndOnlyWhenNeeded) {
    ProgramDir dir;
    writeFile(dir.work("in.txt"), kDocument);
    // Nothing in env/ and bad options: the options are judged first.
    EXPECT_EQ(dir.run({"-i", "in.txt"}).exitCode, 1);
    EXPECT_EQ(dir.run({"-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 5);
    writeFile(dir.env("dict.txt"), "missing.dic\n");
    EXPECT_EQ(dir.run({"-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 4);
    writeFile(dir.env("dict.txt"), "# no dictionaries\n");
    EXPECT_EQ(dir.run({"-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 6);
    EXPECT_EQ(dir.run({"-n", "-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 7);
    EXPECT_EQ(dir.run({"-n", "-N", "-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 8);
    writeFile(dir.env("symbol.txt"), "");
    EXPECT_EQ(dir.run({"-n", "-N", "-i", "missing.txt", "-o", "nowhere/o.csv"}).exitCode, 2);
    EXPECT_EQ(dir.run({"-n", "-N", "-i", "in.txt", "-o", "nowhere/o.csv"}).exitCode, 3);
    // Without ignore.txt and replace.txt a job that needs neither succeeds.
    RunResult r = dir.run({"-n", "-N", "-y", "-i", "in.txt", "-o", "o.csv"});
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_NE(readFile(dir.work("o.csv")).find("cats,,1,"), std::string::npos);
}

#ifdef _WIN32
// Out of memory ends the job with the internal-error code, never a crash: an input larger
// than a 32-bit process can hold. (Natively the address sanitizer, which the native tests
// run under, aborts rather than throw.)
TEST(CliRun, OutOfMemoryIsAnInternalError) {
    ProgramDir dir;
    dir.writeDefaults();
    {
        // Sparse: it takes no disk space.
        std::ofstream big(dir.work("big.txt"), std::ios::binary);
        big.seekp(3ll * 1024 * 1024 * 1024);
        big << 'x';
    }
    RunResult r = dir.run({"-i", "big.txt", "-o", "out.csv"});
    EXPECT_EQ(r.exitCode, 16) << r.stderrText;
    EXPECT_FALSE(fs::exists(dir.work("out.csv")));
}
#endif

// "cat" and "dog" are in the default dictionary; the sentence carries markup characters.
const std::string kMarkupDocument = "The cats & <dogs> said \"hi\".\r\nA dog's day.\r\n";

void writePageFiles(const ProgramDir& dir) {
    writeFile(dir.env("style.css"), "body { margin: 0 }\r\n");
    writeFile(dir.env("webdict.txt"), "First\thttps://first.example/w?q=%s&l=en\r\nSecond\thttps://second.example/%s\r\n");
    writeFile(dir.env("webwav.txt"), "Say\thttps://say.example/%s\r\n");
    writeFile(dir.env("label.txt"), "title\t\x92\x50\x8C\xEA\x92\xA0\r\n");  // 単語帳, Shift-JIS
}

TEST(PagesCli, WritesHtmlPagesAndTheirQuestionSet) {
    ProgramDir dir;
    dir.writeDefaults();
    writePageFiles(dir);
    writeFile(dir.work("in.txt"), kMarkupDocument);

    RunResult r = dir.run({"-X", "-T", "-q", "5", "-C", "12", "-i", "in.txt", "-o", "page.html"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    const std::string page = readFile(dir.work("page.html"));
    EXPECT_NE(page.find("<title>単語帳</title>"), std::string::npos) << page;
    EXPECT_NE(page.find("<style>\nbody { margin: 0 }\r\n</style>"), std::string::npos) << page;
    EXPECT_NE(page.find("The <mark>cats</mark> &amp; &lt;dogs&gt; said &quot;hi&quot;."), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://first.example/w?q=cat&amp;l=en\""), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://second.example/dog\""), std::string::npos) << page;
    EXPECT_NE(page.find("href=\"https://say.example/dog\""), std::string::npos) << page;

    // The question set: a page of its own beside the output, cut after 12 half-width
    // characters.
    const std::string questions = readFile(dir.work("page_q.html"));
    EXPECT_NE(questions.find("<style>\nbody { margin: 0 }\r\n</style>"), std::string::npos) << questions;
    EXPECT_NE(questions.find("<td class=\"question\">The <span class=\"blank\">( )</span> &amp; &lt;d</td>"), std::string::npos) << questions;
    EXPECT_NE(questions.find("<td class=\"number\">2</td>"), std::string::npos);
    EXPECT_EQ(questions.find("<td class=\"number\">3</td>"), std::string::npos);

    // html1: the first dictionary only, no pronunciations, and webwav.txt is not needed.
    fs::remove(dir.env("webwav.txt"));
    r = dir.run({"-x", "-T", "-i", "in.txt", "-o", "page1.html"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    const std::string page1 = readFile(dir.work("page1.html"));
    EXPECT_NE(page1.find("href=\"https://first.example/w?q=dog&amp;l=en\""), std::string::npos) << page1;
    EXPECT_EQ(page1.find("second.example"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.work("page1_q.html")));
}

// The page files are checked after the other list files and before the input, in their
// order. (csv and vkndb5s need none of them: the other runs have no page files.)
TEST(PagesCli, PageFilesAreCheckedInOrderAndOnlyForHtml) {
    ProgramDir dir;
    dir.writeDefaults();
    writePageFiles(dir);
    writeFile(dir.work("in.txt"), kMarkupDocument);
    // Removed from the last checked to the first: each run fails with the code of the first
    // missing file, names it, and writes neither file.
    const std::pair<const char*, int> files[] = {
        {"label.txt", 15}, {"webwav.txt", 14}, {"webdict.txt", 13}, {"style.css", 12}};
    for (const auto& [missing, code] : files) {
        fs::remove(dir.env(missing));
        RunResult r = dir.run({"-X", "-q", "1", "-i", "in.txt", "-o", "out.html"});
        EXPECT_EQ(r.exitCode, code) << missing << ": " << r.stderrText;
        EXPECT_NE(r.stderrText.find(missing), std::string::npos) << r.stderrText;
        EXPECT_FALSE(fs::exists(dir.work("out.html")) || fs::exists(dir.work("out_q.html"))) << missing;
    }
    EXPECT_EQ(dir.run({"-x", "-i", "missing.txt", "-o", "out.html"}).exitCode, 12);
    fs::remove(dir.env("symbol.txt"));
    EXPECT_EQ(dir.run({"-x", "-i", "missing.txt", "-o", "out.html"}).exitCode, 8);
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
    writeFile(dir.work("in.txt"), kMarkupDocument);
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
// leaves every place as it was.
TEST(PagesCli, LockedFilesAreReportedAndKept) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kMarkupDocument);
    writeFile(dir.work("out.csv"), "old list");
    writeFile(dir.work("out_q.csv"), "old questions");
    const struct {
        const char* locked;
        std::vector<std::string> flags;
    } cases[] = {
        {"out.csv", {}},             // the final move of the output cannot happen
        {"out_q.csv", {"-q", "2"}},  // the question set can be neither saved nor replaced
        {"out.csv", {"-q", "2"}},    // the question set written first is put back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locked) + (c.flags.empty() ? "" : " -q"));
        HANDLE held = CreateFileW(dir.work(c.locked).wstring().c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::vector<std::string> args = c.flags;
        args.insert(args.end(), {"-i", "in.txt", "-o", "out.csv"});
        RunResult r = dir.run(args);
        CloseHandle(held);
        EXPECT_EQ(r.exitCode, 3) << r.stderrText;
        EXPECT_EQ(readFile(dir.work("out.csv")), "old list");
        EXPECT_EQ(readFile(dir.work("out_q.csv")), "old questions");
        EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));
        EXPECT_FALSE(fs::exists(dir.work("out_q.csv.vokan-tmp")));
    }
}
#endif

}  // namespace
}  // namespace vokan::test
