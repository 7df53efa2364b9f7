#pragma once
// File services on POSIX, for the native tests. "Without sharing" is an exclusive flock()
// taken at open: a second open of the same file, in this process or another, fails while
// the first is open, and so does its removal.
#include "platform/file_system.h"

namespace vokanti {

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override;
    bool remove(const std::string& path) override;
    bool replace(const std::string& source, const std::string& target) override;
    bool exists(const std::string& path) override;
    std::optional<ModStamp> readModStamp(const std::string& path) override;
};

}  // namespace vokanti
