#include "lists/list_file.h"

namespace vokanti {

namespace {
constexpr size_t kChunk = 64 * 1024;
constexpr char kEndOfFile = '\x1A';
}  // namespace

ListFile::ListFile(FileSystem& files) : files_(files) {}

ListFile::~ListFile() { close(); }

bool ListFile::open(const std::string& path, OpenMode mode) {
    close();
    file_ = files_.open(path, mode);
    if (!file_) return false;
    path_ = path;
    return true;
}

bool ListFile::isOpen() const { return file_ != nullptr; }

bool ListFile::fill() {
    if (ended_ || !file_) return false;
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        bufferStart_ += pos_;
        pos_ = 0;
    }
    const size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    const long n = file_->read(&buffer_[old], kChunk);
    buffer_.resize(old + (n > 0 ? static_cast<size_t>(n) : 0));
    if (n <= 0) {
        ended_ = true;
        return false;
    }
    // Nothing after a 0x1A byte belongs to the file.
    const auto eof = buffer_.find(kEndOfFile, old);
    if (eof != std::string::npos) {
        endMarker_ = bufferStart_ + eof;
        buffer_.resize(eof);
        ended_ = true;
    }
    return true;
}

bool ListFile::readLine(std::string& line) {
    if (!file_) return false;
    size_t scanFrom = pos_;
    for (;;) {
        const auto lf = buffer_.find('\n', scanFrom);
        if (lf != std::string::npos) {
            size_t end = lf;
            if (end > pos_ && buffer_[end - 1] == '\r') --end;
            line.assign(buffer_, pos_, end - pos_);
            pos_ = lf + 1;
            return true;
        }
        scanFrom = buffer_.size() - pos_;  // relative: fill() moves the unread text to 0
        if (!fill()) break;
    }
    if (pos_ >= buffer_.size()) return false;
    // An unterminated last line is still an entry.
    line.assign(buffer_, pos_, std::string::npos);
    pos_ = buffer_.size();
    return true;
}

bool ListFile::writeLine(const std::string& text) {
    if (!file_) return false;
    std::string record;
    record.reserve(text.size() + 2);
    record.append(text).append("\r\n");
    return file_->write(record.data(), record.size());
}

bool ListFile::seekToEnd() {
    if (!file_) return false;
    buffer_.clear();
    pos_ = 0;
    ended_ = true;
    if (endMarker_) {
        const uint64_t marker = *endMarker_;
        endMarker_.reset();
        if (file_->truncate(marker)) return true;
    }
    return file_->seekToEnd();
}

void ListFile::close() {
    file_.reset();
    path_.clear();
    buffer_.clear();
    pos_ = 0;
    bufferStart_ = 0;
    endMarker_.reset();
    ended_ = false;
}

}  // namespace vokanti
