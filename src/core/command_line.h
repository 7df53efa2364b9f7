#pragma once
// The engine's command line: the engine's path, then one argument per option that applies,
// each introduced by one space.
#include <cstddef>
#include <string>
#include <vector>

#include "core/job_options.h"
#include "core/switches.h"

namespace vokanti {

// The longest command line the platform can start a process with, in characters, the
// terminating NUL not counted.
inline constexpr size_t kMaxCommandLine = 32766;

// The bounds the engine accepts for the numbers it is given.
inline constexpr int32_t kMaxIgnoreLong = 1024;
inline constexpr int32_t kMaxCutLength = 1021;

// Brings the numbers the engine is given into its bounds, in `options`: without noIgnore,
// ignoreShort at least 0 and ignoreLong at most 1024; with cut, cutLength from 0 to 1021.
void clampForEngine(const Switches& switches, JobOptions& options);

// The command line that runs `enginePath` on the job, numbers as `options` holds them. A
// known-words level travels as -k only without noIgnore.
// `addedDictionaries` travel as -d arguments, in order. An engine path containing a space
// is put between double quotes.
std::string engineCommandLine(const std::string& enginePath, const Switches& switches,
                              const JobOptions& options,
                              const std::vector<std::string>& addedDictionaries);

// The command line that has `enginePath` add the headwords of `list` (a list the engine
// wrote) to the learner's known words.
std::string knownWordsCommandLine(const std::string& enginePath, const std::string& list);

}  // namespace vokanti
