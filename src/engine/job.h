#pragma once
// One run of the engine: from the command line to the output file and an exit code.
#include <string>
#include <vector>

namespace vokan {

struct JobOutcome {
    int exitCode = 0;
    std::string message;  // in English, naming the problem, when exitCode != 0
};

// Runs the job the arguments describe, with env/ below `programDir`. Relative -i, -o and
// -d paths are taken against the current directory. Never throws: out of memory and
// every other unexpected failure become the internal-error code.
JobOutcome runJob(const std::vector<std::string>& args, const std::string& programDir);

}  // namespace vokan
