#pragma once
// What the engine's exit code means to the user.
#include <cstdint>
#include <string>

namespace vokanti {

// The engine's process exit code: 0 to 15 have meanings, every other value is a failure.
using EngineResult = uint32_t;

// The text shown for `code`. Codes naming an env/ file show its relative name.
std::string resultMessage(EngineResult code);

}  // namespace vokanti
