#include "engine/words.h"

#include <algorithm>

#include "engine/word_lists.h"

namespace vokan {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Length of a Latin letter beyond ASCII (U+00C0-U+024F but for the two signs) at `pos`, or 0.
size_t latinLetterLength(std::string_view text, size_t pos) {
    if (pos + 1 >= text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[pos]);
    const auto next = static_cast<unsigned char>(text[pos + 1]);
    if ((next & 0xC0) != 0x80 || lead < 0xC3 || lead > 0xC9) return 0;
    const unsigned cp = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
    if (cp == 0xD7 || cp == 0xF7) return 0;  // multiplication and division signs
    return 2;
}

// A chunk between white space that is a URL or an e-mail address.
bool isAddress(std::string_view chunk) {
    if (chunk.find("://") != std::string_view::npos) return true;
    const size_t first = chunk.find_first_not_of("([<{\"'");
    if (first != std::string_view::npos && chunk.size() - first >= 4 &&
        asciiLower(chunk.substr(first, 4)) == "www.") {
        return true;
    }
    const size_t at = chunk.find('@');
    if (at == std::string_view::npos || at == 0 ||
        (!isLetter(chunk[at - 1]) && !isDigit(chunk[at - 1]))) {
        return false;
    }
    const size_t dot = chunk.find('.', at + 1);
    return dot != std::string_view::npos && dot > at + 1 && dot + 1 < chunk.size() &&
           isLetter(chunk[dot + 1]);
}

// The words of one token (a run of letters, digits, apostrophes, hyphens, underscores).
void tokenWords(std::string_view sentence, size_t start, size_t end, std::vector<Word>& out) {
    size_t pos = start;
    while (pos < end) {
        if (!isLetter(sentence[pos])) {
            ++pos;
            continue;
        }
        const size_t wordStart = pos;
        while (pos < end) {
            if (isLetter(sentence[pos])) {
                ++pos;
            } else if ((sentence[pos] == '\'' || sentence[pos] == '-') && pos + 1 < end &&
                       isLetter(sentence[pos + 1])) {
                pos += 2;
            } else {
                break;
            }
        }
        out.push_back(Word{sentence.substr(wordStart, pos - wordStart), wordStart});
    }
}

bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// A stem ending in one vowel and one consonant (hop, us, rat) most often lost an 'e'
// (hoping, using, rated); one ending otherwise most often lost nothing (walking, singing).
bool endsVowelConsonant(std::string_view stem) {
    if (stem.size() < 2) return false;
    const char last = stem.back();
    const char before = stem[stem.size() - 2];
    return !isVowel(last) && last != 'w' && last != 'x' && last != 'y' && isVowel(before);
}

bool endsDoubled(std::string_view stem) {
    return stem.size() >= 3 && stem.back() == stem[stem.size() - 2] && !isVowel(stem.back());
}

class Forms {
public:
    void add(std::string_view form) {
        if (form.size() < 2) return;  // no one-letter bases from the rules
        if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.emplace_back(form);
    }
    void addAlways(std::string_view form) {
        if (!form.empty() && std::find(forms_.begin(), forms_.end(), form) == forms_.end()) {
            forms_.emplace_back(form);
        }
    }
    size_t size() const { return forms_.size(); }
    std::vector<std::string> take() { return std::move(forms_); }

private:
    std::vector<std::string> forms_;
};

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A suffix that may have taken an 'e' or doubled a consonant: -ed, -ing, -er, -est.
void addSuffixStems(std::string_view word, std::string_view suffix, Forms& forms) {
    if (!endsWith(word, suffix)) return;
    const std::string stem(word.substr(0, word.size() - suffix.size()));
    const std::string withE = stem + "e";
    // A stem ending in a vowel lost the e of its base before -ed, -er and -est (lie, tie,
    // true) but keeps it before -ing (doing, being, going are not doe, bee, goe).
    const bool takesE = suffix != "ing";
    if (endsDoubled(stem)) {
        forms.add(stem);                             // added, calling
        forms.add(stem.substr(0, stem.size() - 1));  // stopped, running, bigger
    } else if (endsVowelConsonant(stem) || (takesE && isVowel(stem.back()))) {
        forms.add(withE);  // hoped, using, nicer; lied, tied, truer
        forms.add(stem);   // visited, eating; skied, echoed
    } else {
        forms.add(stem);   // walked, singing, faster
        forms.add(withE);  // changed, larger
    }
}

// The rules of de-inflection, applied to a lower-cased word.
void addRuleForms(std::string_view word, Forms& forms) {
    if (endsWith(word, "ies")) forms.add(std::string(word.substr(0, word.size() - 3)) + "y");
    if (endsWith(word, "s") && !endsWith(word, "ss")) {
        forms.add(word.substr(0, word.size() - 1));                       // books, uses
        if (endsWith(word, "es")) forms.add(word.substr(0, word.size() - 2));  // boxes, goes
    }
    // Compounds of man and woman: policemen, businesswomen.
    if (endsWith(word, "men")) forms.add(std::string(word.substr(0, word.size() - 2)) + "an");
    if (endsWith(word, "ied")) forms.add(std::string(word.substr(0, word.size() - 3)) + "y");
    if (endsWith(word, "ed") && !endsWith(word, "eed")) {
        addSuffixStems(word, "ed", forms);
    } else if (endsWith(word, "eed")) {
        forms.add(word.substr(0, word.size() - 1));  // agreed
    }
    addSuffixStems(word, "ing", forms);
    if (endsWith(word, "iest")) forms.add(std::string(word.substr(0, word.size() - 4)) + "y");
    if (endsWith(word, "ier")) forms.add(std::string(word.substr(0, word.size() - 3)) + "y");
    addSuffixStems(word, "est", forms);
    addSuffixStems(word, "er", forms);
}

}  // namespace

std::vector<Word> splitWords(std::string_view sentence) {
    std::vector<Word> words;
    size_t pos = 0;
    while (pos < sentence.size()) {
        if (isSpace(sentence[pos])) {
            ++pos;
            continue;
        }
        size_t chunkEnd = pos;
        while (chunkEnd < sentence.size() && !isSpace(sentence[chunkEnd])) ++chunkEnd;
        if (isAddress(sentence.substr(pos, chunkEnd - pos))) {
            pos = chunkEnd;
            continue;
        }
        // Tokens inside the chunk: a token with a digit, an underscore or an accented
        // letter is a number, a code or a foreign word, and none of its letters are words.
        while (pos < chunkEnd) {
            const char c = sentence[pos];
            if (!(isLetter(c) || isDigit(c) || c == '\'' || c == '-' || c == '_' ||
                  latinLetterLength(sentence, pos))) {
                ++pos;
                continue;
            }
            const size_t tokenStart = pos;
            bool plain = true;
            while (pos < chunkEnd) {
                const char t = sentence[pos];
                if (isLetter(t) || t == '\'' || t == '-') {
                    ++pos;
                } else if (isDigit(t) || t == '_') {
                    plain = false;
                    ++pos;
                } else if (const size_t latin = latinLetterLength(sentence, pos)) {
                    plain = false;
                    pos += latin;
                } else {
                    break;
                }
            }
            if (plain) tokenWords(sentence, tokenStart, pos, words);
        }
    }
    return words;
}

bool isAllCapitals(std::string_view word) {
    size_t letters = 0;
    for (char c : word) {
        if (c >= 'a' && c <= 'z') return false;
        if (c >= 'A' && c <= 'Z') ++letters;
    }
    return letters >= 2;
}

std::vector<std::string> lookupForms(std::string_view word, const Replacements* replacements,
                                     bool inputFormsOnly) {
    return wordForms(word, replacements, inputFormsOnly).forms;
}

WordForms wordForms(std::string_view word, const Replacements* replacements, bool inputFormsOnly) {
    WordForms result;
    Forms forms;
    forms.addAlways(word);
    const std::string lower = asciiLower(word);
    forms.addAlways(lower);
    if (inputFormsOnly) {
        result.firstRuleForm = forms.size();
        result.forms = forms.take();
        return result;
    }

    // Possessives first give the word itself ("children's" -> "children"), which then goes
    // through replace.txt and the rules like any other word.
    std::string base = lower;
    if (endsWith(lower, "'s")) base = lower.substr(0, lower.size() - 2);
    else if (endsWith(lower, "s'")) base = lower.substr(0, lower.size() - 1);
    if (base != lower) forms.addAlways(base);
    if (replacements) {
        if (const std::string* replaced = replacements->find(lower)) forms.addAlways(*replaced);
        if (base != lower) {
            if (const std::string* replaced = replacements->find(base)) forms.addAlways(*replaced);
        }
    }
    result.firstRuleForm = forms.size();
    addRuleForms(base, forms);
    result.forms = forms.take();
    return result;
}

}  // namespace vokan
