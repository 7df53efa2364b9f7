#pragma once
// What extraction asks of the dictionaries: one lookup by headword, and whether any
// headword starts with a given text (so an idiom search stops as soon as no longer phrase
// can match). Implemented over the dictionaries of a job (env/dict.txt, then each -d),
// searched in place when they are sorted and through an index built first with -S.
#include <optional>
#include <string>
#include <string_view>

namespace vokan {

struct LexiconEntry {
    std::string headword;  // as the dictionary writes it, UTF-8
    std::string meaning;   // every meaning of the headword, in dictionary and file order,
                           // joined with " / ", UTF-8
};

class Lexicon {
public:
    virtual ~Lexicon() = default;
    // The entry whose headword equals `key` without regard to ASCII case; of several
    // headwords that differ only in case, the one equal to `key` exactly is preferred
    // (else the first in dictionary order). Absent when no headword matches.
    virtual std::optional<LexiconEntry> find(std::string_view key) const = 0;
    // True when some headword starts with `prefix`, ASCII case ignored.
    virtual bool hasPrefix(std::string_view prefix) const = 0;
};

}  // namespace vokan
