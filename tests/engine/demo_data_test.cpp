// The files shipped beside the programs (the dist/ image the build makes): the demo
// dictionary checked line by line against what the engine's search relies on, and the
// shipped lists run through the engine on the sample.
#include "cli_support.h"
#include "engine/dictionary.h"
#include "engine/encoding.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vokan::test {
namespace {

fs::path distPath(const std::string& relative) { return fs::path(VOKAN_DIST_DIR) / relative; }

TEST(DemoData, DictionaryIsSortedShiftJisWithJapaneseMeanings) {
    const std::string bytes = readFile(distPath("dic/freedict-eng-jpn.txt"));
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");  // the last line ends too
    std::string previous;
    std::size_t lines = 0, faults = 0;
    auto fault = [&](const std::string& what) {
        if (++faults <= 5) ADD_FAILURE() << what;
    };
    for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = std::min(bytes.find("\r\n", start), bytes.size());
        const std::string line = bytes.substr(start, end - start);
        const std::size_t sep = line.find(" /// ");
        const std::string headword = line.substr(0, sep);
        const std::string meaning = sep == std::string::npos ? "" : line.substr(sep + 5);
        // Meanings fit under the window's default limit of 30 half-width characters for
        // answers (bytes in Shift-JIS), unless one term alone is longer.
        const bool oneTerm = meaning.find(", ") == std::string::npos && meaning.find(" / ") == std::string::npos;
        if (sep == 0 || meaning.empty() || line.find_first_of("\r\n") != std::string::npos ||
            shiftJisToUtf8(line).find("\xEF\xBF\xBD") != std::string::npos ||
            std::any_of(headword.begin(), headword.end(), [](unsigned char c) { return c >= 0x80; }) ||
            headword.front() == ' ' || headword.back() == ' ' || (meaning.size() >= 30 && !oneTerm))
            fault("bad line: " + line);
        // The engine binary-searches the file: each headword, folded, >= the one before.
        if (compareHeadwords(previous, headword, true) > 0) fault("out of order: " + previous + " before " + headword);
        previous = headword;
        ++lines;
    }
    EXPECT_EQ(faults, 0u);
    EXPECT_GT(lines, 20000u);
    // The licences travel with the data.
    const std::string notice = readFile(distPath("dic/freedict-eng-jpn.COPYING.txt"));
    EXPECT_NE(notice.find("https://creativecommons.org/licenses/by-sa/3.0/"), std::string::npos);
    EXPECT_NE(readFile(distPath("env/replace.COPYING.txt")).find("Princeton University"), std::string::npos);
}

// The shipped files work together with the engine: the sample gives words with their
// meanings, idioms (one of them inflected), irregular forms through replace.txt, no
// function words, symbol.txt's replacements, and a web page from the page files.
TEST(DemoData, EngineMakesAListFromTheSample) {
    ProgramDir dir;
    fs::remove_all(dir.root() / "env");
    fs::copy(distPath("env"), dir.root() / "env", fs::copy_options::recursive);
    fs::copy(distPath("dic"), dir.root() / "dic", fs::copy_options::recursive);
    const std::string sample = distPath("sample/sample.txt").string();
    // Absolute paths for both.
    RunResult run = dir.run({"-j", "-c", "-i", sample, "-o", dir.work("sample.csv").string()});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string csv = readFile(dir.work("sample.csv"));
    // Each entry's line starts with its headword and a comma (Shift-JIS, CR LF).
    auto listed = [&](const std::string& word) { return csv.find("\n" + word + ",") != std::string::npos; };
    for (const char* word : {"garden", "take part", "look forward to", "take care", "child", "go",
                             "vegetable", "carry"})
        EXPECT_TRUE(listed(word)) << word;
    for (const char* word : {"the", "and", "she", "of", "children", "went"})
        EXPECT_FALSE(listed(word)) << word;
    EXPECT_NE(csv.find("\ngarden,\"\x92\xEB, "), std::string::npos);  // 庭 first

    // Typographic text: the em dash parts words, the curly apostrophe and the ligature
    // become plain letters, the no-break space a space.
    writeFile(dir.work("typographic.txt"),
              "The garden\xE2\x80\x94quiet and green\xE2\x80\x94was \xEF\xAC\x81ne. "
              "Emma didn\xE2\x80\x99t\xC2\xA0mind.\r\n");
    run = dir.run({"-t", "-c", "-T", "-i", "typographic.txt", "-o", "typographic.csv"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string csv2 = readFile(dir.work("typographic.csv"));
    for (const char* part : {"\nfine,", "\nquiet,", "The garden - quiet and green - was fine.", "Emma didn't mind."})
        EXPECT_NE(csv2.find(part), std::string::npos) << part << " in " << csv2;

    run = dir.run({"-X", "-q", "3", "-C", "40", "-i", sample, "-o", "sample.html"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string page = readFile(dir.work("sample.html"));
    for (const char* part : {"<th class=\"word\">単語</th>", "href=\"https://ejje.weblio.jp/content/garden\"",
                             "href=\"https://forvo.com/word/garden/#en\"", "<mark>", "tbody tr:nth-child(even)"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    const std::string questions = readFile(dir.work("sample_q.html"));
    EXPECT_NE(questions.find("<td class=\"number\">3</td>"), std::string::npos);
    EXPECT_EQ(questions.find("<td class=\"number\">4</td>"), std::string::npos);
}

// The word levels made from SCOWL: each level cuts the sample's list further, and with
// level 2 the list keeps the sample's less common words.
TEST(DemoData, LevelsShortenTheSamplesList) {
    EXPECT_NE(readFile(distPath("env/level.COPYING.txt")).find("Kevin Atkinson"), std::string::npos);
    EXPECT_EQ(readFile(distPath("env/known.txt")), "");
    ProgramDir dir;
    fs::remove_all(dir.root() / "env");
    fs::copy(distPath("env"), dir.root() / "env", fs::copy_options::recursive);
    fs::copy(distPath("dic"), dir.root() / "dic", fs::copy_options::recursive);
    const std::string sample = distPath("sample/sample.txt").string();
    std::vector<std::string> lists;
    for (const char* level : {"", "1", "2", "3"}) {
        std::vector<std::string> args{"-c", "-i", sample, "-o", "sample.csv"};
        if (*level) args.insert(args.begin(), {"-k", level});
        RunResult run = dir.run(args);
        EXPECT_EQ(run.exitCode, 0) << run.stderrText;
        lists.push_back(readFile(dir.work("sample.csv")));
        if (lists.size() > 1) {
            EXPECT_LT(lists.back().size(), lists[lists.size() - 2].size()) << level;
        }
    }
    auto listed = [](const std::string& csv, const std::string& word) {
        return csv.find("\n" + word + ",") != std::string::npos;
    };
    for (const char* common : {"garden", "morning", "small"}) {
        EXPECT_TRUE(listed(lists[0], common)) << common;
        EXPECT_FALSE(listed(lists[2], common)) << common;
    }
    for (const char* rarer : {"lettuce", "compost", "gardener"}) EXPECT_TRUE(listed(lists[2], rarer)) << rarer;
    EXPECT_EQ(dir.run({"-k", "4", "-c", "-i", sample, "-o", "sample.csv"}).exitCode, 1);
}

// The first meaning is the one a learner needs: common words of several senses come with
// their everyday meaning first (the demo dictionary ranks what its sources give), idioms are
// found, and a verb comes as a verb.
TEST(DemoData, CommonWordsGetTheirEverydayMeaningFirst) {
    ProgramDir dir;
    fs::remove_all(dir.root() / "env");
    fs::copy(distPath("env"), dir.root() / "env", fs::copy_options::recursive);
    fs::copy(distPath("dic"), dir.root() / "dic", fs::copy_options::recursive);
    writeFile(dir.work("common.txt"),
              "My friend has a house by the river. The school is still open. "
              "We run to the bank for water. She gave up and looked me in the eye. "
              "Please modify the plan. The seed is by the bed, and the light is red.\r\n");
    RunResult run = dir.run({"-j", "-c", "-T", "-n", "-i", "common.txt", "-o", "common.csv"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string csv = shiftJisToUtf8(readFile(dir.work("common.csv")));
    auto firstMeaning = [&](const std::string& word) {
        const std::size_t at = csv.find("\n" + word + ",");
        if (at == std::string::npos) return std::string("(not listed)");
        std::size_t start = at + word.size() + 2;
        const bool quoted = csv[start] == '"';
        if (quoted) ++start;
        const std::size_t end = csv.find(quoted ? "\"" : ",", start);
        const std::string meaning = csv.substr(start, end - start);
        return meaning.substr(0, std::min(meaning.find(", "), meaning.find(" / ")));
    };
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"friend", {"友達", "友人"}},       {"house", {"家", "家屋", "住宅"}}, {"river", {"川", "河"}},
        {"school", {"学校"}},              {"still", {"まだ", "なお"}},     {"run", {"走る"}},
        {"bank", {"銀行"}},                {"water", {"水"}},              {"eye", {"目"}},
        {"give up", {"諦める", "やめる"}}, {"modify", {"修正する", "変更する"}},
        // Spelt like past forms (of see, be), they are words of their own.
        {"seed", {"種", "種子"}},          {"bed", {"ベッド", "寝台", "床"}},  {"red", {"赤い", "赤"}},
    };
    for (const auto& [word, accepted] : expected) {
        const std::string first = firstMeaning(word);
        EXPECT_NE(std::find(accepted.begin(), accepted.end(), first), accepted.end())
            << word << ": " << first;
    }
}

}  // namespace
}  // namespace vokan::test
