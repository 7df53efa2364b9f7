// The job run, the engine run any command of the window goes through, batch start and the
// exit operation.
#include "core/command_line.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/result_message.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {

// The name the engine writes its output under until the output is complete.
constexpr char kEngineTemporarySuffix[] = ".vokan-tmp";

// Tells the window that the engine runs for as long as a step runs, however the step ends.
class EngineRunningWhile {
public:
    explicit EngineRunningWhile(MainWindowHost* host) : host_(host) {
        if (host_) host_->engineRunning(true);
    }
    ~EngineRunningWhile() {
        if (host_) host_->engineRunning(false);
    }
    EngineRunningWhile(const EngineRunningWhile&) = delete;
    EngineRunningWhile& operator=(const EngineRunningWhile&) = delete;

private:
    MainWindowHost* host_;
};

// Holds a flag set for as long as a step runs, however the step ends.
class FlagWhile {
public:
    explicit FlagWhile(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagWhile() { flag_ = false; }
    FlagWhile(const FlagWhile&) = delete;
    FlagWhile& operator=(const FlagWhile&) = delete;

private:
    bool& flag_;
};

}  // namespace

void CVokantiDlg::runJob() {
    const std::string commandLine = buildCommandLine();
    if (!commandLineFits(commandLine)) return;
    // A history line that cannot be written has been reported; the job stops there.
    if (!options.input.empty() && !recordInputHistory(options.input)) return;
    if (!options.output.empty() && !recordOutputHistory(options.output)) return;
    runEngine(commandLine, options.output);
}

bool CVokantiDlg::commandLineFits(const std::string& commandLine) {
    if (characterCount(commandLine) <= kMaxCommandLine) return true;
    platform_.prompts.resultBox(text::kCommandLineTooLong);
    return false;
}

ProcessRun CVokantiDlg::runEngine(const std::string& commandLine, const std::string& outputPath,
                                  const std::function<std::string(EngineResult)>& describe) {
    // The engine inherits the current directory and resolves relative paths against it.
    // Failing to set it leaves the directory the program already runs in, which is
    // ProgramDir unless a file dialog moved it; the run goes on either way.
    platform_.process.setCurrentDirectory(ProgramDir);
    ProcessRun run;
    {
        FlagWhile running(engineRunning_);
        EngineRunningWhile windowKnows(host_);
        run = platform_.process.runAndWait(commandLine);
    }
    switch (run.end) {
        case ProcessRun::End::NotStarted:
            platform_.prompts.resultBox(text::kEngineStartFailed);
            break;
        case ProcessRun::End::Stopped: {
            // The engine writes beside the output and moves its file into place only when it
            // is complete, so an output that existed is still whole; what it left is removed.
            if (!outputPath.empty()) {
                const std::string temporary = resolveIn(ProgramDir, outputPath) + kEngineTemporarySuffix;
                if (platform_.files.exists(temporary) && !platform_.files.remove(temporary)) {
                    reportFileError(text::kFileRemoveFailed, temporary);
                }
            }
            platform_.prompts.resultBox(text::kJobStopped);
            break;
        }
        case ProcessRun::End::Exited:
            platform_.prompts.resultBox(describe ? describe(run.exitCode) : resultMessage(run.exitCode));
            break;
    }
    return run;
}

void CVokantiDlg::askToStopEngine() {
    // A second Cancel while the question is open has nothing more to ask.
    if (stopQuestionOpen_) return;
    bool stop = false;
    {
        FlagWhile asking(stopQuestionOpen_);
        stop = platform_.prompts.askYesNo(text::kStopJobQuestion);
    }
    // An engine that ended while the user was asked is not stopped: its own end is shown.
    if (stop && engineRunning_) platform_.process.stopRunning();
}

void CVokantiDlg::batchStart(const std::string& argument) {
    options.input = normalizePath(argument);
    writeForm();
    loadSettings();
    // The job runs while the window is still being set up: show it, so that the user can
    // stop the job; the program ends after it all the same.
    if (host_) host_->showDuringInitialisation();
    runJob();
    exitDialog();
}

void CVokantiDlg::exitDialog() {
    closeHistories();
    endDialog(kResultCancel);
}

}  // namespace vokanti
