// Words and the lists that shape them: what counts as a word, de-inflection, the list files
// of env/ (their lines, replace.txt, symbol.txt), and extraction over a dictionary set.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/extract.h"
#include "engine/lexicon_set.h"
#include "engine/list_lines.h"
#include "engine/symbols.h"
#include "engine/word_lists.h"
#include "engine/words.h"

namespace vokan {
namespace {

using Strings = std::vector<std::string>;

TEST(ListLines, LineEndsBlanksCommentsAndEncodings) {
    const std::pair<std::string, Strings> cases[] = {
        {"", {}},
        {"one\r\ntwo\nthree", {"one", "two", "three"}},        // last line without an end
        {"\r\n\n  \t\r\n# note\n#\nword\n", {"word"}},           // blanks and comments skipped
        {" #not a comment \r\n", {" #not a comment "}},          // spaces kept
        {"\x95\x5C\t\x83\x5C\r\n", {"\u8868\t\u30BD"}},          // Shift-JIS
        {"\xEF\xBB\xBF\xE8\xA1\xA8\r\n#x\n", {"\u8868"}},        // UTF-8 with its mark
        {"\xEF\xBB\xBF# only a comment", {}},
        {"a\x82\nb", {"a\xEF\xBF\xBD", "b"}},                   // lead byte cut by the line end
        {std::string("n\0l\n", 4), {std::string("n\0l", 3)}},
        {"cr\ronly\n", {"cr\ronly"}},                            // a lone CR is no line end
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(readListLines(bytes), lines) << bytes;
}

TEST(WordLists, SymbolsLongestFirstInOnePassAndReplacements) {
    size_t skipped = 0;
    const SymbolTable table = parseSymbolTable(
        {"\u201C\t\"", "\u201D\t\"", "--\t\u2014", "-\t", "ab\tb", "b\tX", "\u00A0\t ",
         "\uFB01\tfi", "no tab here", "\tempty from", "\u2026\t...", "ab\tignored"},
        &skipped);
    EXPECT_EQ(skipped, 2u);
    const std::pair<std::string, std::string> cases[] = {
        {"\u201CHi\u201D", "\"Hi\""},
        {"a--b", "a\u2014X"},      // "--" beats "-"; the replaced text is not scanned again
        {"x-y", "xy"},             // an empty replacement removes
        {"aab", "ab"},             // "ab" -> "b", and that "b" is not turned into "X"
        {"\uFB01ne\u00A0day\u2026", "fine day..."},
        {"", ""},
        {std::string("\0b", 2), std::string("\0X", 2)},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(table.apply(in), out) << in;

    // replace.txt: two-field lines only.
    skipped = 0;
    const Replacements replace = parseReplacements(
        {"went go", "Children\tchild", "  mice   mouse  ", "lonely", "a b c", "went gone"},
        &skipped);
    EXPECT_EQ(skipped, 2u);
    EXPECT_EQ(replace.size(), 3u);
    auto baseOf = [&](const char* form) { return replace.find(form) ? *replace.find(form) : "<none>"; };
    EXPECT_EQ(baseOf("WENT"), "go");  // the first pair for a form wins
    EXPECT_EQ(baseOf("children"), "child");
    EXPECT_EQ(baseOf("mice"), "mouse");
    EXPECT_EQ(baseOf("lonely"), "<none>");
}

std::vector<std::string> texts(std::string_view sentence) {
    std::vector<std::string> out;
    for (const Word& word : splitWords(sentence)) {
        EXPECT_EQ(sentence.substr(word.offset, word.text.size()), word.text);
        out.emplace_back(word.text);
    }
    return out;
}

TEST(Words, WhatCountsAsAWord) {
    const std::pair<std::string, Strings> cases[] = {
        {"Don't stop, well-known friend!", {"Don't", "stop", "well-known", "friend"}},
        {"'quoted' -dash- end-", {"quoted", "dash", "end"}},
        {"rock--roll a'-b", {"rock", "roll", "a", "b"}},
        {"In 1990 the 3rd mp3 COVID-19 x_y cost $5.", {"In", "the", "cost"}},
        {"See http://example.com/a-b, (www.site.org) or mail me@host.jp now.",
         {"See", "or", "mail", "now"}},
        {"a@b is not mail; foo@bar.com is", {"a", "b", "is", "not", "mail", "is"}},
        {"caf\u00E9 na\u00EFve plain", {"plain"}},
        {"\u82F1\u8A9E\u306Eapple\u3067\u3059", {"apple"}},
        {"x\u00D7y", {"x", "y"}},
        {"", {}},
        {std::string("nul\0byte", 8), {"nul", "byte"}},
    };
    for (const auto& [sentence, words] : cases) EXPECT_EQ(texts(sentence), words) << sentence;
}

// Huge inputs come through whole and in linear time: a 10 MB line of a list file, a sentence
// of 100000 words, a word of 10 MB.
TEST(Words, HugeInputs) {
    const Strings lines = readListLines(std::string(10 * 1024 * 1024, 'x') + "\nend");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 10u * 1024 * 1024);
    std::string sentence;
    for (int i = 0; i < 100000; ++i) sentence += "word ";
    EXPECT_EQ(splitWords(sentence).size(), 100000u);
    EXPECT_EQ(splitWords(std::string(10 * 1024 * 1024, 'a')).size(), 1u);
}

TEST(Words, LookupFormsAndDeInflection) {
    Replacements replace;
    replace.add("went", "go");
    replace.add("children", "child");
    // {word, base, a wrong base that must not come first}
    const char* cases[][3] = {
        {"books", "book", ""}, {"boxes", "box", ""}, {"uses", "use", "us"}, {"studies", "study", ""},
        {"walked", "walk", ""}, {"hoped", "hope", "hop"}, {"stopped", "stop", ""}, {"added", "add", "ad"},
        {"carried", "carry", ""}, {"agreed", "agree", ""}, {"running", "run", ""}, {"making", "make", ""},
        {"hoping", "hope", "hop"}, {"using", "use", "us"}, {"singing", "sing", "singe"},
        {"calling", "call", "cal"}, {"bigger", "big", ""}, {"biggest", "big", ""}, {"larger", "large", ""},
        {"faster", "fast", ""}, {"happier", "happy", ""}, {"easiest", "easy", ""}, {"nicest", "nice", "nic"},
        {"John's", "john", ""}, {"Went", "go", ""}, {"children's", "child", ""}, {"Teachers'", "teacher", ""},
        // A stem ending in a vowel lost its e before -ed and -er, never before -ing.
        {"lied", "lie", "li"}, {"tied", "tie", "ti"}, {"died", "die", "di"}, {"truer", "true", "tru"},
        {"skied", "ski", ""}, {"doing", "do", "doe"}, {"being", "be", "bee"}, {"going", "go", "goe"},
        {"policemen", "policeman", ""}, {"businesswomen's", "businesswoman", ""},
    };
    for (const auto& c : cases) {
        const Strings forms = lookupForms(c[0], &replace, false);
        std::string all;
        for (const std::string& form : forms) all += form + " ";
        const auto base = std::find(forms.begin(), forms.end(), c[1]);
        EXPECT_NE(base, forms.end()) << c[0] << ": " << all;
        EXPECT_EQ(std::find(forms.begin(), base, c[2]), base)
            << c[0] << ": " << c[2] << " before " << c[1] << ": " << all;
    }

    const Strings forms = lookupForms("Went", &replace, false);
    ASSERT_GE(forms.size(), 3u);
    // As written, lower-cased, then replace.txt before the rules.
    EXPECT_EQ(Strings(forms.begin(), forms.begin() + 3), (Strings{"Went", "went", "go"}));
    EXPECT_EQ(lookupForms("Went", &replace, true), (Strings{"Went", "went"}));
    // No one-letter bases, no repeats.
    for (const char* word : {"is", "as", "bed", "sing", "ring"}) {
        const Strings all = lookupForms(word, nullptr, false);
        for (const std::string& form : all) EXPECT_GE(form.size(), 2u) << word;
        EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size()) << word;
    }
}

// The real dictionary set over a UTF-8 dictionary held in memory.
const Lexicon& lexicon() {
    static const std::string kBytes =
        "\xEF\xBB\xBFtake /// 取る\ntake care of /// 世話をする\ncare /// 世話\ntake care /// 気をつける\n"
        "of /// の\nrun /// 走る\nPolish /// ポーランドの\npolish /// 磨く\ngo /// 行く\nchild /// 子供\n"
        "the /// その\nbook /// 本\na /// 一つの\nlook up /// 調べる\nup /// 上へ\nlook /// 見る\n"
        "care for /// 好む\nwell-known /// 有名な\n";
    static LexiconSet set;
    if (set.size() == 0) set.addBytes(kBytes, true);
    return set;
}

// An entry's headword, count and the text marked in its example.
using Row = std::tuple<std::string, int, std::string>;

// The lists of the extraction tests: two irregular forms of replace.txt.
WordLists standardLists() {
    WordLists lists;
    lists.replace.add("took", "take");
    lists.replace.add("children", "child");
    return lists;
}

std::vector<Row> rows(const std::vector<std::string>& sentences, const ExtractOptions& options = {},
                      const WordLists& lists = standardLists()) {
    std::vector<Row> out;
    for (const VocabularyEntry& e : extractEntries(sentences, lexicon(), lists, options)) {
        EXPECT_LE(e.formOffset + e.formLength, e.example.size()) << e.headword;
        out.push_back(Row{e.headword, e.count, e.example.substr(e.formOffset, e.formLength)});
    }
    return out;
}

// Headwords through replace.txt and de-inflection, counts, order and examples are the
// program-level runs'.
TEST(Extract, ExactCaseUnknownAndIgnoredWords) {
    // Inside a sentence the exact case wins; words that differ in case are separate rows.
    EXPECT_EQ(rows({"We polish Polish RUN xyzzy"}),
              (std::vector<Row>{{"polish", 1, "polish"}, {"Polish", 1, "Polish"}, {"run", 1, "RUN"}}));
    ExtractOptions options;
    options.listUnknown = true;
    EXPECT_EQ(rows({"Xyzzy books XYZZY"}, options),
              (std::vector<Row>{{"xyzzy", 2, "Xyzzy"}, {"book", 1, "books"}}));
    // A hyphenated word no dictionary has is taken as its parts, each looked up (and listed
    // when unknown) on its own; one a dictionary has stays whole.
    EXPECT_EQ(rows({"Book-running xyzzy-books take-care-of well-known"}, options),
              (std::vector<Row>{{"book", 2, "Book"}, {"run", 1, "running"}, {"xyzzy", 1, "xyzzy"},
                                {"take", 1, "take"}, {"care", 1, "care"}, {"of", 1, "of"},
                                {"well-known", 1, "well-known"}}));

    // The ignore list (-N, -l and -L are the program-level runs').
    WordLists lists = standardLists();
    // "run" is ignored as its headword, whatever the form; "children" as the word written.
    lists.ignore = parseIgnoreList({"THE", "run", "children"});
    EXPECT_EQ(rows({"The children were running to a book"}, {}, lists),
              (std::vector<Row>{{"a", 1, "a"}, {"book", 1, "book"}}));
}

// The headword a form takes when the dictionaries hold entries that trap it: proper nouns
// that capitalise a common word, and short headwords that are a stem without its e.
TEST(Extract, TheHeadwordALearnerMeans) {
    static const std::string kTraps =
        "di /// di\ndie /// die\nking /// king\nKings /// Kings\nlarg /// larg\nlarge /// large\n"
        "li /// li\nlie /// lie\nLICENSE /// LICENSE\nlicense /// license\nMarch /// March\nmarch /// march\n"
        "Mark /// Mark\nmark /// mark\nPolish /// Polish\npolish /// polish\nti /// ti\ntie /// tie\n"
        "Tokyo /// Tokyo\n";
    LexiconSet traps;
    traps.addBytes(kTraps, true);
    const std::pair<const char*, const char*> cases[] = {
        {"Mark the page.", "mark"}, {"Polish the shoes.", "polish"}, {"March forward.", "march"},
        {"Kings rule.", "king"}, {"We met Mark.", "Mark"}, {"They speak Polish.", "Polish"},
        {"It was in March.", "March"}, {"Tokyo is big.", "Tokyo"}, {"See the LICENSE.", "license"},
        {"He lied.", "lie"}, {"They tied.", "tie"}, {"It died.", "die"}, {"It is larger.", "larg"},
    };
    auto headword = [&](const char* sentence, const WordLists& lists) {
        ExtractOptions options;
        options.listUnknown = true;
        for (const VocabularyEntry& e : extractEntries({sentence}, traps, lists, options))
            if (e.meaning == e.headword) return e.headword;  // the trap entries mean themselves
        return std::string("(none)");
    };
    WordLists lists;
    for (const auto& [sentence, expected] : cases) EXPECT_EQ(headword(sentence, lists), expected) << sentence;
    // With word levels the common word beats the rare headword the rules found first.
    lists.levels = parseWordLevels("large\t1\nking\t2\n");
    EXPECT_EQ(headword("It is larger.", lists), "large");
    EXPECT_EQ(headword("Kings rule.", lists), "king");
}

TEST(Extract, Idioms) {
    ExtractOptions options;
    options.mode = ExtractMode::Idioms;
    // The longest match wins; the first word may be inflected; the others must be as written
    // and separated by spaces only.
    EXPECT_EQ(rows({"He took care of it.", "Take care.", "Taking care of", "took care, of"}, options),
              (std::vector<Row>{{"take care of", 2, "took care of"}, {"take care", 2, "Take care"}}));
    // Every occurrence of an idiom is counted.
    EXPECT_EQ(rows({"look up look up"}, options), (std::vector<Row>{{"look up", 2, "look up"}}));

    options.mode = ExtractMode::WordsAndIdioms;
    EXPECT_EQ(rows({"She took care of the child."}, options),
              (std::vector<Row>{{"take care of", 1, "took care of"}, {"take", 1, "took"}, {"care", 1, "care"},
                                {"of", 1, "of"}, {"the", 1, "the"}, {"child", 1, "child"}}));
    // -N: no inflected first word.
    options.mode = ExtractMode::Idioms;
    options.inputFormsOnly = true;
    EXPECT_EQ(rows({"took care of"}, options), std::vector<Row>{});
}

}  // namespace
}  // namespace vokan
