#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/extract.h"
#include "engine/lexicon_set.h"

namespace vokan {
namespace {

// The real dictionary set over a UTF-8 dictionary held in memory, counting its look-ups.
class CountingLexicon : public Lexicon {
public:
    explicit CountingLexicon(const std::string& bytes) { set_.addBytes(bytes, true); }
    std::optional<LexiconEntry> find(std::string_view key) const override { ++finds; return set_.find(key); }
    bool hasPrefix(std::string_view prefix) const override { return set_.hasPrefix(prefix); }
    mutable size_t finds = 0;

private:
    LexiconSet set_;
};

const Lexicon& lexicon() {
    static const std::string kBytes =
        "\xEF\xBB\xBFtake /// 取る\ntake care of /// 世話をする\ncare /// 世話\ntake care /// 気をつける\n"
        "of /// の\nrun /// 走る\nPolish /// ポーランドの\npolish /// 磨く\ngo /// 行く\nchild /// 子供\n"
        "the /// その\nbook /// 本\na /// 一つの\nlook up /// 調べる\nup /// 上へ\nlook /// 見る\n"
        "care for /// 好む\n";
    static const CountingLexicon kLexicon(kBytes);
    return kLexicon;
}

struct Row {
    std::string headword;
    int count;
    std::string form;  // the marked text in the example
    bool operator==(const Row& o) const {
        return headword == o.headword && count == o.count && form == o.form;
    }
};
std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << "{" << r.headword << "," << r.count << "," << r.form << "}";
}

std::vector<Row> rows(const std::vector<std::string>& sentences, const ExtractOptions& options,
                      const WordLists& lists = {}) {
    std::vector<Row> out;
    for (const VocabularyEntry& e : extractEntries(sentences, lexicon(), lists, options)) {
        EXPECT_LE(e.formOffset + e.formLength, e.example.size()) << e.headword;
        out.push_back(Row{e.headword, e.count, e.example.substr(e.formOffset, e.formLength)});
    }
    return out;
}

WordLists standardLists() {
    WordLists lists;
    lists.replace.add("took", "take");
    lists.replace.add("went", "go");
    lists.replace.add("children", "child");
    return lists;
}

TEST(Extract, WordsCountedUnderTheirHeadwordsInOrder) {
    ExtractOptions options;
    const std::vector<std::string> sentences = {"Children went running.", "The child runs, ran, RUN."};
    EXPECT_EQ(rows(sentences, options, standardLists()),
              (std::vector<Row>{{"child", 2, "Children"}, {"go", 1, "went"}, {"run", 3, "running"},
                                {"the", 1, "The"}}));
    const std::vector<VocabularyEntry> entries =
        extractEntries(sentences, lexicon(), standardLists(), options);
    EXPECT_EQ(entries[0].meaning, "子供");
    EXPECT_EQ(entries[0].example, "Children went running.");
    EXPECT_EQ(entries[3].example, "The child runs, ran, RUN.");
}

TEST(Extract, ExactCaseWinsAndUnknownWords) {
    ExtractOptions options;
    EXPECT_EQ(rows({"Polish polish xyzzy"}, options),
              (std::vector<Row>{{"Polish", 1, "Polish"}, {"polish", 1, "polish"}}));
    options.listUnknown = true;
    const auto got = extractEntries({"Xyzzy books XYZZY"}, lexicon(), {}, options);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].headword, "xyzzy");
    EXPECT_EQ(got[0].meaning, "");
    EXPECT_EQ(got[0].count, 2);
    EXPECT_EQ(got[1].headword, "book");
}

// -N, -l and -L are the program-level runs'.
TEST(Extract, IgnoreListByHeadwordOrWrittenForm) {
    ExtractOptions options;
    WordLists lists = standardLists();
    lists.ignore = IgnoreList();
    lists.ignore->add("THE");
    lists.ignore->add("run");      // ignored as its headword, whatever the form
    lists.ignore->add("children"); // ignored as the word written
    EXPECT_EQ(rows({"The children were running to a book"}, options, lists),
              (std::vector<Row>{{"a", 1, "a"}, {"book", 1, "book"}}));
}

TEST(Extract, Idioms) {
    ExtractOptions options;
    options.mode = ExtractMode::Idioms;
    const WordLists lists = standardLists();
    // The longest match wins; the first word may be inflected; the others must be as written
    // and separated by spaces only.
    EXPECT_EQ(rows({"He took care of it.", "Take care.", "Taking care of", "took care, of"},
                   options, lists),
              (std::vector<Row>{{"take care of", 2, "took care of"}, {"take care", 2, "Take care"}}));
    // Every occurrence of an idiom is counted.
    EXPECT_EQ(rows({"look up look up"}, options), (std::vector<Row>{{"look up", 2, "look up"}}));

    options.mode = ExtractMode::WordsAndIdioms;
    EXPECT_EQ(rows({"She took care of the child."}, options, lists),
              (std::vector<Row>{{"take care of", 1, "took care of"},
                                {"take", 1, "took"},
                                {"care", 1, "care"},
                                {"of", 1, "of"},
                                {"the", 1, "the"},
                                {"child", 1, "child"}}));
    // -N: no inflected first word.
    options.mode = ExtractMode::Idioms;
    options.inputFormsOnly = true;
    EXPECT_EQ(rows({"took care of"}, options, lists), std::vector<Row>{});
}

TEST(Extract, WordsAreLookedUpOncePerSpelling) {
    const std::string bytes = "book /// x\n";
    CountingLexicon small(bytes);
    std::vector<std::string> sentences(1000, "books books unknownword");
    const auto entries = extractEntries(sentences, small, {}, ExtractOptions());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].count, 2000);
    EXPECT_LT(small.finds, 50u);
}

}  // namespace
}  // namespace vokan
