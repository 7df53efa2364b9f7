// The vokan program run on real files: the order of its checks and their exit codes, the
// effect of each flag, and the output left alone whenever a job fails.
#include "cli_support.h"

#include <fstream>

namespace vokan::test {
namespace {

const std::string kDocument = "The cats went home.\r\nA dog and dogs! The Dog\xE2\x80\x99s bone.\r\n";

std::string sjisCsv(const std::string& rows) { return "word,meaning,count,example\r\n" + rows; }

TEST(CliRun, CsvByteForByteAndQuietOnSuccess) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    RunResult r = dir.run({"-i", "in.txt", "-o", "out.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(r.stderrText, "");
    EXPECT_EQ(readFile(dir.work("out.csv")),
              sjisCsv("cat,\x94\x4C,1,The cats went home.\r\n"
                      "go,\x8D\x73\x82\xAD,1,The cats went home.\r\n"
                      "dog,\x8C\xA2,3,A dog and dogs!\r\n"));
    EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));

    // vkndb5s, into an absolute path, with the words found nowhere listed too (-y).
    const fs::path tsv = dir.root() / "list.tsv";
    r = dir.run({"-p", "-y", "-i", dir.work("in.txt").string(), "-o", tsv.string()});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(readFile(tsv),
              "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n"
              "cat\t\xE7\x8C\xAB\t1\tThe cats went home.\r\n"
              "go\t\xE8\xA1\x8C\xE3\x81\x8F\t1\tThe cats went home.\r\n"
              "home\t\t1\tThe cats went home.\r\n"
              "a\t\t1\tA dog and dogs!\r\n"
              "dog\t\xE7\x8A\xAC\t3\tA dog and dogs!\r\n"
              "bone\t\t1\tThe Dog's bone.\r\n");
}

TEST(CliRun, FlagsShapeTheList) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    auto listOf = [&](std::vector<std::string> flags) {
        flags.insert(flags.end(), {"-i", "in.txt", "-o", "out.tsv", "-p"});
        RunResult r = dir.run(flags);
        EXPECT_EQ(r.exitCode, 0) << r.stderrText;
        std::string text = readFile(dir.work("out.tsv"));
        std::string words;
        for (std::size_t line = text.find("\r\n", text.find("\r\n") + 2); line != std::string::npos;) {
            std::size_t start = line + 2;
            std::size_t tab = text.find('\t', start);
            if (tab == std::string::npos) break;
            words += (words.empty() ? "" : " ") + text.substr(start, tab - start);
            line = text.find("\r\n", start);
        }
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
    EXPECT_EQ(listOf({"-y", "-H"}), "cat");
    EXPECT_EQ(listOf({"-y", "-T"}), "p cat");
}

TEST(CliRun, UnsortedDictionaryIsSearchedOnlyWithIndex) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.root() / "dic" / "main.dic", "zebra /// z\r\ncat /// c\r\napple /// a\r\n");
    writeFile(dir.work("in.txt"), "An apple.");
    ASSERT_EQ(dir.run({"-i", "in.txt", "-o", "a.csv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.work("a.csv")), sjisCsv(""));
    ASSERT_EQ(dir.run({"-S", "-i", "in.txt", "-o", "a.csv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.work("a.csv")), sjisCsv("apple,a,1,An apple.\r\n"));
}

// Each case breaks one thing of an otherwise sound job; the job stops with its code, says
// why on one line, and leaves no output and no temporary file behind.
TEST(CliRun, EachCheckFailsWithItsOwnCode) {
    struct Case {
        const char* what;
        int code;
        void (*breakIt)(const ProgramDir&, std::vector<std::string>&);
    };
    const Case cases[] = {
        {"unknown flag", 1, [](const ProgramDir&, std::vector<std::string>& a) { a.push_back("-Z"); }},
        {"two of a choice", 1, [](const ProgramDir&, std::vector<std::string>& a) { a.insert(a.end(), {"-H", "-T"}); }},
        {"no dict.txt", 5, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.env("dict.txt")); }},
        {"listed dictionary missing", 4, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.root() / "dic" / "main.dic"); }},
        {"-d missing", 4, [](const ProgramDir&, std::vector<std::string>& a) { a.insert(a.end(), {"-d", "none.dic"}); }},
        {"dictionary is a folder", 4, [](const ProgramDir& d, std::vector<std::string>& a) { fs::create_directory(d.work("x.dic")); a.insert(a.end(), {"-d", "x.dic"}); }},
        {"CR-only dictionary", 9, [](const ProgramDir& d, std::vector<std::string>&) { writeFile(d.root() / "dic" / "main.dic", "cat /// c\rdog /// d\r"); }},
        {"no ignore.txt", 6, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.env("ignore.txt")); }},
        {"no replace.txt", 7, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.env("replace.txt")); }},
        {"no symbol.txt", 8, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.env("symbol.txt")); }},
        {"ignore.txt is a folder", 6, [](const ProgramDir& d, std::vector<std::string>&) { fs::remove(d.env("ignore.txt")); fs::create_directory(d.env("ignore.txt")); }},
        {"no input", 2, [](const ProgramDir&, std::vector<std::string>& a) { a[1] = "missing.txt"; }},
        {"input is a folder", 2, [](const ProgramDir&, std::vector<std::string>& a) { a[1] = "."; }},
        {"output folder missing", 3, [](const ProgramDir&, std::vector<std::string>& a) { a[3] = "nowhere/out.csv"; }},
        {"output is a folder", 3, [](const ProgramDir& d, std::vector<std::string>&) { fs::create_directory(d.work("out.csv")); }},
        {"temporary file blocked", 10, [](const ProgramDir& d, std::vector<std::string>&) { fs::create_directory(d.work("out.csv.vokan-tmp")); }},
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

TEST(CliRun, FailedJobLeavesTheExistingOutputAlone) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    writeFile(dir.work("out.csv"), "precious");
    EXPECT_EQ(dir.run({"-i", "missing.txt", "-o", "out.csv"}).exitCode, 2);
    EXPECT_EQ(readFile(dir.work("out.csv")), "precious");

    // A leftover temporary file of an interrupted run is replaced, and success replaces the output.
    writeFile(dir.work("out.csv.vokan-tmp"), "half");
    EXPECT_EQ(dir.run({"-i", "in.txt", "-o", "out.csv"}).exitCode, 0);
    EXPECT_NE(readFile(dir.work("out.csv")).find("dog,"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));
}

#ifdef _WIN32
TEST(CliRun, LockedOutputIsReportedAndKept) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    writeFile(dir.work("out.csv"), "precious");
    // Another program holds the output open without sharing: the final move cannot happen.
    HANDLE lock = CreateFileW(dir.work("out.csv").wstring().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    RunResult r = dir.run({"-i", "in.txt", "-o", "out.csv"});
    CloseHandle(lock);
    EXPECT_EQ(r.exitCode, 3) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("out.csv")), "precious");
    EXPECT_FALSE(fs::exists(dir.work("out.csv.vokan-tmp")));
}
#endif

// Out of memory ends the job with the internal-error code, never a crash: an input larger
// than the memory the run may use. The address sanitizer reserves far more address space
// than any cap allows and aborts rather than throw, so this runs in builds without it.
TEST(CliRun, OutOfMemoryIsAnInternalError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "needs a build without the address sanitizer";
#else
    ProgramDir dir;
    dir.writeDefaults();
    {
        // Sparse: it takes no disk space, yet is larger than a 32-bit process can hold.
        std::ofstream big(dir.work("big.txt"), std::ios::binary);
        big.seekp(3ll * 1024 * 1024 * 1024);
        big << 'x';
    }
    RunResult r = dir.run({"-i", "big.txt", "-o", "out.csv"}, 512ull * 1024 * 1024);
    EXPECT_EQ(r.exitCode, 16) << r.stderrText;
    EXPECT_FALSE(fs::exists(dir.work("out.csv")));
#endif
}

}  // namespace
}  // namespace vokan::test
