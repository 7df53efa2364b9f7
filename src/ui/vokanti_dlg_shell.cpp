// Opening the input, the output, the env/ files and the help page through the desktop shell,
// the command viewer and the about box.
#include "core/messages.h"
#include "ui/home_page.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {
// The word processor that opens a file the shell has no program for.
constexpr char kFallbackEditor[] = "Wordpad.exe";
// The shell answers 32 or less when it did not open the file.
constexpr int kShellFailed = 32;
}  // namespace

void CVokantiDlg::shellOpenWithFallback(const std::string& path) {
    platform_.process.setCurrentDirectory(ProgramDir);
    if (platform_.shell.open(path, "", ProgramDir) > kShellFailed) return;
    // Quoted, so that a path with a space opens that file and not a shorter one.
    platform_.shell.open(kFallbackEditor, "\"" + path + "\"", ProgramDir);
}

void CVokantiDlg::openInput() {
    readForm();
    if (options.input.empty()) return;
    // No fallback: a URL or document the shell cannot open has nothing else to go to.
    platform_.shell.open(options.input, "", "");
}

void CVokantiDlg::openOutput() {
    readForm();
    if (options.output.empty()) return;
    shellOpenWithFallback(options.output);
}

void CVokantiDlg::editEnvFile(const char* relativeName) {
    shellOpenWithFallback(envPath(relativeName));
}

void CVokantiDlg::openOnlineHelp() { platform_.shell.open(VOKANTI_HOME_PAGE, "", ""); }

void CVokantiDlg::showCommand() {
    platform_.prompts.showText(text::kCommandCaption, buildCommandLine());
}

void CVokantiDlg::showAbout() { platform_.prompts.about(); }

}  // namespace vokanti
