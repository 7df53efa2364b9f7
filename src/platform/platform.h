#pragma once
// The operating-system seam, as one bundle handed to the dialog logic.
#include "platform/file_system.h"
#include "platform/process_services.h"
#include "platform/profile_store.h"
#include "platform/prompts.h"
#include "platform/shell_services.h"

namespace vokanti {

struct Platform {
    ProfileStore& profile;
    FileSystem& files;
    ProcessServices& process;
    ShellServices& shell;
    Prompts& prompts;
};

}  // namespace vokanti
