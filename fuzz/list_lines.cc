// Any bytes as a list file, read as replace.txt, ignore.txt and symbol.txt; the symbol
// table is then applied to the same bytes. Lines must be valid UTF-8 when the file is
// Shift-JIS, and never hold a line end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "engine/encoding.h"
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
