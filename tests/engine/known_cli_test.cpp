// The vokan program and the learner's lists: a level cut with -k, the known words left
// out, -n reading neither; -K adding the words of every kind of list to known.txt, and every
// failure leaving known.txt byte for byte as it was. Then the headwords the trap entries of
// a dictionary must not take, as one csv compared byte for byte (natively and under Wine).
#include "cli_support.h"
#include "engine/command_line.h"

namespace vokan::test {
namespace {

using Args = std::vector<std::string>;

TEST(KnownCli, OptionsThatCannotGoTogether) {
    for (const Args& args : std::vector<Args>{
             {"-k", "0", "-i", "in", "-o", "out"}, {"-k", "x", "-i", "in", "-o", "out"},
             {"-k", "1", "-n", "-i", "in", "-o", "out"}, {"-K"}, {"-K", "-i", "in", "-o", "out"},
             {"-K", "-t", "-i", "in"}, {"-K", "-k", "1", "-i", "in"}, {"-K", "-d", "x.dic", "-i", "in"},
             {"-K", "-i", "http://example.com/list.csv"}, {"-K", "-K", "-i", "in"}})
        EXPECT_FALSE(parseCommandLine(args).ok) << ::testing::PrintToString(args);
    EXPECT_TRUE(parseCommandLine({"-i", "in", "-K"}).ok);
}

// "cat" and "dog" are in the default dictionary, "go" through replace.txt.
const std::string kDocument = "The cats went home with a dog.\r\n";

void writeLevels(const ProgramDir& dir) { writeFile(dir.env("level.txt"), "# levels\r\nGO\t1\r\ncat\t2\r\n"); }

std::string headwords(const ProgramDir& dir, Args flags, int expectedCode = 0) {
    flags.insert(flags.end(), {"-i", "in.txt", "-o", "out.csv"});
    RunResult r = dir.run(flags);
    EXPECT_EQ(r.exitCode, expectedCode) << ::testing::PrintToString(flags) << r.stderrText;
    if (r.exitCode != 0) return "(failed)";
    std::string csv = readFile(dir.work("out.csv")), words;
    for (size_t at = csv.find("\r\n"); at + 2 < csv.size(); at = csv.find("\r\n", at + 2))
        words += (words.empty() ? "" : " ") + csv.substr(at + 2, csv.find(',', at + 2) - at - 2);
    return words;
}

TEST(KnownCli, LevelCutKnownWordsAndTheirCodes) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    // No level.txt: only -k needs it.
    EXPECT_EQ(headwords(dir, {}), "cat go dog");
    EXPECT_EQ(headwords(dir, {"-k", "1"}, 17), "(failed)");
    writeLevels(dir);
    EXPECT_EQ(headwords(dir, {"-k", "1"}), "cat dog");
    EXPECT_EQ(headwords(dir, {"-k", "2"}), "dog");
    EXPECT_EQ(headwords(dir, {"-k", "3"}, 1), "(failed)");  // above the file's highest level
    writeFile(dir.env("level.txt"), "# nothing but a comment\r\n");
    EXPECT_EQ(headwords(dir, {"-k", "1"}, 17), "(failed)");

    // known.txt: left out like ignore.txt, by headword or by the word as written.
    writeFile(dir.env("known.txt"), "\xEF\xBB\xBF" "DOG\r\ncats\r\n");
    EXPECT_EQ(headwords(dir, {}), "go");
    // -n reads neither ignore.txt nor known.txt.
    EXPECT_EQ(headwords(dir, {"-n", "-y"}), "the cat go home with a dog");
    fs::remove(dir.env("known.txt"));
    fs::create_directory(dir.env("known.txt"));
    EXPECT_EQ(headwords(dir, {}, 18), "(failed)");
    EXPECT_EQ(headwords(dir, {"-n"}), "cat go dog");
}

TEST(KnownCli, AddsTheHeadwordsOfEveryKindOfList) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.env("style.css"), "");
    writeFile(dir.env("webdict.txt"), "Dict\thttps://dict.example/%s\r\n");
    writeFile(dir.env("webwav.txt"), "");
    writeFile(dir.env("label.txt"), "");
    writeFile(dir.work("in.txt"), kDocument);
    // Each list is made from the document by the engine itself, then added to a known.txt
    // that holds one of its words already, in another case, without a last line end.
    const std::pair<const char*, Args> lists[] = {
        {"list.csv", {}}, {"list_q.csv", {"-q", "3"}}, {"list.tsv", {"-p"}}, {"list_q.tsv", {"-p", "-q", "3"}},
        {"list.html", {"-x"}}, {"page.html", {"-X"}}, {"page_q.html", {"-X", "-q", "3"}}};
    for (const auto& [name, flags] : lists) {
        SCOPED_TRACE(name);
        std::string base = name;
        base.erase(base.find('.'));
        if (base.size() > 2 && base.substr(base.size() - 2) == "_q") base.erase(base.size() - 2);
        Args make = flags;
        make.insert(make.end(), {"-i", "in.txt", "-o", base + fs::path(name).extension().string()});
        fs::remove(dir.env("known.txt"));
        ASSERT_EQ(dir.run(make).exitCode, 0);
        writeFile(dir.env("known.txt"), "Go");
        RunResult r = dir.run({"-K", "-i", name});
        EXPECT_EQ(r.exitCode, 0) << r.stderrText;
        EXPECT_EQ(readFile(dir.env("known.txt")), "Go\r\ncat\r\ndog\r\n");
        EXPECT_FALSE(fs::exists(dir.env("known.txt.vokan-tmp")));
    }
    // The next run leaves all three out, and adding the same list again adds nothing.
    EXPECT_EQ(headwords(dir, {}), "");
    EXPECT_EQ(dir.run({"-K", "-i", "list.csv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.env("known.txt")), "Go\r\ncat\r\ndog\r\n");
    // A missing known.txt is made.
    fs::remove(dir.env("known.txt"));
    EXPECT_EQ(dir.run({"-K", "-i", "list.tsv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.env("known.txt")), "cat\r\ngo\r\ndog\r\n");
}

// Every failure of -K leaves known.txt as it was, byte for byte.
TEST(KnownCli, FailuresLeaveKnownWordsAsTheyWere) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("in.txt"), kDocument);
    ASSERT_EQ(dir.run({"-i", "in.txt", "-o", "list.csv"}).exitCode, 0);
    const std::string before = "# mine\n\x82\r\nCAT";  // a lone lead byte, no last line end
    writeFile(dir.work("notes.txt"), "cat\r\ndog\r\n");
    struct Case {
        const char* what;
        int code;
        Args args;
        void (*breakIt)(const ProgramDir&);
    };
    const Case cases[] = {
        {"not a list", 2, {"-K", "-i", "notes.txt"}, [](const ProgramDir&) {}},
        {"no list", 2, {"-K", "-i", "missing.csv"}, [](const ProgramDir&) {}},
        {"temporary file blocked", 18, {"-K", "-i", "list.csv"},
         [](const ProgramDir& d) { fs::create_directory(d.env("known.txt.vokan-tmp")); }},
    };
    for (const Case& c : cases) {
        writeFile(dir.env("known.txt"), before);
        c.breakIt(dir);
        RunResult r = dir.run(c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.what << ": " << r.stderrText;
        EXPECT_EQ(readFile(dir.env("known.txt")), before) << c.what;
        fs::remove_all(dir.env("known.txt.vokan-tmp"));
    }
#ifdef _WIN32
    // Held open by another program: 18, and nothing lost.
    HANDLE held = CreateFileW(dir.env("known.txt").wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(dir.run({"-K", "-i", "list.csv"}).exitCode, 18);
    CloseHandle(held);
    EXPECT_EQ(readFile(dir.env("known.txt")), before);
#endif
    // Read-only: kept so, whatever the system would allow.
    fs::permissions(dir.env("known.txt"), fs::perms::all, fs::perm_options::remove);
    fs::permissions(dir.env("known.txt"), fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(dir.run({"-K", "-i", "list.csv"}).exitCode, 18);
    fs::permissions(dir.env("known.txt"), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readFile(dir.env("known.txt")), before);
    EXPECT_FALSE(fs::exists(dir.env("known.txt.vokan-tmp")));
    // And when it works, every byte already there stays.
    ASSERT_EQ(dir.run({"-K", "-i", "list.csv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.env("known.txt")), before + "\ngo\ndog\n");
}

// The entries that trap a form, and the headword a learner means: the first word of a
// sentence and a word in capitals are the common word; inside a sentence the exact case
// wins; a stem that ends in a vowel takes its e; with level.txt the commoner base wins.
TEST(KnownCli, TrapEntriesGiveTheRightHeadwords) {
    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.root() / "dic" / "main.dic",
              "die /// die\r\nking /// king\r\nKings /// Kings\r\nlarg /// larg\r\nlarge /// large\r\nli /// li\r\n"
              "lie /// lie\r\nMarch /// March\r\nmarch /// march\r\nMark /// Mark\r\nmark /// mark\r\n"
              "Polish /// Polish\r\npolish /// polish\r\nti /// ti\r\ntie /// tie\r\n");
    writeFile(dir.work("in.txt"),
              "Mark the page. Polish the shoes. March forward. Kings rule. He lied. They tied. It died.\r\n"
              "It is larger. We met Mark in March. They speak Polish. MARK IT.\r\n");
    const std::string expected =
        "word,meaning,count,example\r\n"
        "mark,mark,2,Mark the page.\r\n"
        "polish,polish,1,Polish the shoes.\r\n"
        "march,march,1,March forward.\r\n"
        "king,king,1,Kings rule.\r\n"
        "lie,lie,1,He lied.\r\n"
        "tie,tie,1,They tied.\r\n"
        "die,die,1,It died.\r\n"
        "larg,larg,1,It is larger.\r\n"
        "Mark,Mark,1,We met Mark in March.\r\n"
        "March,March,1,We met Mark in March.\r\n"
        "Polish,Polish,1,They speak Polish.\r\n";
    ASSERT_EQ(dir.run({"-i", "in.txt", "-o", "out.csv"}).exitCode, 0);
    EXPECT_EQ(readFile(dir.work("out.csv")), expected);
    writeFile(dir.env("level.txt"), "large\t1\r\n");
    ASSERT_EQ(dir.run({"-i", "in.txt", "-o", "out.csv"}).exitCode, 0);
    std::string withLevels = expected;
    withLevels.replace(withLevels.find("larg,larg"), 9, "large,large");
    EXPECT_EQ(readFile(dir.work("out.csv")), withLevels);
}

}  // namespace
}  // namespace vokan::test
