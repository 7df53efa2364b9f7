#pragma once
// A text file of lines under env/, and the object through which it is read and written.
// Writing an entry writes its text and CR LF. Reading: a line ends at LF, a CR right before
// that LF is dropped with it, a lone CR is text, an unterminated last line is an entry, an
// empty line is an empty entry, and a byte 0x1A ends the file. Bytes are kept as they are.
// The file is always opened without sharing.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vokanti {

class ListFile {
public:
    explicit ListFile(FileSystem& files);
    ~ListFile();
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    // Opens `path` (closing any file open before); false when the open failed. A file
    // opened with Create is empty, so records can be appended at once; a file opened
    // otherwise takes appends only after readAll() has found where its entries end.
    bool open(const std::string& path, OpenMode mode);
    bool isOpen() const { return file_ != nullptr; }
    FileSystem& files() const { return files_; }
    const std::string& path() const { return path_; }

    // Reads every entry from the start of a file just opened. False on a read error:
    // `entries` is then left as it was, and nothing can be appended to the file, whose end
    // is unknown.
    bool readAll(std::vector<std::string>& entries);

    // True while the end of the file's entries is known, so a record can be appended.
    bool canAppend() const { return file_ && end_.has_value(); }
    // Appends one record after the last entry: a 0x1A byte and whatever follows it are cut
    // off first (lines behind it could never be read back), and a last line without a line
    // end gets one, so the record stays a line of its own. A record that could not be
    // written whole is cut off again, leaving the file as it was. False when the record is
    // not in the file; when even the cut failed, nothing more is appended (canAppend()).
    bool append(const std::string& text);

    // Writes `text` and CR LF at the current position of a file being written whole.
    bool writeLine(const std::string& text);
    // Puts what was written on the disk and closes the file; false when either failed.
    bool commit();
    // Closes the file, if one is open.
    void close();

private:
    FileSystem& files_;
    std::unique_ptr<RawFile> file_;
    std::string path_;
    std::optional<uint64_t> end_;  // where the entries end: a record goes here
    bool tail_ = false;            // bytes after end_ (a 0x1A and what followed it)
    bool terminated_ = true;       // the last entry has its line end (or there is none)
};

}  // namespace vokanti
