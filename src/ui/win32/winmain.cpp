// The program's entry point.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "platform/file_system.h"
#include "platform/process_services.h"
#include "platform/win32/module_name.h"
#include "ui/win32/vokanti_app.h"

namespace {

// TEMPORARY stand-ins until the Win32 file system and process services are merged: no file
// can be opened and the engine cannot be started. Nothing of the program uses them yet.
class FileSystemStandIn : public vokanti::FileSystem {
public:
    std::unique_ptr<vokanti::RawFile> open(const std::string&, vokanti::OpenMode) override { return nullptr; }
    bool remove(const std::string&) override { return false; }
    bool replace(const std::string&, const std::string&) override { return false; }
    bool exists(const std::string&) override { return false; }
    std::optional<vokanti::ModStamp> modStamp(const std::string&) override { return std::nullopt; }
};

class ProcessServicesStandIn : public vokanti::ProcessServices {
public:
    std::string moduleFileName() override { return vokanti::modulePath(); }
    std::vector<std::string> arguments() override {
        std::vector<std::string> args;
        for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
        return args;
    }
    bool setCurrentDirectory(const std::string& path) override {
        return SetCurrentDirectoryA(path.c_str()) != FALSE;
    }
    std::optional<uint32_t> runAndWait(const std::string&) override { return std::nullopt; }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    FileSystemStandIn files;
    ProcessServicesStandIn process;
    vokanti::CVokantiApp app(files, process);
    app.initInstance();
    return 0;
}
