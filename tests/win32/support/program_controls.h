#pragma once
// Gives the windows a test creates the controls that Vokanti.exe gets from its manifest
// (version 6 of the common controls): the manifest is taken from the built program and
// activated on this thread for the life of the object.
#include <windows.h>

namespace vokanti::testing {

class ProgramControls {
public:
    ProgramControls();
    ~ProgramControls();
    ProgramControls(const ProgramControls&) = delete;
    ProgramControls& operator=(const ProgramControls&) = delete;

    // False when the program's manifest could not be activated.
    bool active() const { return cookie_ != 0; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace vokanti::testing
