#pragma once
// The running process and the engine it starts, over the Win32 API.
#include <windows.h>

#include <atomic>

#include "platform/process_services.h"

namespace vokanti {

class ProcessServicesWin32 : public ProcessServices {
public:
    ProcessServicesWin32() = default;
    ProcessServicesWin32(const ProcessServicesWin32&) = delete;
    ProcessServicesWin32& operator=(const ProcessServicesWin32&) = delete;

    std::string moduleFileName() override;
    std::vector<std::string> arguments() override;
    bool setCurrentDirectory(const std::string& path) override;
    // While the program runs, the calling thread blocks on the process handle. It wakes only
    // to let sent messages through, to paint its windows and to look at user input: the
    // gestures that ask to stop (a click on a dialog's cancel button, the Escape key, the
    // close box, Alt+F4) are delivered, everything else is dropped. So the windows stay
    // painted, nothing else reacts to the user (no second job can start) and the processor
    // stays idle. The wait cursor is shown meanwhile. When the program ends while a stop
    // gesture is being handled (the user is being asked whether to stop), the question is
    // answered No on the user's behalf, so that the program's own end is shown at once.
    ProcessRun runAndWait(const std::string& commandLine) override;
    // Terminates the running program and waits (bounded) for its end.
    bool stopRunning() override;

private:
    // Run by the thread pool when the process has ended.
    static void CALLBACK onProgramEnded(void* self, BOOLEAN timedOut);
    void waitForEnd(HANDLE process);
    void serviceMessagesWhileWaiting(HCURSOR waitCursor);

    HANDLE running_ = nullptr;  // the process runAndWait() waits for
    bool stopped_ = false;      // stopRunning() ended it
    DWORD waitingThread_ = 0;   // the thread in runAndWait()
    std::atomic<bool> deliveringStop_{false};  // a stop gesture is being handled
};

}  // namespace vokanti
