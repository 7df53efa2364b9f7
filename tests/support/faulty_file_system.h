#pragma once
// A FileSystem decorator for fault injection: it forwards to a real file system and lets a
// test fail (or interrupt) a chosen write or replace.
#include <functional>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace vokanti::testing {

class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(FileSystem& real) : real_(real) {}

    std::function<bool(const std::string& path)> onWrite;  // before a write; false fails it
    std::function<bool()> onReplace;                       // before a replace; false fails it
    std::function<void()> afterReplace;                    // after a replace that succeeded

    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override {
        auto file = real_.open(path, mode);
        return file ? std::make_unique<File>(std::move(file), *this, path) : nullptr;
    }
    bool remove(const std::string& path) override { return real_.remove(path); }
    bool replace(const std::string& source, const std::string& target) override {
        if (onReplace && !onReplace()) return false;
        const bool done = real_.replace(source, target);
        if (done && afterReplace) afterReplace();
        return done;
    }
    bool exists(const std::string& path) override { return real_.exists(path); }
    std::optional<ModStamp> modStamp(const std::string& path) override { return real_.modStamp(path); }

private:
    struct File : RawFile {
        File(std::unique_ptr<RawFile> real, FaultyFileSystem& owner, std::string path)
            : real(std::move(real)), owner(owner), path(std::move(path)) {}
        long read(char* buffer, size_t size) override { return real->read(buffer, size); }
        bool write(const char* data, size_t size) override {
            return (!owner.onWrite || owner.onWrite(path)) && real->write(data, size);
        }
        bool seekToEnd() override { return real->seekToEnd(); }
        bool truncate(uint64_t size) override { return real->truncate(size); }

        std::unique_ptr<RawFile> real;
        FaultyFileSystem& owner;
        std::string path;
    };

    FileSystem& real_;
};

}  // namespace vokanti::testing
