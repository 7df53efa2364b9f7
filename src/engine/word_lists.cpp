#include "engine/word_lists.h"

namespace vokan {
namespace {

// The fields of a line split at runs of spaces and tabs.
std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    size_t pos = 0;
    while (pos < line.size()) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        size_t end = line.find_first_of(" \t", pos);
        if (end == std::string_view::npos) end = line.size();
        result.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return result;
}

// A level: digits only, 1 to kHighestLevel.
constexpr int kHighestLevel = 1000;
int parseLevel(std::string_view text) {
    if (text.empty() || text.size() > 4) return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= kHighestLevel ? n : 0;
}

}  // namespace

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

void Replacements::add(std::string_view form, std::string_view base) {
    bases_.emplace(asciiLower(form), std::string(base));
}

const std::string* Replacements::find(std::string_view form) const {
    const auto found = bases_.find(asciiLower(form));
    return found == bases_.end() ? nullptr : &found->second;
}

Replacements parseReplacements(const std::vector<std::string>& lines, size_t* skipped) {
    Replacements replacements;
    size_t bad = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string_view> parts = fields(line);
        if (parts.size() != 2) {
            ++bad;
            continue;
        }
        replacements.add(parts[0], parts[1]);
    }
    if (skipped) *skipped = bad;
    return replacements;
}

void IgnoreList::add(std::string_view word) { words_.insert(asciiLower(word)); }

bool IgnoreList::contains(std::string_view word) const {
    return words_.count(asciiLower(word)) != 0;
}

void WordLevels::add(std::string_view word, int level) {
    auto [at, added] = levels_.emplace(asciiLower(word), level);
    if (!added && level < at->second) at->second = level;
    if (level > highest_) highest_ = level;
}

int WordLevels::find(std::string_view word) const {
    const auto found = levels_.find(asciiLower(word));
    return found == levels_.end() ? 0 : found->second;
}

WordLevels parseWordLevels(const std::vector<std::string>& lines, size_t* skipped) {
    WordLevels levels;
    size_t bad = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string_view> parts = fields(line);
        const int level = parts.size() == 2 ? parseLevel(parts[1]) : 0;
        if (level == 0) {
            ++bad;
            continue;
        }
        levels.add(parts[0], level);
    }
    if (skipped) *skipped = bad;
    return levels;
}

IgnoreList parseIgnoreList(const std::vector<std::string>& lines) {
    IgnoreList list;
    for (const std::string& line : lines) {
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        const size_t last = line.find_last_not_of(" \t");
        list.add(std::string_view(line).substr(first, last - first + 1));
    }
    return list;
}

}  // namespace vokan
