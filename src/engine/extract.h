#pragma once
// The vocabulary of a document: its words and idioms looked up in the dictionaries,
// each listed once in order of first appearance, with its count and first sentence.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document.h"
#include "engine/lexicon.h"
#include "engine/symbols.h"
#include "engine/word_lists.h"

namespace vokan {

enum class ExtractMode { Words, WordsAndIdioms, Idioms };  // -t (default) / -j / -J

struct ExtractOptions {
    ExtractMode mode = ExtractMode::Words;
    bool inputFormsOnly = false;  // -N: no replace.txt, no de-inflection
    bool listUnknown = false;     // -y: words found in no dictionary listed, lower-cased,
                                  //     with an empty meaning
    int shortestExcluded = 0;     // -l N: entries whose headword has N characters or fewer
                                  //     are left out (0 or less: none)
    std::optional<int> longestMeaning;  // -L M: entries whose meaning is M or more half-width
                                  //     characters long are left out (a character that is
                                  //     double-byte in Shift-JIS counts 2); 0 or less: none
    int knownLevel = 0;           // -k N: entries whose headword has a level of N or lower in
                                  //     WordLists::levels are left out (0: none)
};

struct WordLists {
    Replacements replace;               // empty with -N
    std::optional<IgnoreList> ignore;   // absent with -n
    std::optional<IgnoreList> known;    // the learner's known words; absent with -n
    std::optional<WordLevels> levels;   // level.txt, when present: for -k, and to choose the
                                        // commoner of several bases the rules find
};

struct VocabularyEntry {
    std::string headword;   // the dictionary's headword (the lower-cased word when unknown)
    std::string meaning;    // "" for an unknown word
    int count = 0;          // occurrences in the document
    std::string example;    // the first sentence it occurs in
    size_t formOffset = 0;  // where the word (or idiom) stands in `example`, in bytes
    size_t formLength = 0;  // and its length there, as written
};

// The sentences of a document: its text (see documentText), the symbol table applied,
// split into sentences.
std::vector<std::string> documentSentences(std::string_view bytes, InputKind kind,
                                           std::string_view declaredCharset,
                                           const SymbolTable& symbols);

// Each word is looked up under its forms (see wordForms). A form found with its exact case
// wins over one found only in another case; the first word of a sentence and a word in
// capitals throughout are looked up lower-cased first ("Mark the page" finds mark before
// Mark). Of several bases the rules find, the first one that `lists.levels` holds wins
// (larger: large before larg), else the first one found.
std::vector<VocabularyEntry> extractEntries(const std::vector<std::string>& sentences,
                                            const Lexicon& lexicon, const WordLists& lists,
                                            const ExtractOptions& options);

// The width of a UTF-8 text in half-width characters: 1 for a character that is one byte
// in Shift-JIS (ASCII, half-width katakana), 2 for any other.
size_t halfWidthLength(std::string_view utf8);

// Characters (code points) in a UTF-8 text; a malformed byte counts as one.
size_t characterCount(std::string_view utf8);

}  // namespace vokan
