#pragma once
// Gives the windows a test creates the controls that Vokanti.exe gets from its manifest
// (version 6 of the common controls): the manifest is taken from the built program and
// activated on this thread for the life of the object.
#include <windows.h>

#include <string>

#include "win32/support/scratch_dir.h"

namespace vokanti::testing {

class ProgramControls {
public:
    ProgramControls() {
        const std::string program = hostPath(VOKANTI_EXE_PATH);
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = program.c_str();
        request.lpResourceName = MAKEINTRESOURCEA(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
        context_ = CreateActCtxA(&request);
        if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) cookie_ = 0;
    }
    ~ProgramControls() {
        if (cookie_) DeactivateActCtx(0, cookie_);
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }
    ProgramControls(const ProgramControls&) = delete;
    ProgramControls& operator=(const ProgramControls&) = delete;

    // False when the program's manifest could not be activated.
    bool active() const { return cookie_ != 0; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace vokanti::testing
