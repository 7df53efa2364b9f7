#pragma once
// The program directory: where the executable lives, with forward slashes and a final "/".
// The engine and every env/ file are addressed from it, never from the current directory.
#include <string>

namespace vokanti {

// The directory part of the executable's full path, up to and including its last
// separator, with forward slashes. The whole directory is kept however long it is. Empty
// when the path names no directory.
std::string programDirOf(const std::string& moduleFileName);

}  // namespace vokanti
