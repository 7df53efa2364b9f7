#pragma once
// The dictionaries of one job as extraction sees them: those of env/dict.txt in their
// order, then each -d. Files are mapped, not read; an unsorted set gets an index per file.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/dictionary.h"
#include "engine/lexicon.h"
#include "engine/mapped_file.h"

namespace vokan {

enum class DictionaryOpen {
    Ok,
    CannotOpen,   // missing, a directory, locked, too large to map
    CrOnly,       // line ends of CR alone
};

class LexiconSet final : public Lexicon {
public:
    // Maps the dictionary at `path` and appends it to the search order; with `index` it
    // is indexed first (for files that are not sorted). On failure `error` says why and
    // the set is unchanged.
    DictionaryOpen add(const std::string& path, bool index, std::string& error);

    // Appends a dictionary held in memory (tests, fuzzing); `bytes` must outlive the set.
    void addBytes(std::string_view bytes, bool index);

    std::size_t size() const { return dictionaries_.size(); }

    std::optional<LexiconEntry> find(std::string_view key) const override;
    bool hasPrefix(std::string_view prefix) const override;

private:
    struct Source {
        MappedFile file;
        std::unique_ptr<Dictionary> dictionary;
    };
    std::optional<LexiconEntry> search(std::string_view key) const;

    std::vector<Source> dictionaries_;
    // A document repeats its words: each key is searched once.
    mutable std::unordered_map<std::string, std::optional<LexiconEntry>> found_;
};

}  // namespace vokan
