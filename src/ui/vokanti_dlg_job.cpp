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
    if (characterCount(commandLine) > kMaxCommandLine) {
        platform_.prompts.resultBox(text::kCommandLineTooLong);
        return;
    }
    // A history line that cannot be written has been reported; the job stops there.
    if (!options.input.empty() && !recordInputHistory(options.input)) return;
    if (!options.output.empty() && !recordOutputHistory(options.output)) return;
    // The engine inherits the current directory and resolves relative paths against it.
    // Failing to set it leaves the directory the program already runs in, which is
    // ProgramDir unless a file dialog moved it; the job goes on either way.
    platform_.process.setCurrentDirectory(ProgramDir);
    const std::optional<uint32_t> code = platform_.process.runAndWait(commandLine);
    if (!code) {
        platform_.prompts.resultBox(text::kEngineStartFailed);
        return;
    }
    platform_.prompts.resultBox(resultMessage(*code));
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
