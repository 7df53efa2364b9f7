#pragma once
// The dictionary list: the dictionaries named in env/dict.txt (the engine reads that file
// itself), followed by those the user added in this run, which reach the engine only
// through its command line. Added entries are not stored: a reload of the changed file
// drops them. The program never writes env/dict.txt.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vokanti {

class DictionaryList {
public:
    explicit DictionaryList(FileSystem& files) : files_(files) {}

    enum class LoadResult {
        Loaded,
        Missing,     // the file does not exist: nothing read, the entries are gone
        ReadFailed,  // it could not be read whole: the entries are kept as they were, and
                     // the next reload tries again
    };
    // Reads the file at `path` in place of every entry, remembering its last-write stamp.
    LoadResult load(const std::string& path);
    // True when the file's stamp differs from the one of the last load (a missing file
    // counts as changed).
    bool changedOnDisk() const;

    void add(const std::string& path) { entries_.push_back(path); }
    // Removes the entry added last; false when none was added.
    bool removeLastAdded();

    const std::vector<std::string>& entries() const { return entries_; }
    size_t baseCount() const { return baseCount_; }
    size_t addedCount() const { return entries_.size() - baseCount_; }
    std::vector<std::string> added() const;
    // The first entry equal to `text` (ASCII letters without regard to case); -1 when none.
    int findEqual(const std::string& text) const;

private:
    FileSystem& files_;
    std::string path_;
    std::optional<ModStamp> stamp_;
    std::vector<std::string> entries_;  // the file's lines, then the added ones
    size_t baseCount_ = 0;
};

// The first entry of `entries` equal to `text` by the rule of the combo boxes; -1 when none.
int findEqualEntry(const std::vector<std::string>& entries, const std::string& text);

}  // namespace vokanti
