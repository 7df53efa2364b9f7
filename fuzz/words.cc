// Any bytes as a sentence: its words, their looked-up forms, and extraction over a small
// lexicon in the mode the first byte picks. Offsets must point into the sentence; forms must be non-empty.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "engine/extract.h"
#include "engine/words.h"

namespace {

// A handful of headwords, matched without regard to case.
class SmallLexicon : public vokan::Lexicon {
public:
    std::optional<vokan::LexiconEntry> find(std::string_view key) const override {
        const std::string lower = vokan::asciiLower(key);
        for (const char* word : kWords) {
            if (lower == word) return vokan::LexiconEntry{word, "meaning"};
        }
        return std::nullopt;
    }
    bool hasPrefix(std::string_view prefix) const override {
        const std::string lower = vokan::asciiLower(prefix);
        for (const char* word : kWords) {
            if (std::string_view(word).substr(0, lower.size()) == lower) return true;
        }
        return false;
    }

private:
    static constexpr const char* kWords[] = {"a", "go", "run", "take care of", "take care",
                                             "look up", "book", "child", "hope"};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int mode = data[0] % 3;
    const std::string sentence(reinterpret_cast<const char*>(data) + 1, size - 1);
    vokan::WordLists lists;
    lists.replace.add("took", "take");
    lists.replace.add("children", "child");
    lists.ignore = vokan::IgnoreList();
    lists.ignore->add("a");
    for (const vokan::Word& word : vokan::splitWords(sentence)) {
        check(word.offset + word.text.size() <= sentence.size());
        for (const std::string& form : vokan::lookupForms(word.text, &lists.replace, false)) {
            check(!form.empty());
        }
    }
    static const SmallLexicon lexicon;
    {
        vokan::ExtractOptions options;
        options.mode = static_cast<vokan::ExtractMode>(mode);
        options.listUnknown = mode != 1;
        options.inputFormsOnly = mode == 2;
        options.shortestExcluded = mode;
        options.longestMeaning = 8 - mode;
        for (const vokan::VocabularyEntry& entry :
             vokan::extractEntries({sentence}, lexicon, lists, options)) {
            check(entry.count > 0);
            check(entry.formOffset + entry.formLength <= entry.example.size());
        }
    }
    return 0;
}
