#include "lists/dictionary_list.h"

#include "core/text.h"
#include "lists/list_file.h"

namespace vokanti {

DictionaryList::LoadResult DictionaryList::load(const std::string& path) {
    path_ = path;
    stamp_ = files_.modStamp(path);
    if (!stamp_) {
        entries_.clear();
        baseCount_ = 0;
        return LoadResult::Missing;
    }
    ListFile file(files_);
    std::vector<std::string> lines;
    if (!file.open(path, OpenMode::Read) || !file.readAll(lines)) {
        // Held by another program, or a read error: keep the list and forget the stamp,
        // so that the next drop-down reads the file again.
        stamp_.reset();
        return LoadResult::ReadFailed;
    }
    entries_ = std::move(lines);
    baseCount_ = entries_.size();
    return LoadResult::Loaded;
}

bool DictionaryList::changedOnDisk() const {
    const auto current = files_.modStamp(path_);
    return !current || current != stamp_;
}

bool DictionaryList::removeLastAdded() {
    if (addedCount() == 0) return false;
    entries_.pop_back();
    return true;
}

std::vector<std::string> DictionaryList::added() const {
    return std::vector<std::string>(entries_.begin() + static_cast<ptrdiff_t>(baseCount_),
                                    entries_.end());
}

int DictionaryList::findEqual(const std::string& text) const {
    return findEqualEntry(entries_, text);
}

int findEqualEntry(const std::vector<std::string>& entries, const std::string& text) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].size() == text.size() && equalsIgnoringCase(entries[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace vokanti
