#include "engine/lexicon_set.h"

#include <utility>

namespace vokan {

DictionaryOpen LexiconSet::add(const std::string& path, bool index, std::string& error) {
    Source source;
    if (!source.file.open(path, error)) return DictionaryOpen::CannotOpen;
    if (hasCrOnlyLineEnds(source.file.bytes())) {
        error = "its line ends are CR alone (convert it to CR LF or LF)";
        return DictionaryOpen::CrOnly;
    }
    source.dictionary = std::make_unique<Dictionary>(source.file.bytes());
    if (index) source.dictionary->buildIndex();
    dictionaries_.push_back(std::move(source));
    found_.clear();
    return DictionaryOpen::Ok;
}

void LexiconSet::addBytes(std::string_view bytes, bool index) {
    Source source;
    source.dictionary = std::make_unique<Dictionary>(bytes);
    if (index) source.dictionary->buildIndex();
    dictionaries_.push_back(std::move(source));
    found_.clear();
}

std::optional<LexiconEntry> LexiconSet::find(std::string_view key) const {
    std::string text(key);
    auto it = found_.find(text);
    if (it == found_.end()) it = found_.emplace(std::move(text), search(key)).first;
    return it->second;
}

// Gathers every line whose headword matches `key` in any case, in dictionary and file
// order; picks the headword spelled exactly as `key` if there is one, else the first; and
// joins the meanings of all lines with that very headword.
std::optional<LexiconEntry> LexiconSet::search(std::string_view key) const {
    if (key.empty()) return std::nullopt;
    std::vector<LexiconEntry> matches;
    std::vector<DictionaryLine> lines;
    for (const Source& source : dictionaries_) {
        const Dictionary& dictionary = *source.dictionary;
        std::optional<std::string> encoded = dictionary.encodeKey(key);
        if (!encoded) continue;
        lines.clear();
        dictionary.findAll(*encoded, lines);
        for (const DictionaryLine& line : lines)
            matches.push_back({dictionary.decode(line.headword), dictionary.decode(line.meaning)});
    }
    if (matches.empty()) return std::nullopt;
    std::string headword = matches.front().headword;
    for (const LexiconEntry& m : matches) {
        if (m.headword == key) {
            headword = m.headword;
            break;
        }
    }
    LexiconEntry entry{headword, {}};
    for (const LexiconEntry& m : matches) {
        if (m.headword != headword || m.meaning.empty()) continue;
        if (!entry.meaning.empty()) entry.meaning += " / ";
        entry.meaning += m.meaning;
    }
    return entry;
}

bool LexiconSet::hasPrefix(std::string_view prefix) const {
    for (const Source& source : dictionaries_) {
        std::optional<std::string> encoded = source.dictionary->encodeKey(prefix);
        if (encoded && source.dictionary->hasPrefix(*encoded)) return true;
    }
    return false;
}

}  // namespace vokan
