#include "engine/word_lists.h"

#include <algorithm>

#include "engine/list_lines.h"

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

// Splits a line into exactly two fields separated by spaces or tabs; false otherwise.
bool twoFields(std::string_view line, std::string_view& first, std::string_view& second) {
    const size_t a = line.find_first_not_of(" \t");
    if (a == std::string_view::npos) return false;
    const size_t aEnd = line.find_first_of(" \t", a);
    if (aEnd == std::string_view::npos) return false;
    const size_t b = line.find_first_not_of(" \t", aEnd);
    if (b == std::string_view::npos) return false;
    const size_t bEnd = std::min(line.find_first_of(" \t", b), line.size());
    if (line.find_first_not_of(" \t", bEnd) != std::string_view::npos) return false;
    first = line.substr(a, aEnd - a);
    second = line.substr(b, bEnd - b);
    return true;
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

int WordLevels::find(std::string_view key) const {
    const std::string lower = asciiLower(key);
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), lower,
                                     [this](const Entry& e, const std::string& k) { return word(e) < k; });
    return at != entries_.end() && word(*at) == lower ? at->level : 0;
}

WordLevels parseWordLevels(std::string_view bytes, size_t* skipped) {
    WordLevels levels;
    size_t bad = 0;
    forEachListLine(bytes, [&](std::string_view line) {
        std::string_view word, level;
        const int n = twoFields(line, word, level) ? parseLevel(level) : 0;
        if (n == 0 || levels.words_.size() + word.size() > UINT32_MAX) {
            ++bad;
            return;
        }
        const auto offset = static_cast<uint32_t>(levels.words_.size());
        levels.words_.append(word);
        for (size_t i = offset; i < levels.words_.size(); ++i) {
            char& c = levels.words_[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        levels.entries_.push_back({offset, static_cast<uint32_t>(word.size()), n});
        levels.highest_ = std::max(levels.highest_, n);
    });
    // By word, then level: the first of each word is its lowest level. The shipped file is
    // in that order already, and checking costs far less than sorting.
    auto& entries = levels.entries_;
    const auto byWordThenLevel = [&levels](const WordLevels::Entry& a, const WordLevels::Entry& b) {
        const std::string_view wa = levels.word(a), wb = levels.word(b);
        return wa != wb ? wa < wb : a.level < b.level;
    };
    if (!std::is_sorted(entries.begin(), entries.end(), byWordThenLevel))
        std::sort(entries.begin(), entries.end(), byWordThenLevel);
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [&levels](const WordLevels::Entry& a, const WordLevels::Entry& b) {
                                  return levels.word(a) == levels.word(b);
                              }),
                  entries.end());
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
