#pragma once
// File services over the Win32 API. Every open uses share mode 0, so while a file is open
// every other open of it, in this process or another, fails with a sharing violation.
// Reads and writes go straight to the operating system; nothing is buffered here.
#include "platform/file_system.h"

namespace vokanti {

class FileSystemWin32 : public FileSystem {
public:
    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override;
    bool remove(const std::string& path) override;
    bool replace(const std::string& source, const std::string& target) override;
    bool exists(const std::string& path) override;
    std::optional<ModStamp> readModStamp(const std::string& path) override;
};

}  // namespace vokanti
