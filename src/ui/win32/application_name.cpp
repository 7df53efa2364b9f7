#include "ui/win32/application_name.h"

#include "core/paths.h"
#include "platform/win32/process_services_win32.h"

namespace vokanti {

std::string applicationName() { return fileBaseName(ProcessServicesWin32().moduleFileName()); }

}  // namespace vokanti
