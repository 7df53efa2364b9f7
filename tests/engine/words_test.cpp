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
    // {word, base, a wrong base that must not come first}
    const char* cases[][3] = {
        {"books", "book", ""}, {"boxes", "box", ""}, {"uses", "use", "us"}, {"studies", "study", ""},
        {"walked", "walk", ""}, {"hoped", "hope", "hop"}, {"stopped", "stop", ""}, {"added", "add", "ad"},
        {"carried", "carry", ""}, {"agreed", "agree", ""}, {"running", "run", ""}, {"making", "make", ""},
        {"hoping", "hope", "hop"}, {"using", "use", "us"}, {"singing", "sing", "singe"},
        {"calling", "call", "cal"}, {"bigger", "big", ""}, {"biggest", "big", ""}, {"larger", "large", ""},
        {"faster", "fast", ""}, {"happier", "happy", ""}, {"easiest", "easy", ""}, {"nicest", "nice", "nic"},
        {"John's", "john", ""}, {"Went", "go", ""}, {"children's", "child", ""}, {"Teachers'", "teacher", ""},
    };
    for (const auto& c : cases) EXPECT_TRUE(formsFind(c[0], c[1], c[2]));
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
