#include "lists/history.h"

#include "core/text.h"

namespace vokanti {

namespace {
const std::string kNone;
}  // namespace

History::LoadResult History::load(const std::string& path) {
    path_ = path;
    entries_.clear();
    longest_ = 0;
    if (!file_.open(path, OpenMode::ReadWrite)) {
        return file_.open(path, OpenMode::Create) ? LoadResult::Created : LoadResult::Unavailable;
    }
    std::vector<std::string> entries;
    if (!file_.readAll(entries)) return LoadResult::ReadFailed;
    entries_ = std::move(entries);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].size() >= entries_[longest_].size()) longest_ = i;
    }
    return LoadResult::Loaded;
}

History::RecordResult History::record(const std::string& text) {
    RecordResult result = RecordResult::NotInFile;
    if (file_.canAppend()) {
        if (!file_.append(text)) return RecordResult::WriteFailed;
        result = RecordResult::Recorded;
    }
    entries_.push_back(text);
    if (entries_.size() == 1 || text.size() >= entries_[longest_].size()) {
        longest_ = entries_.size() - 1;
    }
    return result;
}

History::ClearResult History::clear() {
    FileSystem& files = file_.files();
    file_.close();
    entries_.clear();
    longest_ = 0;
    // A file that is already gone needs no removal.
    if (!files.remove(path_) && files.exists(path_)) {
        load(path_);
        return ClearResult::RemoveFailed;
    }
    return file_.open(path_, OpenMode::Create) ? ClearResult::Cleared : ClearResult::CreateFailed;
}

void History::forgetEntries() {
    entries_.clear();
    longest_ = 0;
}

std::vector<std::string> History::newestFirst() const {
    return std::vector<std::string>(entries_.rbegin(), entries_.rend());
}

int History::findEqual(const std::string& text) const {
    for (size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i].size() == text.size() && equalsIgnoringCase(entries_[i], text)) {
            return static_cast<int>(entries_.size() - 1 - i);
        }
    }
    return -1;
}

const std::string& History::longest() const {
    return entries_.empty() ? kNone : entries_[longest_];
}

}  // namespace vokanti
