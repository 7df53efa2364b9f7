#pragma once
// A history of the job's inputs or outputs: every text recorded, oldest first as its file
// keeps them, one line each. The file is held open without sharing for the program's whole
// life, so another running instance cannot use it. The texts are kept here byte for byte;
// the lists that show them are filled from here and never read back.
#include <cstddef>
#include <string>
#include <vector>

#include "lists/list_file.h"
#include "platform/file_system.h"

namespace vokanti {

class History {
public:
    explicit History(FileSystem& files) : file_(files) {}

    enum class LoadResult {
        Loaded,       // the file was there and was read whole
        Created,      // the file was missing and has been created empty
        Unavailable,  // neither opened nor created (another instance holds it): empty
        ReadFailed,   // opened, but reading failed: empty, and nothing is recorded to it
    };
    // Opens the file at `path` and reads its entries, replacing what was held before.
    LoadResult load(const std::string& path);

    enum class RecordResult {
        Recorded,     // in the file and in the list
        NotInFile,    // in the list only: the file is not open or its end is unknown
        WriteFailed,  // in neither: the file is as it was before (or, if even that failed,
                      // nothing more is written to it)
    };
    RecordResult record(const std::string& text);

    enum class ClearResult { Cleared, RemoveFailed, CreateFailed };
    // Closes and removes the file and creates it anew, empty. When the file cannot be
    // removed, it is opened and read again, so the entries show what it still holds and
    // later records go after them.
    ClearResult clear();
    void close() { file_.close(); }
    // Lets go of the entries read so far, for a list that could not show them: the file
    // keeps them, and later records go after them in the file and start the entries anew.
    void forgetEntries();

    const std::string& path() const { return path_; }
    size_t size() const { return entries_.size(); }
    // The entries newest first, the order the lists show them in.
    std::vector<std::string> newestFirst() const;
    // Entry `index` counted from the newest (index 0).
    const std::string& newest(size_t index) const { return entries_[entries_.size() - 1 - index]; }
    // The first entry, newest first, equal to `text` (ASCII letters without regard to
    // case); -1 when none is.
    int findEqual(const std::string& text) const;
    // The longest entry in bytes; of equally long ones the newest. Empty when there are none.
    const std::string& longest() const;

private:

    ListFile file_;
    std::string path_;
    std::vector<std::string> entries_;  // oldest first
    size_t longest_ = 0;                // index into entries_, when not empty
};

}  // namespace vokanti
