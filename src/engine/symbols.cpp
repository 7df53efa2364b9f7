#include "engine/symbols.h"

#include <algorithm>
#include <array>

namespace vokan {

void SymbolTable::add(std::string_view from, std::string_view to) {
    if (from.empty()) return;
    // Keep the order apply() searches in: by first byte, longest first.
    const auto before = [](const Pair& a, std::string_view b) {
        if (a.from[0] != b[0]) {
            return static_cast<unsigned char>(a.from[0]) < static_cast<unsigned char>(b[0]);
        }
        return a.from.size() > b.size();
    };
    auto at = std::lower_bound(pairs_.begin(), pairs_.end(), from, before);
    for (auto it = at; it != pairs_.end() && it->from[0] == from[0] &&
                       it->from.size() == from.size();
         ++it) {
        if (it->from == from) return;
    }
    pairs_.insert(at, Pair{std::string(from), std::string(to)});
}

std::string SymbolTable::apply(std::string_view text) const {
    if (pairs_.empty()) return std::string(text);
    // Where the pairs of each first byte start; they end where the next byte's start.
    std::array<size_t, 257> start{};
    for (const Pair& pair : pairs_) ++start[static_cast<unsigned char>(pair.from[0]) + 1];
    for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];

    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        const Pair* match = nullptr;
        for (size_t i = start[byte]; i < start[byte + 1]; ++i) {
            const Pair& pair = pairs_[i];
            if (text.compare(pos, pair.from.size(), pair.from) == 0) {
                match = &pair;
                break;
            }
        }
        if (match) {
            out.append(match->to);
            pos += match->from.size();
        } else {
            out.push_back(text[pos]);
            ++pos;
        }
    }
    return out;
}

SymbolTable parseSymbolTable(const std::vector<std::string>& lines, size_t* skipped) {
    SymbolTable table;
    size_t bad = 0;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) {
            ++bad;
            continue;
        }
        table.add(std::string_view(line).substr(0, tab), std::string_view(line).substr(tab + 1));
    }
    if (skipped) *skipped = bad;
    return table;
}

}  // namespace vokan
