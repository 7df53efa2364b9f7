#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/extract.h"
#include "engine/sentences.h"

namespace vokan {
namespace {

// Dictionaries in memory, answering the way the real lexicon promises.
class MemoryLexicon : public Lexicon {
public:
    MemoryLexicon(std::initializer_list<LexiconEntry> entries) : entries_(entries) {}
    std::optional<LexiconEntry> find(std::string_view key) const override {
        ++finds;
        const LexiconEntry* match = nullptr;
        for (const LexiconEntry& entry : entries_) {
            if (entry.headword == key) return entry;
            if (!match && asciiLower(entry.headword) == asciiLower(key)) match = &entry;
        }
        return match ? std::optional<LexiconEntry>(*match) : std::nullopt;
    }
    bool hasPrefix(std::string_view prefix) const override {
        for (const LexiconEntry& entry : entries_) {
            if (asciiLower(entry.headword).rfind(asciiLower(prefix), 0) == 0) return true;
        }
        return false;
    }
    mutable size_t finds = 0;

private:
    std::vector<LexiconEntry> entries_;
};

const MemoryLexicon& lexicon() {
    static const MemoryLexicon kLexicon{
        {"take", "取る"},          {"take care of", "世話をする"}, {"care", "世話"},
        {"take care", "気をつける"}, {"of", "の"},                 {"run", "走る"},
        {"Polish", "ポーランドの"}, {"polish", "磨く"},            {"go", "行く"},
        {"child", "子供"},          {"the", "その"},              {"book", "本"},
        {"a", "一つの"},            {"look up", "調べる"},        {"up", "上へ"},
        {"look", "見る"},           {"long", "とても長い意味の説明文です"},
        {"ok", "ｵｰｹｰ"},            {"care for", "好む"},
    };
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

TEST(Extract, InputFormsOnlyAndIgnoreList) {
    ExtractOptions options;
    options.inputFormsOnly = true;
    EXPECT_EQ(rows({"Children went running to the book"}, options, standardLists()),
              (std::vector<Row>{{"the", 1, "the"}, {"book", 1, "book"}}));

    options = ExtractOptions();
    WordLists lists = standardLists();
    lists.ignore = IgnoreList();
    lists.ignore->add("THE");
    lists.ignore->add("run");      // ignored as its headword, whatever the form
    lists.ignore->add("children"); // ignored as the word written
    EXPECT_EQ(rows({"The children were running to a book"}, options, lists),
              (std::vector<Row>{{"a", 1, "a"}, {"book", 1, "book"}}));
}

TEST(Extract, ShortAndLongLimits) {
    ExtractOptions options;
    options.shortestExcluded = 2;  // "a", "go", "ok" left out
    options.longestMeaning = 10;   // "long" (26 half-width) left out; "ｵｰｹｰ" is 4
    EXPECT_EQ(rows({"a long book went ok"}, options, standardLists()),
              (std::vector<Row>{{"book", 1, "book"}}));
    options.shortestExcluded = 0;
    EXPECT_EQ(rows({"a long book ok"}, options),
              (std::vector<Row>{{"a", 1, "a"}, {"book", 1, "book"}, {"ok", 1, "ok"}}));
    options.longestMeaning = 0;  // no limit
    EXPECT_EQ(rows({"long"}, options).size(), 1u);
    EXPECT_EQ(halfWidthLength("ab\u8868\uFF71"), 5u);
    EXPECT_EQ(characterCount("\u8868x"), 2u);
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
    MemoryLexicon small{{"book", "本"}};
    std::vector<std::string> sentences(1000, "books books unknownword");
    const auto entries = extractEntries(sentences, small, {}, ExtractOptions());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].count, 2000);
    EXPECT_LT(small.finds, 50u);
}

TEST(Extract, FromDocumentBytes) {
    SymbolTable symbols;
    symbols.add("\u2019", "'");
    const std::vector<std::string> sentences = documentSentences(
        "<html><title>Books</title><p>The child\xE2\x80\x99s book.<p>Take care", InputKind::Auto,
        "", symbols);
    EXPECT_EQ(sentences, (std::vector<std::string>{"Books", "The child's book.", "Take care"}));
    ExtractOptions options;
    options.mode = ExtractMode::WordsAndIdioms;
    EXPECT_EQ(rows(sentences, options),
              (std::vector<Row>{{"book", 2, "Books"}, {"the", 1, "The"}, {"child", 1, "child's"},
                                {"take care", 1, "Take care"}, {"take", 1, "Take"},
                                {"care", 1, "care"}}));
}

}  // namespace
}  // namespace vokan
