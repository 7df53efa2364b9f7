#pragma once
// The dictionary list: the dictionaries named in env/dict.txt (the engine reads that file
// itself), followed by those the user added in this run, which reach the engine only
// through its command line. Added entries are not stored: a reload of the changed file
// drops them. The program never writes env/dict.txt.
#include <cstddef>
#include <cstdint>
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
    // Lets go of every entry, for a box that could not show them; the next check of the
    // file counts it as changed, so it is read again.
    void forgetEntries();
    // Removes the entry added last; false when none was added.
    bool removeLastAdded();

    const std::vector<std::string>& entries() const { return entries_; }
    // How many entries came from the file, and how many were added in this run; the
    // entries are the file's lines followed by the added ones.
    int32_t BaseDictionaryCount() const { return baseCount_; }
    int32_t AddedDictionaryCount() const { return static_cast<int32_t>(entries_.size()) - baseCount_; }
    std::vector<std::string> added() const;
    // The first entry equal to `text` (ASCII letters without regard to case); -1 when none.
    int findEqual(const std::string& text) const;

private:
    FileSystem& files_;
    std::string path_;
    std::optional<ModStamp> dictStamp;
    std::vector<std::string> entries_;  // the file's lines, then the added ones
    int32_t baseCount_ = 0;  // never more than entries_.size()
};

// The first entry of `entries` equal to `text` by the rule of the combo boxes; -1 when none.
int findEqualEntry(const std::vector<std::string>& entries, const std::string& text);

}  // namespace vokanti
