// Dictionary bytes in memory: searched in place (whatever order they are in), indexed, and
// looked up through the dictionary set. The index must find every headword the file holds.
#include "check.h"
#include "engine/dictionary.h"
#include "engine/lexicon_set.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vokan::hasCrOnlyLineEnds(bytes);

    vokan::Dictionary inPlace(bytes);
    vokan::Dictionary inPlaceTinyBlocks(bytes, 16);  // many block edges even in a small input
    vokan::Dictionary indexed(bytes);
    indexed.buildIndex();

    // Keys: the headwords of the first lines, their prefixes, and a few fixed words.
    std::vector<std::string> keys = {"a", "go on", "\x82\xA0"};
    std::size_t start = 0;
    for (int line = 0; line < 8 && start < bytes.size(); ++line) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view text = bytes.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (auto parts = vokan::splitDictionaryLine(text)) {
            keys.emplace_back(parts->headword);
            keys.emplace_back(parts->headword.substr(0, parts->headword.size() / 2));
            // A headword of the file (past the byte-order mark) is always found by the index.
            if (start > 0 || bytes.substr(0, 3) != "\xEF\xBB\xBF") {
                std::vector<vokan::DictionaryLine> found;
                indexed.findAll(parts->headword, found);
                check(!found.empty() && indexed.hasPrefix(parts->headword));
            }
        }
        start = end + 1;
    }

    std::vector<vokan::DictionaryLine> lines;
    for (const std::string& key : keys) {
        lines.clear();
        inPlace.findAll(key, lines);
        inPlaceTinyBlocks.findAll(key, lines);
        indexed.findAll(key, lines);
        inPlace.hasPrefix(key);
        inPlaceTinyBlocks.hasPrefix(key);
        indexed.hasPrefix(key);
        for (const vokan::DictionaryLine& l : lines) {
            inPlace.decode(l.headword);
            inPlace.decode(l.meaning);
        }
    }

    vokan::LexiconSet set;
    set.addBytes(bytes, false);
    for (const std::string& key : keys) {
        set.find(key);
        set.hasPrefix(key);
    }
    return 0;
}
