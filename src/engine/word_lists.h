#pragma once
// The two word lists of extraction: irregular forms (replace.txt) and words never listed
// (ignore.txt). Both are built from the lines readListLines gives.
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vokan {

// Irregular forms and the headword to look up instead ("went go", "children child").
class Replacements {
public:
    // Adds a pair; the form is kept lower-cased. A form given twice keeps its first base.
    void add(std::string_view form, std::string_view base);
    // The base for `form` (compared without regard to ASCII case), or nullptr.
    const std::string* find(std::string_view form) const;
    size_t size() const { return bases_.size(); }

private:
    std::unordered_map<std::string, std::string> bases_;
};

// Lines of `form base`: two fields separated by spaces or tabs. A line with fewer or more
// fields is skipped (counted in `skipped` when given), never an error.
Replacements parseReplacements(const std::vector<std::string>& lines, size_t* skipped = nullptr);

// Words never listed, compared without regard to ASCII case.
class IgnoreList {
public:
    void add(std::string_view word);
    bool contains(std::string_view word) const;
    size_t size() const { return words_.size(); }

private:
    std::unordered_set<std::string> words_;  // lower-cased
};

// One word per line; spaces and tabs around it are dropped.
IgnoreList parseIgnoreList(const std::vector<std::string>& lines);

// ASCII lower case; other bytes unchanged.
std::string asciiLower(std::string_view text);

}  // namespace vokan
