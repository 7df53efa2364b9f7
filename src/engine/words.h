#pragma once
// Words of a sentence, and the forms under which a word is looked up.
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

class Replacements;

struct Word {
    std::string_view text;  // as written, inside the sentence
    size_t offset = 0;      // byte offset in the sentence
};

// The words of a sentence: runs of ASCII letters with inner apostrophes and hyphens
// ("don't", "well-known"). A token holding a digit, or a Latin letter beyond ASCII, is no
// word; a URL ("http://...", "www....") or e-mail address is skipped whole.
std::vector<Word> splitWords(std::string_view sentence);

struct WordForms {
    std::vector<std::string> forms;  // first to last, without repeats
    size_t firstRuleForm = 0;        // forms from here on are guesses of the rules
};

// The forms to look a word up under: as written, lower-cased, without a possessive 's, its
// replace.txt base, then the de-inflected forms (plural and third person -s/-es/-ies, past
// -ed/-ied, -ing with a doubled consonant or a dropped e, comparative and superlative
// -er/-est/-ier/-iest). A stem ending in a vowel takes its e first (lied: lie, then li).
// With `inputFormsOnly` only the first two. `replacements` may be null (not read).
WordForms wordForms(std::string_view word, const Replacements* replacements, bool inputFormsOnly);

// wordForms' forms alone.
std::vector<std::string> lookupForms(std::string_view word, const Replacements* replacements,
                                     bool inputFormsOnly);

// True for a word written in capitals throughout, two letters or more ("LICENSE", "TV").
bool isAllCapitals(std::string_view word);

}  // namespace vokan
