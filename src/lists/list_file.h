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

#include "platform/file_system.h"

namespace vokanti {

class ListFile {
public:
    explicit ListFile(FileSystem& files);
    ~ListFile();
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    // Opens `path` (closing any file open before); false when the open failed.
    bool open(const std::string& path, OpenMode mode);
    bool isOpen() const;
    const std::string& path() const { return path_; }
    // The next entry; false once the end is reached with nothing read (or on a read error).
    bool readLine(std::string& line);
    // Writes `text` and CR LF straight to the operating system; false when it failed or
    // when no file is open.
    bool writeLine(const std::string& text);
    // Places the next write at the end of the file's entries. When reading stopped at a
    // 0x1A byte, that byte and whatever follows it are cut off first: lines written after
    // it could never be read back.
    bool seekToEnd();
    // Does nothing when no file is open.
    void close();

private:
    bool fill();

    FileSystem& files_;
    std::unique_ptr<RawFile> file_;
    std::string path_;
    std::string buffer_;
    size_t pos_ = 0;
    uint64_t bufferStart_ = 0;           // file offset of buffer_[0]
    std::optional<uint64_t> endMarker_;  // file offset of the 0x1A that ended reading
    bool ended_ = false;                 // end of file, or the 0x1A that ends it
};

}  // namespace vokanti
