#pragma once
// The favorites: inputs the user comes back to, each under a title of the user's choosing,
// kept in env/favorite.txt as pairs of lines (title, then location). The titles and
// locations are held here byte for byte as read, and every rewrite of the file is made from
// them, so lines that are not valid Shift-JIS survive any number of adds and deletes.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vokanti {

class Favorites {
public:
    explicit Favorites(FileSystem& files) : files_(files) {}

    enum class LoadResult {
        Loaded,
        Created,       // the file was missing and has been created empty
        CreateFailed,  // missing, and it could not be created
        ReadFailed,    // present but not read whole (held by another program, or a read
                       // error): the list is kept as it was and is not rewritten from until
                       // the file has been read whole
    };
    // Start-up: reads the file at `path`, creating it empty when it is missing.
    LoadResult load(const std::string& path);

    enum class ReloadResult { Unchanged, Reloaded, Missing, ReadFailed };
    // Reads the file again when its last-write stamp differs from the one stored; a missing
    // file counts as changed, and is reported as Missing without being read.
    ReloadResult reloadIfChanged();

    enum class WriteResult {
        Written,
        NotReadWhole,  // nothing changed: the list may not hold all the file's favorites
        Gone,          // the file is missing: the list holds the change, the file is left
        WriteFailed,   // the list holds the change, the file is left as it was
    };
    WriteResult add(const std::string& title, const std::string& location);
    // `index` must name a favorite.
    WriteResult remove(size_t index);
    // False while the file has not been read whole: the favorites are then not changed,
    // so that a rewrite cannot drop the file's other ones.
    bool readWhole() const { return readWhole_; }
    // Lets go of the favorites, for a list that could not show them: they are then treated
    // as a file that could not be read (not rewritten; the next look reads the file again).
    void forgetEntries();

    const std::string& path() const { return path_; }
    // The last-write stamp of the file as it was last read or written here; absent when the
    // file did not exist at start-up or could not be read since.
    std::optional<ModStamp> stamp() const { return favoriteStamp; }
    size_t size() const { return titles_.size(); }
    const std::vector<std::string>& titles() const { return titles_; }
    const std::vector<std::string>& locations() const { return locations_; }
    // The longest title in bytes; of equally long ones the first. Empty when there are none.
    const std::string& longestTitle() const;

private:
    bool readPairs(OpenMode mode);
    WriteResult rewriteFavorites();

    FileSystem& files_;
    std::string path_;
    std::optional<ModStamp> favoriteStamp;
    std::vector<std::string> titles_;
    std::vector<std::string> locations_;
    bool readWhole_ = true;
};

}  // namespace vokanti
