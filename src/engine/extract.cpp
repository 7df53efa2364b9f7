#include "engine/extract.h"

#include <unordered_map>

#include "engine/sentences.h"
#include "engine/unicode.h"
#include "engine/words.h"

namespace vokan {
namespace {

// Longest idiom looked for, in words.
constexpr size_t kLongestIdiom = 8;

struct Found {
    std::string headword;
    std::string meaning;
};

class Extractor {
public:
    Extractor(const Lexicon& lexicon, const WordLists& lists, const ExtractOptions& options)
        : lexicon_(lexicon), lists_(lists), options_(options) {}

    void sentence(const std::string& text) {
        const std::vector<Word> words = splitWords(text);
        const bool idioms = options_.mode != ExtractMode::Words;
        const bool singles = options_.mode != ExtractMode::Idioms;
        size_t idiomEnd = 0;  // idioms do not overlap: the next starts after this word
        for (size_t i = 0; i < words.size(); ++i) {
            if (idioms && i >= idiomEnd) {
                if (const size_t length = idiom(text, words, i)) idiomEnd = i + length;
            }
            if (singles) single(text, words[i], i == 0);
        }
    }

    std::vector<VocabularyEntry> take() { return std::move(entries_); }

private:
    // Looks the word up and counts it under its headword.
    void single(const std::string& text, const Word& word, bool sentenceStart) {
        // Capitalised at the start of a sentence or in capitals throughout, a word is taken
        // as the common word first; elsewhere its case is kept.
        const bool lowerFirst =
            (sentenceStart && word.text.front() >= 'A' && word.text.front() <= 'Z') || isAllCapitals(word.text);
        const std::string key = (lowerFirst ? "^" : "") + std::string(word.text);
        auto cached = lookups_.find(key);
        if (cached == lookups_.end()) {
            cached = lookups_.emplace(key, lookUp(word.text, lowerFirst)).first;
        }
        const std::optional<Found>& found = cached->second;
        const std::string lower = asciiLower(word.text);
        if (found) {
            count(true, found->headword, found->meaning, lower, text, word.offset, word.text.size());
        } else if (word.text.find('-') != std::string_view::npos) {
            // A compound no dictionary has ("language-specific", "sh-compatible") is made of
            // words a learner can look up: each part counts as a word of its own.
            for (const Word& part : hyphenParts(word)) {
                single(text, part, sentenceStart && part.offset == word.offset);
            }
        } else if (options_.listUnknown) {
            count(false, lower, std::string(), lower, text, word.offset, word.text.size());
        }
    }

    // The parts of a word between its hyphens (never empty: a word's hyphens are inner ones).
    static std::vector<Word> hyphenParts(const Word& word) {
        std::vector<Word> parts;
        size_t start = 0;
        while (start <= word.text.size()) {
            size_t end = word.text.find('-', start);
            if (end == std::string_view::npos) end = word.text.size();
            if (end > start) parts.push_back(Word{word.text.substr(start, end - start), word.offset + start});
            start = end + 1;
        }
        return parts;
    }

    // Two rounds over the word's forms: headwords spelled exactly as the form, then in any
    // case. With `lowerFirst` the first round passes over the word as written (the forms
    // after it are lower-cased), so a capitalised entry is taken only in the second.
    std::optional<Found> lookUp(std::string_view word, bool lowerFirst) const {
        const Replacements* replace = options_.inputFormsOnly ? nullptr : &lists_.replace;
        const WordForms forms = wordForms(word, replace, options_.inputFormsOnly);
        if (std::optional<Found> found = firstFound(forms, lowerFirst ? 1 : 0, true)) return found;
        return firstFound(forms, 0, false);
    }

    // The entry of the first form from `start` on that a dictionary holds (with `exactCase`,
    // under exactly that spelling). Of the rules' guesses, the first whose word has a level
    // wins over those before it that have none: a common word over a rare headword.
    std::optional<Found> firstFound(const WordForms& forms, size_t start, bool exactCase) const {
        std::optional<LexiconEntry> fallback;
        for (size_t i = start; i < forms.forms.size(); ++i) {
            const std::string& form = forms.forms[i];
            std::optional<LexiconEntry> entry = lexicon_.find(form);
            if (!entry || (exactCase && entry->headword != form)) continue;
            const bool guess = i >= forms.firstRuleForm;
            if (!guess || !lists_.levels || lists_.levels->find(form) != 0) {
                return Found{std::move(entry->headword), std::move(entry->meaning)};
            }
            if (!fallback) fallback = std::move(entry);
        }
        if (!fallback) return std::nullopt;
        return Found{std::move(fallback->headword), std::move(fallback->meaning)};
    }

    // The longest idiom starting at word `first` (its first word in any looked-up form, the
    // rest as written, separated by white space only); counts it and returns its length in
    // words, or 0.
    size_t idiom(const std::string& text, const std::vector<Word>& words, size_t first) {
        std::optional<Found> best;
        size_t bestLength = 0;
        for (const std::string& form : idiomStarts(words[first].text)) {
            std::string phrase = form;
            for (size_t j = first + 1; j < words.size() && j - first < kLongestIdiom; ++j) {
                const size_t gapStart = words[j - 1].offset + words[j - 1].text.size();
                const std::string_view gap(text.data() + gapStart, words[j].offset - gapStart);
                if (gap.empty() || gap.find_first_not_of(' ') != std::string_view::npos) break;
                phrase.push_back(' ');
                if (j > first + 1 && !lexicon_.hasPrefix(phrase)) break;
                phrase.append(words[j].text);
                if (!lexicon_.hasPrefix(phrase)) break;
                const size_t length = j - first + 1;
                if (length <= bestLength) continue;
                if (std::optional<LexiconEntry> entry = lexicon_.find(phrase)) {
                    best = Found{std::move(entry->headword), std::move(entry->meaning)};
                    bestLength = length;
                }
            }
        }
        if (!best) return 0;
        const Word& last = words[first + bestLength - 1];
        const size_t offset = words[first].offset;
        count(true, best->headword, best->meaning, asciiLower(best->headword), text, offset,
              last.offset + last.text.size() - offset);
        return bestLength;
    }

    // The forms of a word that some idiom starts with (followed by a space), worked out once
    // per spelling: most words start none, and then cost one hash lookup.
    const std::vector<std::string>& idiomStarts(std::string_view word) {
        const std::string written(word);
        auto cached = idiomStarts_.find(written);
        if (cached != idiomStarts_.end()) return cached->second;
        const Replacements* replace = options_.inputFormsOnly ? nullptr : &lists_.replace;
        std::vector<std::string> starts;
        for (std::string& form : lookupForms(word, replace, options_.inputFormsOnly)) {
            if (lexicon_.hasPrefix(form + " ")) starts.push_back(std::move(form));
        }
        return idiomStarts_.emplace(written, std::move(starts)).first->second;
    }

    // Adds one occurrence of `headword`, unless the lists or limits leave it out.
    void count(bool known, const std::string& headword, const std::string& meaning, const std::string& lower,
               const std::string& text, size_t offset, size_t length) {
        // Unknown words live apart from dictionary headwords, in case a name is both.
        const std::string key = (known ? "1" : "0") + headword;
        auto at = index_.find(key);
        if (at == index_.end()) {
            const bool keep = wanted(headword, meaning, lower);
            at = index_.emplace(key, keep ? entries_.size() : kLeftOut).first;
            if (keep) {
                VocabularyEntry entry;
                entry.headword = headword;
                entry.meaning = meaning;
                entry.example = text;
                entry.formOffset = offset;
                entry.formLength = length;
                entries_.push_back(std::move(entry));
            }
        }
        if (at->second != kLeftOut) ++entries_[at->second].count;
    }

    bool wanted(const std::string& headword, const std::string& meaning,
                const std::string& lower) const {
        if (lists_.ignore && (lists_.ignore->contains(headword) || lists_.ignore->contains(lower))) {
            return false;
        }
        if (lists_.known && (lists_.known->contains(headword) || lists_.known->contains(lower))) {
            return false;
        }
        if (options_.knownLevel > 0 && lists_.levels) {
            const int level = lists_.levels->find(headword);
            if (level != 0 && level <= options_.knownLevel) return false;
        }
        if (options_.shortestExcluded > 0 &&
            characterCount(headword) <= static_cast<size_t>(options_.shortestExcluded)) {
            return false;
        }
        if (options_.longestMeaning && *options_.longestMeaning > 0 &&
            halfWidthLength(meaning) >= static_cast<size_t>(*options_.longestMeaning)) {
            return false;
        }
        return true;
    }

    static constexpr size_t kLeftOut = static_cast<size_t>(-1);
    const Lexicon& lexicon_;
    const WordLists& lists_;
    const ExtractOptions& options_;
    std::unordered_map<std::string, std::optional<Found>> lookups_;  // by word as written
    std::unordered_map<std::string, std::vector<std::string>> idiomStarts_;  // by spelling
    std::unordered_map<std::string, size_t> index_;  // entry key -> entries_ index or kLeftOut
    std::vector<VocabularyEntry> entries_;
};

}  // namespace

std::vector<std::string> documentSentences(std::string_view bytes, InputKind kind,
                                           std::string_view declaredCharset,
                                           const SymbolTable& symbols) {
    return splitSentences(symbols.apply(documentText(bytes, kind, declaredCharset)));
}

std::vector<VocabularyEntry> extractEntries(const std::vector<std::string>& sentences,
                                            const Lexicon& lexicon, const WordLists& lists,
                                            const ExtractOptions& options) {
    Extractor extractor(lexicon, lists, options);
    for (const std::string& sentence : sentences) extractor.sentence(sentence);
    return extractor.take();
}

size_t halfWidthLength(std::string_view utf8) {
    size_t width = 0;
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (!decodeUtf8(utf8, pos, cp)) {
            width += 1;  // written as one '?'
        } else {
            width += (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
        }
    }
    return width;
}

size_t characterCount(std::string_view utf8) {
    size_t count = 0;
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        decodeUtf8(utf8, pos, cp);
        ++count;
    }
    return count;
}

}  // namespace vokan
