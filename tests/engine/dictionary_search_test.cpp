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
enum class Search { InPlace, InPlaceTinyBlocks, InPlaceOneByteBlocks, Indexed };

class DictionarySearch : public ::testing::TestWithParam<Search> {
protected:
    Dictionary open(std::string_view bytes) {
        const Search how = GetParam();
        Dictionary d(bytes, how == Search::InPlaceTinyBlocks      ? 24
                            : how == Search::InPlaceOneByteBlocks ? 1
                                                                  : Dictionary::kBlockSize);
        if (how == Search::Indexed) d.buildIndex();
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
    EXPECT_EQ(meaningsOf(d, "abandon"), Strings{"a1"});
    EXPECT_EQ(meaningsOf(d, "ABLE"), (Strings{"a2", "a3", "a4"}));
    EXPECT_EQ(meaningsOf(d, "go"), Strings{"g1"});
    EXPECT_EQ(meaningsOf(d, "go on"), Strings{"g2"});
    EXPECT_EQ(meaningsOf(d, "zoo"), Strings{"z1"});
    EXPECT_TRUE(meaningsOf(d, "aardvark").empty());
    EXPECT_TRUE(meaningsOf(d, "zzz").empty());
    EXPECT_TRUE(meaningsOf(d, "goi").empty());
    EXPECT_TRUE(meaningsOf(d, "no separator here").empty());
    EXPECT_TRUE(d.hasPrefix("go o"));
    EXPECT_TRUE(d.hasPrefix("GOI"));
    EXPECT_TRUE(d.hasPrefix("zoo"));
    EXPECT_FALSE(d.hasPrefix("zoom"));
    EXPECT_FALSE(d.hasPrefix("b"));
}

TEST_P(DictionarySearch, CrLfBomAndEmptyFiles) {
    Dictionary crlf = open("cat /// neko\r\ndog /// inu\r\n");
    EXPECT_EQ(meaningsOf(crlf, "cat"), Strings{"neko"});
    EXPECT_EQ(meaningsOf(crlf, "dog"), Strings{"inu"});
    EXPECT_FALSE(crlf.isUtf8());

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
        std::vector<std::string> words;
        const int count = 1 + static_cast<int>(rng() % 60);
        for (int i = 0; i < count; ++i) {
            std::string w;
            const int length = 1 + static_cast<int>(rng() % 4);
            for (int k = 0; k < length; ++k) w += "abAB -"[rng() % 6];
            if (w.front() == ' ' || w.back() == ' ') w = "x" + w + "y";
            words.push_back(w);
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

std::string searchName(const ::testing::TestParamInfo<Search>& info) {
    const char* names[] = {"InPlace", "InPlaceTinyBlocks", "InPlaceOneByteBlocks", "Indexed"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, DictionarySearch,
                         ::testing::Values(Search::InPlace, Search::InPlaceTinyBlocks,
                                           Search::InPlaceOneByteBlocks, Search::Indexed),
                         searchName);

TEST(DictionaryLines, SplitAtTheFirstSeparatorAndTrim) {
    auto parts = splitDictionaryLine("  a /// b ///  c  ");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->headword, "a");
    EXPECT_EQ(parts->meaning, "b ///  c");
    EXPECT_FALSE(splitDictionaryLine("a///b"));
    EXPECT_FALSE(splitDictionaryLine(" ///  b"));
}

TEST(DictionaryLines, CrOnlyLineEndsAreRecognisedEarly) {
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
    std::string edge(65535, 'x');
    edge += "\r\nmore";
    EXPECT_FALSE(hasCrOnlyLineEnds(edge));
}

TEST(DictionaryFolding, ShiftJisSecondBytesAreNotLetters) {
    // 0x82 0x60 is a full-width A, 0x82 0x41 a different character whose second byte is 'A'.
    EXPECT_NE(compareHeadwords("\x82\x41", "\x82\x61", true), 0);
    EXPECT_EQ(compareHeadwords("\x82\x41", "\x82\x61", false), 0);
    EXPECT_EQ(compareHeadwords("Go On", "go on", true), 0);
    EXPECT_LT(compareHeadwords("go", "go on", true), 0);
}

TEST(LexiconSet, JoinsMeaningsAcrossFilesAndPrefersTheExactCase) {
    // Shift-JIS: "犬" is 0x8C 0xA2; UTF-8 with a BOM: "いぬ".
    const std::string first = "Polish /// pol1\npolish /// \x8C\xA2\npolish /// shine\nrun /// r1\n";
    const std::string second = "\xEF\xBB\xBFpolish /// \xE3\x81\x84\xE3\x81\xAC\nrun /// r2\n";
    LexiconSet set;
    set.addBytes(first, false);
    set.addBytes(second, true);

    auto lower = set.find("polish");
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->headword, "polish");
    EXPECT_EQ(lower->meaning, "\xE7\x8A\xAC / shine / \xE3\x81\x84\xE3\x81\xAC");

    auto upper = set.find("Polish");
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->headword, "Polish");
    EXPECT_EQ(upper->meaning, "pol1");

    // No exact spelling: the first in dictionary order.
    auto shouting = set.find("POLISH");
    ASSERT_TRUE(shouting);
    EXPECT_EQ(shouting->headword, "Polish");

    EXPECT_EQ(set.find("run")->meaning, "r1 / r2");
    EXPECT_FALSE(set.find("walk"));
    EXPECT_FALSE(set.find(""));
    // A key the Shift-JIS file cannot hold is simply not there.
    EXPECT_FALSE(set.find("\xF0\x9F\x98\x80"));
    EXPECT_TRUE(set.hasPrefix("pol"));
    EXPECT_TRUE(set.hasPrefix("RU"));
    EXPECT_FALSE(set.hasPrefix("runs"));
}

}  // namespace
}  // namespace vokan
