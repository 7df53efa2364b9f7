#pragma once
// The application object: the program's start-up around its one main dialog.
#include "platform/file_system.h"
#include "platform/process_services.h"

namespace vokanti {

class CVokantiApp {
public:
    // The file and process services the program runs on.
    CVokantiApp(FileSystem& files, ProcessServices& process) : files_(files), process_(process) {}

    // Start-up: common controls, the Win32 services, the main dialog on its template run
    // modally. False: no message loop follows, so the program ends.
    bool initInstance();

private:
    FileSystem& files_;
    ProcessServices& process_;
};

}  // namespace vokanti
