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

// The forms to look a word up under, first to last, without repeats: as written,
// lower-cased, its replace.txt base, then the de-inflected forms (plural and third person
// -s/-es/-ies, past -ed/-ied, -ing with a doubled consonant or a dropped e, comparative and
// superlative -er/-est/-ier/-iest, possessive 's and s'). With `inputFormsOnly` only the
// first two. `replacements` may be null (not read).
std::vector<std::string> lookupForms(std::string_view word, const Replacements* replacements,
                                     bool inputFormsOnly);

}  // namespace vokan
