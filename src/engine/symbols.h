#pragma once
// Text replacements made in a document before it is split into words (symbol.txt):
// typographic quotes and dashes, ligatures, non-breaking spaces.
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

class SymbolTable {
public:
    // `from` must not be empty (an empty one is ignored); `to` may be. A `from` given twice
    // keeps its first `to`.
    void add(std::string_view from, std::string_view to);
    bool empty() const { return pairs_.empty(); }
    size_t size() const { return pairs_.size(); }

    // One left-to-right pass: at each position the longest matching `from` is replaced and
    // the scan goes on after it; replaced text is never scanned again.
    std::string apply(std::string_view text) const;

private:
    struct Pair {
        std::string from;
        std::string to;
    };
    std::vector<Pair> pairs_;  // ordered by first byte, then longest `from` first
};

// Lines of `from<TAB>to`, split at the first TAB; a line without a TAB (or with nothing
// before it) is skipped, counted in `skipped` when given.
SymbolTable parseSymbolTable(const std::vector<std::string>& lines, size_t* skipped = nullptr);

}  // namespace vokan
