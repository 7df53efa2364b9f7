#pragma once
// The word lists of extraction: irregular forms (replace.txt), words never listed
// (ignore.txt, and the learner's known.txt, read the same way) and how common each word is
// (level.txt). All are built from the lines readListLines gives.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vokan {

// Irregular forms and the headword to look up instead ("went go", "children child").
class Replacements {
public:
    // Adds a pair; the form is kept lower-cased. A form given twice keeps its first base.
    void add(std::string_view form, std::string_view base);
    // The base for `form` (compared without regard to ASCII case), or nullptr.
    const std::string* find(std::string_view form) const;
    size_t size() const { return bases_.size(); }

private:
    std::unordered_map<std::string, std::string> bases_;
};

// Lines of `form base`: two fields separated by spaces or tabs. A line with fewer or more
// fields is skipped (counted in `skipped` when given), never an error.
Replacements parseReplacements(const std::vector<std::string>& lines, size_t* skipped = nullptr);

// Words never listed, compared without regard to ASCII case.
class IgnoreList {
public:
    void add(std::string_view word);
    bool contains(std::string_view word) const;
    size_t size() const { return words_.size(); }

private:
    std::unordered_set<std::string> words_;  // lower-cased
};

// One word per line; spaces and tabs around it are dropped.
IgnoreList parseIgnoreList(const std::vector<std::string>& lines);

// How common each word is: level 1 for the most common words, higher for rarer ones. Held
// as one buffer of words and an index sorted by word, since the shipped list has tens of
// thousands of lines and is read on every run.
class WordLevels {
public:
    // The level of `word` (compared without regard to ASCII case), or 0 when it has none.
    int find(std::string_view word) const;
    // The highest level the file gave; 0 when there are none.
    int highest() const { return highest_; }
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        uint32_t offset;
        uint32_t length;
        int level;
    };
    std::string_view word(const Entry& e) const { return std::string_view(words_).substr(e.offset, e.length); }
    friend WordLevels parseWordLevels(std::string_view bytes, size_t* skipped);

    std::string words_;           // lower-cased, one after the other
    std::vector<Entry> entries_;  // sorted by word; one per word, at its lowest level
    int highest_ = 0;
};

// level.txt's bytes, read as list lines (see forEachListLine) of `word level`: two fields
// separated by a TAB (or spaces), the level a whole number from 1 to 1000. Any other line
// is skipped (counted in `skipped` when given), never an error. A word given twice keeps
// its lowest level.
WordLevels parseWordLevels(std::string_view bytes, size_t* skipped = nullptr);

// ASCII lower case; other bytes unchanged.
std::string asciiLower(std::string_view text);

}  // namespace vokan
