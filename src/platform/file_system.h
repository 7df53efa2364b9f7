#pragma once
// The file services of the list files: raw access that is never shared, removal, existence
// and last-write stamps. Win32 implements them with the platform's share modes; the POSIX
// implementation (native tests) with an exclusive lock, so a second open fails in both.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vokanti {

enum class OpenMode {
    Read,       // read; fails when the file is missing
    ReadWrite,  // read and write, content kept; fails when the file is missing
    Create,     // read and write; created when missing, emptied when present
};

// Last-write time in whole seconds. Stamps are only compared for inequality.
using ModStamp = int64_t;

// An open file. Writes go straight to the operating system (no buffering in our process).
class RawFile {
public:
    virtual ~RawFile() = default;
    // Reads up to `size` bytes; returns the count read, 0 at the end, -1 on an error.
    virtual long read(char* buffer, size_t size) = 0;
    // Writes all bytes; false when not all of them were written (some may have been).
    virtual bool write(const char* data, size_t size) = 0;
    // Places the position at the end; the file's size, absent when that failed.
    virtual std::optional<uint64_t> seekToEnd() = 0;
    // Cuts the file to its first `size` bytes and places the position at the new end;
    // false when the file was left as it was.
    virtual bool truncate(uint64_t size) = 0;
    // Waits until everything written is on the disk; false when the system reports a failure.
    virtual bool flush() = 0;
    // Closes the file (a second call does nothing); false when the system reported a
    // failure, which may mean that written data was lost.
    virtual bool close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Opens without sharing; null when the open fails (missing file, held by another opener).
    virtual std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) = 0;
    // Removes a file; false when it could not be removed (missing, locked, read-only).
    virtual bool remove(const std::string& path) = 0;
    // Puts `source` in place of `target` in one step (the target may exist).
    virtual bool replace(const std::string& source, const std::string& target) = 0;
    virtual bool exists(const std::string& path) = 0;
    // The file's last-write time; absent when the file does not exist.
    virtual std::optional<ModStamp> readModStamp(const std::string& path) = 0;
};

}  // namespace vokanti
