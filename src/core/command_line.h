#pragma once
// The engine's command line: the engine's path, then one argument per option that applies,
// each introduced by one space.
#include <cstddef>
#include <string>
#include <vector>

#include "core/job_options.h"
#include "core/switches.h"

namespace vokanti {

// The longest command line the platform can start a process with, in characters.
inline constexpr size_t kMaxCommandLine = 32767;

// The bounds the engine accepts for the numbers it is given.
inline constexpr int32_t kMaxIgnoreLong = 1024;
inline constexpr int32_t kMaxCutLength = 1021;

// Builds the command line that runs `enginePath` on the job. The numbers the engine gets
// are first brought into its bounds and the bounded values are written back into
// `options`: without noIgnore, ignoreShort at least 0 and ignoreLong at most 1024; with
// cut, cutLength from 0 to 1021. `addedDictionaries` travel as -d arguments, in order.
// An engine path containing a space is put between double quotes.
std::string engineCommandLine(const std::string& enginePath, const Switches& switches,
                              JobOptions& options,
                              const std::vector<std::string>& addedDictionaries);

}  // namespace vokanti
