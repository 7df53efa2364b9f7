#include "lists/program_dir.h"

#include "core/paths.h"

namespace vokanti {

std::string programDirOf(const std::string& moduleFileName) {
    const std::string path = normalizePath(moduleFileName);
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace vokanti
