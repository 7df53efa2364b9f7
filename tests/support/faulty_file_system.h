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

    // Called before each write with the file's path; false fails it without writing.
    std::function<bool(const std::string& path)> onWrite;
    // Called before each replace; false fails it without touching either file.
    std::function<bool()> onReplace;
    // Called after each replace that succeeded.
    std::function<void()> afterReplace;

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
    std::optional<ModStamp> modStamp(const std::string& path) override {
        return real_.modStamp(path);
    }

private:
    class File : public RawFile {
    public:
        File(std::unique_ptr<RawFile> real, FaultyFileSystem& owner, std::string path)
            : real_(std::move(real)), owner_(owner), path_(std::move(path)) {}
        long read(char* buffer, size_t size) override { return real_->read(buffer, size); }
        bool write(const char* data, size_t size) override {
            return (!owner_.onWrite || owner_.onWrite(path_)) && real_->write(data, size);
        }
        bool seekToEnd() override { return real_->seekToEnd(); }
        bool truncate(uint64_t size) override { return real_->truncate(size); }

    private:
        std::unique_ptr<RawFile> real_;
        FaultyFileSystem& owner_;
        std::string path_;
    };

    FileSystem& real_;
};

}  // namespace vokanti::testing
