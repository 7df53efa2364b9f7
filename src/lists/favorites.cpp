#include "lists/favorites.h"

#include "lists/list_file.h"

namespace vokanti {

namespace {
const std::string kNone;
// The new list is written beside the favorites file, under its name with this added.
constexpr char kNewFileSuffix[] = ".new";
}  // namespace

// Reads the pairs of the file (opened in `mode`) in place of the list. An odd last line is
// a title without a location. False when the file could not be opened or read whole.
bool Favorites::readPairs(OpenMode mode) {
    ListFile file(files_);
    std::vector<std::string> lines;
    if (!file.open(path_, mode) || !file.readAll(lines)) return false;
    titles_.clear();
    locations_.clear();
    for (size_t i = 0; i < lines.size(); i += 2) {
        titles_.push_back(std::move(lines[i]));
        locations_.push_back(i + 1 < lines.size() ? std::move(lines[i + 1]) : std::string());
    }
    return true;
}

Favorites::LoadResult Favorites::load(const std::string& path) {
    path_ = path;
    favoriteStamp = files_.readModStamp(path);
    if (readPairs(OpenMode::ReadWrite) || (files_.exists(path) && readPairs(OpenMode::Read))) {
        readWhole_ = true;  // a read-only file is read all the same
        return LoadResult::Loaded;
    }
    if (files_.exists(path)) {
        // Without a stamp the next look at the favorites reads the file again.
        favoriteStamp.reset();
        readWhole_ = false;
        return LoadResult::ReadFailed;
    }
    ListFile file(files_);
    if (!file.open(path, OpenMode::Create)) return LoadResult::CreateFailed;
    file.close();
    // The stamp stays absent, as it was when the file did not exist: the first look at the
    // favorites reads the new file, and whatever another program put there by then.
    return LoadResult::Created;
}

Favorites::ReloadResult Favorites::reloadIfChanged() {
    const auto current = files_.readModStamp(path_);
    if (current && current == favoriteStamp) return ReloadResult::Unchanged;
    const auto previous = favoriteStamp;
    favoriteStamp = current;
    if (!current) return ReloadResult::Missing;
    if (!readPairs(OpenMode::Read)) {
        // Keep the list, and try again next time.
        favoriteStamp = previous;
        if (!readWhole_) favoriteStamp.reset();
        return ReloadResult::ReadFailed;
    }
    readWhole_ = true;
    return ReloadResult::Reloaded;
}

Favorites::WriteResult Favorites::add(const std::string& title, const std::string& location) {
    if (!readWhole_) return WriteResult::NotReadWhole;
    titles_.push_back(title);
    locations_.push_back(location);
    return rewriteFavorites();
}

Favorites::WriteResult Favorites::remove(size_t index) {
    if (!readWhole_) return WriteResult::NotReadWhole;
    titles_.erase(titles_.begin() + static_cast<ptrdiff_t>(index));
    locations_.erase(locations_.begin() + static_cast<ptrdiff_t>(index));
    return rewriteFavorites();
}

// The whole list is written to a new file beside the favorites file, put on the disk, and
// only then put in place of the favorites file in one step: whatever happens on the way,
// env/favorite.txt holds either the old list or the new one, never a part of it. A file
// that is gone (removed from outside) or cannot be replaced is left as it is, and the stamp
// stays, so the next look at the favorites shows what the file holds.
Favorites::WriteResult Favorites::rewriteFavorites() {
    if (!files_.exists(path_)) return WriteResult::Gone;
    const std::string newPath = path_ + kNewFileSuffix;

    ListFile file(files_);
    bool written = file.open(newPath, OpenMode::Create);
    const bool opened = written;
    for (size_t i = 0; written && i < titles_.size(); ++i) {
        written = file.writeLine(titles_[i]) && file.writeLine(locations_[i]);
    }
    written = written && file.commit();
    file.close();
    if (!written || !files_.replace(newPath, path_)) {
        if (opened) files_.remove(newPath);
        return WriteResult::WriteFailed;
    }
    favoriteStamp = files_.readModStamp(path_);
    return WriteResult::Written;
}

void Favorites::forgetEntries() {
    titles_.clear();
    locations_.clear();
    readWhole_ = false;
    favoriteStamp.reset();
}

const std::string& Favorites::longestTitle() const {
    size_t longest = 0;
    for (size_t i = 1; i < titles_.size(); ++i) {
        if (titles_[i].size() > titles_[longest].size()) longest = i;
    }
    return titles_.empty() ? kNone : titles_[longest];
}

}  // namespace vokanti
