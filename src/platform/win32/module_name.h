#pragma once
// The running executable's path and name. The program's name is the executable's base
// name: message boxes carry it as their caption and the profile file is named after it.
#include <string>

namespace vokanti {

// Full path of the running executable, whatever its length.
std::string modulePath();

// The file name of `path` without its directories and without its last extension
// ("C:\Apps\ソフト\Vokanti.exe" gives "Vokanti"). Backslashes and slashes both separate;
// the second byte of a double-byte character is never taken for one.
std::string baseNameOf(const std::string& path);

// baseNameOf(modulePath()).
std::string applicationName();

}  // namespace vokanti
