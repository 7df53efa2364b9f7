#pragma once
// The program's name: the executable's base name ("Vokanti"). Message boxes carry it as
// their caption and the profile file is named after it.
#include <string>

namespace vokanti {

std::string applicationName();

}  // namespace vokanti
