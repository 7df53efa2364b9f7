// vokan: turns an English document into a vocabulary list. Quiet on success; on failure
// one line on stderr, in English, naming the problem; the exit code tells the window which.
#include "engine/exit_codes.h"
#include "engine/job.h"
#include "engine/program_dir.h"

#include <exception>

int main(int argc, char** argv) {
    try {
        const std::string programDir = vokan::programDirectory();
        if (programDir.empty()) {
            vokan::writeErrorLine("vokan: cannot find the program's own folder");
            return vokan::kExitInternal;
        }
        vokan::JobOutcome outcome = vokan::runJob(vokan::programArguments(argc, argv), programDir);
        if (outcome.exitCode != vokan::kExitOk)
            vokan::writeErrorLine("vokan: " + outcome.message);
        return outcome.exitCode;
    } catch (...) {
        // Nothing may escape as a crash; even a failure to build the message ends here.
        return vokan::kExitInternal;
    }
}
