// The files shipped beside the programs (the dist/ image the build makes): the demo
// dictionary checked line by line against what the engine's search relies on, and the
// shipped lists run through the engine on the sample.
#include <gtest/gtest.h>

#include "cli_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string distPath(const std::string& relative) { return std::string(VOKAN_DIST_DIR) + "/" + relative; }

std::string readFile(const std::string& relative) {
    std::ifstream in(distPath(relative), std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << distPath(relative);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Splits a file into lines, each of which must end with CR LF.
std::vector<std::string> crlfLines(const std::string& bytes, const std::string& name) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lf = bytes.find('\n', start);
        EXPECT_NE(lf, std::string::npos) << name << ": last line has no line end";
        if (lf == std::string::npos) break;
        EXPECT_TRUE(lf > start && bytes[lf - 1] == '\r') << name << ": LF without CR at byte " << lf;
        std::string line = bytes.substr(start, lf - start - (lf > start ? 1 : 0));
        EXPECT_EQ(line.find('\r'), std::string::npos) << name << ": stray CR in " << line;
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

// Code page 932: single bytes 00-7F and A1-DF, or a lead byte 81-9F / E0-FC followed by
// a trail byte 40-7E / 80-FC.
bool isCp932(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c <= 0x7F || (c >= 0xA1 && c <= 0xDF)) continue;
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (!lead || i + 1 >= s.size()) return false;
        unsigned char t = static_cast<unsigned char>(s[++i]);
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
    }
    return true;
}

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// The dictionary order: bytes with ASCII capitals lower-cased (headwords are ASCII here).
std::string folded(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

TEST(DemoData, DictionaryIsSortedShiftJisWithJapaneseMeanings) {
    const std::string bytes = readFile("dic/freedict-eng-jpn.txt");
    const std::vector<std::string> lines = crlfLines(bytes, "dictionary");
    ASSERT_GT(lines.size(), 20000u);

    std::string previous;
    std::set<std::string> headwords;
    std::string book;
    size_t faults = 0;
    for (const std::string& line : lines) {
        const size_t sep = line.find(" /// ");
        if (sep == std::string::npos || sep == 0 || !isCp932(line)) {
            if (++faults < 5) ADD_FAILURE() << "bad line: " << line;
            continue;
        }
        const std::string headword = line.substr(0, sep);
        const std::string meaning = line.substr(sep + 5);
        EXPECT_TRUE(isAscii(headword)) << headword;
        EXPECT_FALSE(meaning.empty()) << headword;
        // Meanings fit under the window's default limit of 30 half-width characters for
        // answers (bytes in Shift-JIS), unless one term alone is longer.
        const bool oneTerm = meaning.find(", ") == std::string::npos &&
                             meaning.find(" / ") == std::string::npos;
        EXPECT_TRUE(meaning.size() < 30 || oneTerm) << headword << ": " << meaning.size();
        EXPECT_TRUE(headword.front() != ' ' && headword.back() != ' ') << headword;
        // The engine binary-searches the file: each folded headword >= the one before.
        if (folded(headword) < folded(previous) && ++faults < 5)
            ADD_FAILURE() << "out of order: " << previous << " before " << headword;
        EXPECT_TRUE(headwords.insert(headword).second) << "headword twice: " << headword;
        previous = headword;
        if (headword == "book") book = meaning;
    }
    EXPECT_EQ(faults, 0u);
    EXPECT_NE(book.find("\x96\x7B"), std::string::npos) << book;     // 本
    // The licences travel with the data.
    EXPECT_NE(readFile("dic/freedict-eng-jpn.COPYING.txt").find("https://creativecommons.org/licenses/by-sa/3.0/"),
              std::string::npos);
    EXPECT_NE(readFile("env/replace.COPYING.txt").find("Princeton University"), std::string::npos);
}

// The shipped files work together with the engine: the sample gives words with their
// meanings, idioms (one of them inflected), irregular forms through replace.txt, no
// function words, symbol.txt's replacements, and a web page from the page files.
TEST(DemoData, EngineMakesAListFromTheSample) {
    vokan::test::ProgramDir dir;
    fs::remove_all(dir.root() / "env");
    fs::copy(distPath("env"), dir.root() / "env", fs::copy_options::recursive);
    fs::copy(distPath("dic"), dir.root() / "dic", fs::copy_options::recursive);
    const fs::path out = dir.work("sample.csv");
    vokan::test::RunResult run = dir.run(
        {"-j", "-c", "-i", distPath("sample/sample.txt"), "-o", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string csv = vokan::test::readFile(out);
    EXPECT_EQ(csv.rfind("word,meaning,count,example\r\n", 0), 0u);
    // Each entry's line starts with its headword and a comma (Shift-JIS, CR LF).
    auto listed = [&](const std::string& word) { return csv.find("\n" + word + ",") != std::string::npos; };
    for (const char* word : {"garden", "take part", "look forward to", "take care", "child", "go",
                             "vegetable", "carry"})
        EXPECT_TRUE(listed(word)) << word;
    for (const char* word : {"the", "and", "she", "of", "children", "went"})
        EXPECT_FALSE(listed(word)) << word;
    EXPECT_NE(csv.find("\ngarden,\"\x8D\x4C\x8F\xEA"), std::string::npos);  // 広場

    // Typographic text: the em dash parts words, the curly apostrophe and the ligature
    // become plain letters, the no-break space a space.
    const fs::path typographic = dir.work("typographic.txt");
    vokan::test::writeFile(typographic,
                           "The garden\xE2\x80\x94quiet and green\xE2\x80\x94was \xEF\xAC\x81ne. "
                           "Emma didn\xE2\x80\x99t\xC2\xA0mind.\r\n");
    const fs::path out2 = dir.work("typographic.csv");
    run = dir.run({"-t", "-c", "-T", "-i", typographic.string(), "-o", out2.string()});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string csv2 = vokan::test::readFile(out2);
    EXPECT_NE(csv2.find("\nfine,"), std::string::npos) << csv2;
    EXPECT_NE(csv2.find("\nquiet,"), std::string::npos) << csv2;
    EXPECT_NE(csv2.find("The garden - quiet and green - was fine."), std::string::npos) << csv2;
    EXPECT_NE(csv2.find("Emma didn't mind."), std::string::npos) << csv2;

    run = dir.run({"-X", "-q", "3", "-C", "40", "-i", distPath("sample/sample.txt"), "-o", "sample.html"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::string page = vokan::test::readFile(dir.work("sample.html"));
    for (const char* part : {"<th class=\"word\">単語</th>", "href=\"https://ejje.weblio.jp/content/garden\"",
                             "href=\"https://forvo.com/word/garden/#en\"", "<mark>", "tbody tr:nth-child(even)"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    const std::string questions = vokan::test::readFile(dir.work("sample_q.html"));
    size_t numbers = 0;
    for (size_t at = questions.find("<td class=\"number\">"); at != std::string::npos;
         at = questions.find("<td class=\"number\">", at + 1))
        ++numbers;
    EXPECT_EQ(numbers, 3u);
}

}  // namespace
