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

    // Called before each write with its number (0 for the first write through this file
    // system); false makes that write fail without writing anything.
    std::function<bool(int)> onWrite;
    // Called before each replace; false makes it fail without touching either file.
    std::function<bool(const std::string& source, const std::string& target)> onReplace;
    // Called after each replace that succeeded.
    std::function<void()> afterReplace;

    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override {
        auto file = real_.open(path, mode);
        if (!file) return nullptr;
        return std::make_unique<File>(std::move(file), *this);
    }
    bool remove(const std::string& path) override { return real_.remove(path); }
    bool replace(const std::string& source, const std::string& target) override {
        if (onReplace && !onReplace(source, target)) return false;
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
        File(std::unique_ptr<RawFile> real, FaultyFileSystem& owner)
            : real_(std::move(real)), owner_(owner) {}
        long read(char* buffer, size_t size) override { return real_->read(buffer, size); }
        bool write(const char* data, size_t size) override {
            const int number = owner_.writes_++;
            if (owner_.onWrite && !owner_.onWrite(number)) return false;
            return real_->write(data, size);
        }
        bool seekToEnd() override { return real_->seekToEnd(); }

    private:
        std::unique_ptr<RawFile> real_;
        FaultyFileSystem& owner_;
    };

    FileSystem& real_;
    int writes_ = 0;
};

}  // namespace vokanti::testing
