#pragma once
// A FileSystem decorator for fault injection: it forwards to a real file system and lets a
// test fail any read, write, truncate, flush, close, remove or replace it chooses. Each
// hook is asked before the operation with the file's path; false fails the operation. A
// failed write first writes `shortWriteBytes` of its bytes, as a full disk does.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace vokanti::testing {

class FaultyFileSystem : public FileSystem {
public:
    using Hook = std::function<bool(const std::string& path)>;
    explicit FaultyFileSystem(FileSystem& real) : real_(real) {}

    Hook onRead, onWrite, onTruncate, onFlush, onClose, onRemove;
    std::function<bool()> onReplace;
    std::function<void()> afterReplace;  // after a replace that succeeded
    size_t shortWriteBytes = 0;

    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override {
        auto file = real_.open(path, mode);
        return file ? std::make_unique<File>(std::move(file), *this, path) : nullptr;
    }
    bool remove(const std::string& path) override { return allowed(onRemove, path) && real_.remove(path); }
    bool replace(const std::string& source, const std::string& target) override {
        const bool done = (!onReplace || onReplace()) && real_.replace(source, target);
        if (done && afterReplace) afterReplace();
        return done;
    }
    bool exists(const std::string& path) override { return real_.exists(path); }
    std::optional<ModStamp> readModStamp(const std::string& path) override { return real_.readModStamp(path); }

private:
    static bool allowed(const Hook& hook, const std::string& path) { return !hook || hook(path); }

    struct File : RawFile {
        File(std::unique_ptr<RawFile> real, FaultyFileSystem& owner, std::string path)
            : real(std::move(real)), owner(owner), path(std::move(path)) {}
        long read(char* buffer, size_t size) override { return allowed(owner.onRead, path) ? real->read(buffer, size) : -1; }
        bool write(const char* data, size_t size) override {
            if (allowed(owner.onWrite, path)) return real->write(data, size);
            return real->write(data, std::min(size, owner.shortWriteBytes)), false;
        }
        std::optional<uint64_t> seekToEnd() override { return real->seekToEnd(); }
        bool truncate(uint64_t size) override { return allowed(owner.onTruncate, path) && real->truncate(size); }
        bool flush() override { return allowed(owner.onFlush, path) && real->flush(); }
        bool close() override {
            const bool closed = real->close();
            return allowed(owner.onClose, path) && closed;
        }

        std::unique_ptr<RawFile> real;
        FaultyFileSystem& owner;
        std::string path;
    };

    FileSystem& real_;
};

}  // namespace vokanti::testing
