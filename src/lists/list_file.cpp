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
    if (mode == OpenMode::Create) end_ = 0;
    return true;
}

bool ListFile::readAll(std::vector<std::string>& entries) {
    if (!file_) return false;
    std::string content;
    bool marker = false;
    for (;;) {
        const size_t old = content.size();
        content.resize(old + kChunk);
        const long n = file_->read(&content[old], kChunk);
        if (n < 0) {
            end_.reset();
            return false;
        }
        content.resize(old + static_cast<size_t>(n));
        if (n == 0) break;
        // Nothing after a 0x1A byte belongs to the file.
        const size_t eof = content.find(kEndOfFile, old);
        if (eof != std::string::npos) {
            content.resize(eof);
            marker = true;
            break;
        }
    }

    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        const size_t lf = content.find('\n', start);
        if (lf == std::string::npos) {
            lines.emplace_back(content, start);  // an unterminated last line is an entry
            break;
        }
        size_t end = lf;
        if (end > start && content[end - 1] == '\r') --end;
        lines.emplace_back(content, start, end - start);
        start = lf + 1;
    }
    entries = std::move(lines);
    end_ = content.size();
    tail_ = marker;
    terminated_ = content.empty() || content.back() == '\n';
    return true;
}

bool ListFile::append(const std::string& text) {
    if (!canAppend()) return false;
    const uint64_t end = *end_;
    if (tail_) {
        if (!file_->truncate(end)) {
            end_.reset();
            return false;
        }
        tail_ = false;
    } else if (file_->seekToEnd() != end) {
        // The file is not what was read: where its entries end is no longer known.
        end_.reset();
        return false;
    }

    std::string record;
    record.reserve(text.size() + 4);
    if (!terminated_) record.append("\r\n");
    record.append(text).append("\r\n");
    if (!file_->write(record.data(), record.size())) {
        // A part of the record may be in the file: cut it off, or append nothing more.
        if (!file_->truncate(end)) end_.reset();
        return false;
    }
    end_ = end + record.size();
    terminated_ = true;
    return true;
}

bool ListFile::writeLine(const std::string& text) {
    if (!file_) return false;
    std::string record;
    record.reserve(text.size() + 2);
    record.append(text).append("\r\n");
    return file_->write(record.data(), record.size());
}

bool ListFile::commit() {
    if (!file_) return false;
    const bool flushed = file_->flush();
    const bool closed = file_->close();
    close();
    return flushed && closed;
}

void ListFile::close() {
    if (file_) file_->close();
    file_.reset();
    path_.clear();
    end_.reset();
    tail_ = false;
    terminated_ = true;
}

}  // namespace vokanti
