// The job run, batch start and the exit operation.
#include "core/command_line.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/result_message.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

void CVokantiDlg::runJob() {
    const std::string commandLine = buildCommandLine();
    if (!commandLineFits(commandLine)) return;
    // A history line that cannot be written has been reported; the job stops there.
    if (!options.input.empty() && !recordInputHistory(options.input)) return;
    if (!options.output.empty() && !recordOutputHistory(options.output)) return;
    if (const std::optional<uint32_t> code = runEngine(commandLine)) {
        platform_.prompts.resultBox(resultMessage(*code));
    }
}

bool CVokantiDlg::commandLineFits(const std::string& commandLine) {
    if (characterCount(commandLine) <= kMaxCommandLine) return true;
    platform_.prompts.resultBox(text::kCommandLineTooLong);
    return false;
}

std::optional<uint32_t> CVokantiDlg::runEngine(const std::string& commandLine) {
    // The engine inherits the current directory and resolves relative paths against it.
    // Failing to set it leaves the directory the program already runs in, which is
    // ProgramDir unless a file dialog moved it; the run goes on either way.
    platform_.process.setCurrentDirectory(ProgramDir);
    const std::optional<uint32_t> code = platform_.process.runAndWait(commandLine);
    if (!code) platform_.prompts.resultBox(text::kEngineStartFailed);
    return code;
}

void CVokantiDlg::batchStart(const std::string& argument) {
    options.input = normalizePath(argument);
    writeForm();
    loadSettings();
    runJob();
    exitDialog();
}

void CVokantiDlg::exitDialog() {
    closeHistories();
    endDialog(kResultCancel);
}

}  // namespace vokanti
