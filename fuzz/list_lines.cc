// Any bytes as a list file, read as replace.txt, ignore.txt (and known.txt), level.txt and
// symbol.txt; the symbol table is then applied to the same bytes. Lines must be valid UTF-8
// when the file is Shift-JIS, and never hold a line end. The same bytes as a list that -K
// reads, and as the known.txt it grows: every byte already there is kept, and each word
// added is then known.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "engine/encoding.h"
#include "engine/known_words.h"
#include "engine/list_lines.h"
#include "engine/symbols.h"
#include "engine/word_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = vokan::readListLines(bytes);
    const bool utf8 = bytes.substr(0, vokan::kUtf8Bom.size()) == vokan::kUtf8Bom;
    for (const std::string& line : lines) {
        check(!line.empty() && line.find('\n') == std::string::npos && line[0] != '#');
        if (!utf8) check(vokan::isValidUtf8(line));
    }
    vokan::parseReplacements(lines);
    size_t badLevels = 0;
    const vokan::WordLevels levels = vokan::parseWordLevels(bytes, &badLevels);
    check(levels.size() + badLevels <= lines.size());
    check(levels.highest() >= 0 && levels.highest() <= 1000);

    std::vector<std::string> listed = vokan::listedHeadwords(bytes).value_or(std::vector<std::string>{});
    // Words of the file's own lines too, so that some are already known.
    for (size_t i = 0; i < lines.size() && i < 8; ++i) listed.push_back(lines[i]);
    const vokan::KnownWordsUpdate update = vokan::addKnownWords(bytes, listed);
    check(update.bytes.compare(0, bytes.size(), bytes) == 0);
    check((update.added == 0) == (update.bytes.size() == bytes.size()));
    const vokan::IgnoreList known = vokan::parseIgnoreList(vokan::readListLines(update.bytes));
    check(known.size() >= vokan::parseIgnoreList(lines).size());
    check(vokan::addKnownWords(update.bytes, listed).added == 0);
    const vokan::IgnoreList ignore = vokan::parseIgnoreList(lines);
    size_t skipped = 0;
    const vokan::SymbolTable symbols = vokan::parseSymbolTable(lines, &skipped);
    check(symbols.size() + skipped <= lines.size());
    const std::string replaced = symbols.apply(bytes);
    if (symbols.empty()) check(replaced == bytes);
    // Round trip through Shift-JIS never fails, whatever the bytes.
    vokan::shiftJisToUtf8(vokan::utf8ToShiftJis(replaced));
    return 0;
}
