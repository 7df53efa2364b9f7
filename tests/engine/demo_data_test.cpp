// The files shipped beside the programs (the dist/ image the build makes): the demo
// dictionary, the env/ lists and the sample document, checked byte by byte against the
// formats the engine reads.
#include <gtest/gtest.h>

#include "cli_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
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

bool hasDoubleByte(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x81) return true;
    return false;
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

bool meaningfulListLine(const std::string& line) {
    return !line.empty() && line[0] != '#' && line.find_first_not_of(" \t") != std::string::npos;
}

TEST(DemoData, DictionaryIsSortedShiftJisWithJapaneseMeanings) {
    const std::string bytes = readFile("dic/freedict-eng-jpn.txt");
    const std::vector<std::string> lines = crlfLines(bytes, "dictionary");
    ASSERT_GT(lines.size(), 20000u);

    std::string previous;
    std::set<std::string> headwords;
    std::string book, take, care, water;
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
        EXPECT_EQ(headword.find(" /// "), std::string::npos);
        EXPECT_FALSE(meaning.empty()) << headword;
        // Meanings fit under the window's default limit of 30 half-width characters for
        // answers (bytes in Shift-JIS), unless one term alone is longer.
        const bool oneTerm = meaning.find(", ") == std::string::npos &&
                             meaning.find(" / ") == std::string::npos;
        EXPECT_TRUE(meaning.size() < 30 || oneTerm) << headword << ": " << meaning.size();
        EXPECT_NE(headword.front(), ' ');
        EXPECT_NE(headword.back(), ' ');
        // The engine binary-searches the file: each folded headword >= the one before.
        if (folded(headword) < folded(previous) && ++faults < 5)
            ADD_FAILURE() << "out of order: " << previous << " before " << headword;
        EXPECT_TRUE(headwords.insert(headword).second) << "headword twice: " << headword;
        previous = headword;
        if (headword == "book") book = meaning;
        if (headword == "take") take = meaning;
        if (headword == "care") care = meaning;
        if (headword == "water") water = meaning;
    }
    EXPECT_EQ(faults, 0u);
    EXPECT_NE(book.find("\x96\x7B"), std::string::npos) << book;     // 本
    EXPECT_NE(care.find("\x8D\x5C\x82\xA4"), std::string::npos) << care;  // 構う
    EXPECT_NE(water.find("\x90\x85"), std::string::npos) << water;          // 水
    EXPECT_TRUE(hasDoubleByte(take)) << take;
    // Idioms are headwords of several words.
    EXPECT_EQ(headwords.count("look forward to"), 1u);

    const std::string notice = readFile("dic/freedict-eng-jpn.COPYING.txt");
    EXPECT_NE(notice.find("https://creativecommons.org/licenses/by-sa/3.0/"), std::string::npos);
    EXPECT_NE(notice.find("FreeDict"), std::string::npos);
}

TEST(DemoData, ReplaceListMapsIrregularForms) {
    const std::vector<std::string> lines = crlfLines(readFile("env/replace.txt"), "replace.txt");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("#", 0), 0u) << "no comment header";
    std::set<std::string> pairs, forms;
    for (const std::string& line : lines) {
        EXPECT_TRUE(isAscii(line)) << line;
        if (!meaningfulListLine(line)) continue;
        std::istringstream in(line);
        std::string form, base, extra;
        in >> form >> base;
        EXPECT_FALSE(base.empty()) << line;
        EXPECT_FALSE(in >> extra) << "more than two fields: " << line;
        EXPECT_NE(form, base);
        EXPECT_EQ(form.find('_'), std::string::npos) << line;
        EXPECT_TRUE(forms.insert(form).second) << "form twice: " << form;
        pairs.insert(form + " " + base);
    }
    EXPECT_GT(pairs.size(), 4000u);
    for (const char* pair : {"went go", "children child", "men man", "ate eat", "better good"})
        EXPECT_EQ(pairs.count(pair), 1u) << pair;
    EXPECT_EQ(forms.count("offer"), 0u) << "offer is an everyday word, not a form of off";
    EXPECT_NE(readFile("env/replace.COPYING.txt").find("Princeton University"), std::string::npos);
}

TEST(DemoData, HandWrittenListsFollowTheListFormat) {
    const std::string symbol = readFile("env/symbol.txt");
    ASSERT_EQ(symbol.rfind("\xEF\xBB\xBF", 0), 0u) << "symbol.txt must start with a UTF-8 BOM";
    std::set<std::string> symbols;
    for (const std::string& line : crlfLines(symbol.substr(3), "symbol.txt")) {
        if (!meaningfulListLine(line)) continue;
        const size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << "no TAB in " << line;
        EXPECT_GT(tab, 0u);
        symbols.insert(line);
    }
    EXPECT_EQ(symbols.count("\xE2\x80\x99\t'"), 1u);        // right single quote
    EXPECT_EQ(symbols.count("\xC2\xA0\t "), 1u);            // no-break space to a space
    EXPECT_EQ(symbols.count("\xC2\xAD\t"), 1u);             // soft hyphen to nothing
    EXPECT_EQ(symbols.count("\xEF\xAC\x81\tfi"), 1u);       // ligature fi

    std::set<std::string> ignored;
    for (const std::string& line : crlfLines(readFile("env/ignore.txt"), "ignore.txt")) {
        EXPECT_TRUE(isCp932(line)) << line;
        if (!meaningfulListLine(line)) continue;
        EXPECT_TRUE(isAscii(line)) << line;
        EXPECT_EQ(line, folded(line));
        EXPECT_TRUE(ignored.insert(line).second) << "word twice: " << line;
    }
    for (const char* word : {"the", "a", "of", "and", "is", "she", "would"})
        EXPECT_EQ(ignored.count(word), 1u) << word;
    EXPECT_LT(ignored.size(), 400u);

    // dict.txt names the demo dictionary relative to the program directory; the window
    // shows each of its lines, so it holds no comments.
    const std::vector<std::string> dicts = crlfLines(readFile("env/dict.txt"), "dict.txt");
    ASSERT_EQ(dicts.size(), 1u);
    EXPECT_EQ(dicts[0], "dic/freedict-eng-jpn.txt");
    EXPECT_TRUE(std::ifstream(distPath(dicts[0])).good());
}

TEST(DemoData, SampleDocumentsHoldTheSameProse) {
    const std::string text = readFile("sample/sample.txt");
    const std::string html = readFile("sample/sample.html");
    crlfLines(text, "sample.txt");
    crlfLines(html, "sample.html");
    EXPECT_TRUE(isAscii(text));
    EXPECT_TRUE(isAscii(html));
    for (const char* phrase : {"takes care of", "looking forward to", "take part in", "children",
                               "went", "carried"}) {
        EXPECT_NE(text.find(phrase), std::string::npos) << phrase;
        EXPECT_NE(html.find(phrase), std::string::npos) << phrase;
    }
    EXPECT_NE(html.find("<title>"), std::string::npos);
    EXPECT_NE(html.find("<h1>"), std::string::npos);
    EXPECT_NE(html.find("</html>"), std::string::npos);
}

// The shipped files work together with the engine: the sample gives words with their
// meanings, idioms (one of them inflected), irregular forms through replace.txt, no
// function words, and symbol.txt's replacements.
TEST(DemoData, EngineMakesAListFromTheSample) {
    vokan::test::ProgramDir dir;
    for (const char* name : {"env/dict.txt", "env/ignore.txt", "env/replace.txt", "env/symbol.txt",
                             "dic/freedict-eng-jpn.txt"}) {
        fs::create_directories((dir.root() / name).parent_path());
        fs::copy_file(distPath(name), dir.root() / name, fs::copy_options::overwrite_existing);
    }
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
}

}  // namespace
