#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/word_lists.h"
#include "engine/words.h"

namespace vokan {
namespace {

std::vector<std::string> texts(std::string_view sentence) {
    std::vector<std::string> out;
    for (const Word& word : splitWords(sentence)) {
        EXPECT_EQ(sentence.substr(word.offset, word.text.size()), word.text);
        out.emplace_back(word.text);
    }
    return out;
}

using Strings = std::vector<std::string>;

TEST(Words, WhatCountsAsAWord) {
    const struct {
        std::string sentence;
        Strings words;
    } cases[] = {
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
    for (const auto& c : cases) EXPECT_EQ(texts(c.sentence), c.words) << c.sentence;
}

TEST(Words, HugeSentenceIsLinear) {
    std::string sentence;
    for (int i = 0; i < 100000; ++i) sentence += "word ";
    EXPECT_EQ(splitWords(sentence).size(), 100000u);
    EXPECT_EQ(splitWords(std::string(10 * 1024 * 1024, 'a')).size(), 1u);
}

// True when `base` is among the forms of `word`, and before `wrong` when that is given.
::testing::AssertionResult formsFind(std::string_view word, const std::string& base,
                                     const std::string& wrong = {}) {
    Replacements replace;
    replace.add("went", "go");
    replace.add("children", "child");
    const Strings forms = lookupForms(word, &replace, false);
    const auto at = std::find(forms.begin(), forms.end(), base);
    std::string all;
    for (const std::string& form : forms) all += form + " ";
    if (at == forms.end()) return ::testing::AssertionFailure() << word << ": " << all;
    if (!wrong.empty()) {
        const auto bad = std::find(forms.begin(), forms.end(), wrong);
        if (bad != forms.end() && bad < at) {
            return ::testing::AssertionFailure() << word << ": " << wrong << " before " << base
                                                 << ": " << all;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(Words, DeInflection) {
    EXPECT_TRUE(formsFind("books", "book"));
    EXPECT_TRUE(formsFind("boxes", "box"));
    EXPECT_TRUE(formsFind("uses", "use", "us"));
    EXPECT_TRUE(formsFind("studies", "study"));
    EXPECT_TRUE(formsFind("walked", "walk"));
    EXPECT_TRUE(formsFind("hoped", "hope", "hop"));
    EXPECT_TRUE(formsFind("stopped", "stop"));
    EXPECT_TRUE(formsFind("added", "add", "ad"));
    EXPECT_TRUE(formsFind("carried", "carry"));
    EXPECT_TRUE(formsFind("agreed", "agree"));
    EXPECT_TRUE(formsFind("running", "run"));
    EXPECT_TRUE(formsFind("making", "make"));
    EXPECT_TRUE(formsFind("hoping", "hope", "hop"));
    EXPECT_TRUE(formsFind("using", "use", "us"));
    EXPECT_TRUE(formsFind("singing", "sing", "singe"));
    EXPECT_TRUE(formsFind("calling", "call", "cal"));
    EXPECT_TRUE(formsFind("bigger", "big"));
    EXPECT_TRUE(formsFind("biggest", "big"));
    EXPECT_TRUE(formsFind("larger", "large"));
    EXPECT_TRUE(formsFind("faster", "fast"));
    EXPECT_TRUE(formsFind("happier", "happy"));
    EXPECT_TRUE(formsFind("easiest", "easy"));
    EXPECT_TRUE(formsFind("nicest", "nice", "nic"));
    EXPECT_TRUE(formsFind("John's", "john"));
    EXPECT_TRUE(formsFind("Went", "go"));
    EXPECT_TRUE(formsFind("children's", "child"));
    EXPECT_TRUE(formsFind("Teachers'", "teacher"));
}

TEST(Words, FormOrderAndInputFormsOnly) {
    Replacements replace;
    replace.add("went", "go");
    const Strings forms = lookupForms("Went", &replace, false);
    ASSERT_GE(forms.size(), 3u);
    EXPECT_EQ(forms[0], "Went");
    EXPECT_EQ(forms[1], "went");
    EXPECT_EQ(forms[2], "go");  // replace.txt before the rules
    EXPECT_EQ(lookupForms("Went", &replace, true), (Strings{"Went", "went"}));
    EXPECT_EQ(lookupForms("books", nullptr, true), (Strings{"books"}));
    // No one-letter bases, no repeats.
    for (const char* word : {"is", "as", "bed", "sing", "ring"}) {
        const Strings all = lookupForms(word, nullptr, false);
        for (const std::string& form : all) EXPECT_GE(form.size(), 2u) << word;
        for (size_t i = 0; i < all.size(); ++i) {
            for (size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << word;
        }
    }
}

}  // namespace
}  // namespace vokan
