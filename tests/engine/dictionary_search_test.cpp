// Searching PDIC dictionaries: in place over sorted text and through the index, compared
// with a plain scan; the dictionary set's merging and case preference.
#include "engine/dictionary.h"
#include "engine/lexicon_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vokan {
namespace {

std::vector<std::string> meaningsOf(const Dictionary& d, std::string_view key) {
    std::vector<DictionaryLine> lines;
    d.findAll(key, lines);
    std::vector<std::string> out;
    for (const DictionaryLine& l : lines) out.emplace_back(l.meaning);
    return out;
}

using Strings = std::vector<std::string>;

// How a test dictionary is searched: in place with the block table at its usual size, in
// place with tiny blocks (so lines, duplicates and junk straddle many block edges), or
// through the index.
struct Search {
    const char* name;
    std::size_t blockSize;
    bool indexed;
};
std::ostream& operator<<(std::ostream& os, const Search& search) { return os << search.name; }

class DictionarySearch : public ::testing::TestWithParam<Search> {
protected:
    Dictionary open(std::string_view bytes) {
        Dictionary d(bytes, GetParam().blockSize);
        if (GetParam().indexed) d.buildIndex();
        return d;
    }
};

TEST_P(DictionarySearch, FindsFirstLastDuplicatesAndSkipsNonEntries) {
    // Sorted with ASCII letters folded; a comment line and a line without the separator sit
    // among the entries, and the file has no final line end.
    const std::string text =
        "# comment\n"
        "abandon /// a1\n"
        "Able /// a2\n"
        "able /// a3\n"
        "no separator here\n"
        "able /// a4\n"
        "go ///  g1 \n"
        "go on /// g2\n"
        "going /// g3\n"
        "zoo /// z1";
    Dictionary d = open(text);
    const std::pair<const char*, Strings> finds[] = {
        {"abandon", {"a1"}}, {"ABLE", {"a2", "a3", "a4"}}, {"go", {"g1"}}, {"go on", {"g2"}}, {"zoo", {"z1"}},
        {"aardvark", {}}, {"zzz", {}}, {"goi", {}}, {"no separator here", {}},
    };
    for (const auto& [key, meanings] : finds) EXPECT_EQ(meaningsOf(d, key), meanings) << key;
    for (const char* prefix : {"go o", "GOI", "zoo"}) EXPECT_TRUE(d.hasPrefix(prefix)) << prefix;
    for (const char* prefix : {"zoom", "b"}) EXPECT_FALSE(d.hasPrefix(prefix)) << prefix;
}

// CR LF line ends are the random dictionaries'.
TEST_P(DictionarySearch, BomAndEmptyFiles) {
    const std::string bom = "\xEF\xBB\xBF" "apple /// \xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94\r\n";
    Dictionary utf8 = open(bom);
    EXPECT_TRUE(utf8.isUtf8());
    ASSERT_EQ(meaningsOf(utf8, "apple").size(), 1u);
    EXPECT_EQ(utf8.decode(meaningsOf(utf8, "apple")[0]), "\xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94");

    for (std::string_view empty : {std::string_view(""), std::string_view("\n\n"),
                                   std::string_view("\xEF\xBB\xBF")}) {
        Dictionary d = open(empty);
        EXPECT_TRUE(meaningsOf(d, "a").empty());
        EXPECT_FALSE(d.hasPrefix(""));
    }
}

// Random sorted dictionaries with duplicates and junk lines: every search agrees with a scan.
TEST_P(DictionarySearch, AgreesWithAPlainScan) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> words(1 + rng() % 60);
        for (std::string& w : words) {
            for (std::size_t k = 0, length = 1 + rng() % 4; k < length; ++k) w += "abAB -"[rng() % 6];
            if (w.front() == ' ' || w.back() == ' ') w = "x" + w + "y";
        }
        std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
            return compareHeadwords(a, b, true) < 0;
        });
        std::string text;
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (rng() % 5 == 0) text += "junk line\n";
            text += words[i] + " /// m" + std::to_string(i) + (rng() % 2 ? "\r\n" : "\n");
        }
        Dictionary d = open(text);
        for (std::size_t i = 0; i <= words.size(); ++i) {
            const std::string key = i < words.size() ? words[i] : "ab b";
            Strings expected;
            for (std::size_t j = 0; j < words.size(); ++j)
                if (compareHeadwords(words[j], key, true) == 0) expected.push_back("m" + std::to_string(j));
            EXPECT_EQ(meaningsOf(d, key), expected) << "key \"" << key << "\" in\n" << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, DictionarySearch,
                         ::testing::Values(Search{"InPlace", Dictionary::kBlockSize, false},
                                           Search{"InPlaceTinyBlocks", 24, false},
                                           Search{"InPlaceOneByteBlocks", 1, false},
                                           Search{"Indexed", Dictionary::kBlockSize, true}),
                         ::testing::PrintToStringParamName());

TEST(DictionaryLines, SplitCrOnlyAndFolding) {
    // A line splits at the first separator, both parts trimmed.
    auto parts = splitDictionaryLine("  a /// b ///  c  ");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->headword, "a");
    EXPECT_EQ(parts->meaning, "b ///  c");
    EXPECT_FALSE(splitDictionaryLine("a///b"));
    EXPECT_FALSE(splitDictionaryLine(" ///  b"));

    EXPECT_TRUE(hasCrOnlyLineEnds("a /// b\rc /// d\r"));
    EXPECT_FALSE(hasCrOnlyLineEnds("a /// b\r\nc /// d\r\n"));
    EXPECT_FALSE(hasCrOnlyLineEnds("a /// b"));
    EXPECT_FALSE(hasCrOnlyLineEnds(""));
    // Judged from the start: a CR LF file is not mistaken even if a stray CR comes later.
    std::string big(70000, 'x');
    big[10] = '\n';
    big[69000] = '\r';
    EXPECT_FALSE(hasCrOnlyLineEnds(big));
    // A CR LF split at the edge of the probe is not a CR alone.
    EXPECT_FALSE(hasCrOnlyLineEnds(std::string(65535, 'x') + "\r\nmore"));

    // Folding: 0x82 0x60 is a full-width A, 0x82 0x41 a different character whose second byte
    // is 'A'.
    EXPECT_NE(compareHeadwords("\x82\x41", "\x82\x61", true), 0);
    EXPECT_EQ(compareHeadwords("\x82\x41", "\x82\x61", false), 0);
    EXPECT_EQ(compareHeadwords("Go On", "go on", true), 0);
    EXPECT_LT(compareHeadwords("go", "go on", true), 0);
}

TEST(LexiconSet, JoinsMeaningsAcrossFilesAndPrefersTheExactCase) {
    // Shift-JIS: "犬" is 0x8C 0xA2; UTF-8 with a BOM: "いぬ".
    const std::string first = "Polish /// pol1\npolish /// \x8C\xA2\npolish /// shine\n";
    const std::string second = "\xEF\xBB\xBFpolish /// \xE3\x81\x84\xE3\x81\xAC\n";
    LexiconSet set;
    set.addBytes(first, false);
    set.addBytes(second, true);

    auto found = [&](const char* key) {
        auto entry = set.find(key);
        return entry ? entry->headword + ": " + entry->meaning : "<none>";
    };
    EXPECT_EQ(found("polish"), "polish: \xE7\x8A\xAC / shine / \xE3\x81\x84\xE3\x81\xAC");
    EXPECT_EQ(found("Polish"), "Polish: pol1");
    EXPECT_EQ(found("POLISH"), "Polish: pol1");  // no exact spelling: the first in dictionary order
    EXPECT_EQ(found("walk"), "<none>");
    EXPECT_EQ(found(""), "<none>");
    EXPECT_EQ(found("\xF0\x9F\x98\x80"), "<none>");  // a key the Shift-JIS file cannot hold
    EXPECT_TRUE(set.hasPrefix("POL"));
    EXPECT_FALSE(set.hasPrefix("polishes"));
}

}  // namespace
}  // namespace vokan
