// The program's entry point.
#include <windows.h>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/process_services_win32.h"
#include "ui/win32/vokanti_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vokanti::FileSystemWin32 files;
    vokanti::ProcessServicesWin32 process;
    vokanti::CVokantiApp app(files, process);
    app.initInstance();
    return 0;
}
