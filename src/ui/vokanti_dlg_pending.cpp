// TEMPORARY scaffolding while the dialog's operations are written in parallel: every
// member not yet implemented has an empty body here so that the program and the tests
// link. Whoever implements a member deletes its line here. This file is deleted once
// it is empty; it must not survive into a release.
#include "ui/vokanti_dlg.h"

namespace vokanti {

// ---- settings (vokanti_dlg_settings.cpp)

// ---- job (vokanti_dlg_job.cpp)

// ---- history (vokanti_dlg_history.cpp)

// ---- dictionary (vokanti_dlg_dictionary.cpp)

// ---- favorites (vokanti_dlg_favorites.cpp)

// ---- routing (vokanti_dlg_routing.cpp)
bool CVokantiDlg::preTranslate(const QueuedMessage&) { return false; }
bool CVokantiDlg::initDialog() { return true; }
void CVokantiDlg::onOK() {}
void CVokantiDlg::onCancel() { endDialog(kResultCancel); }
EventResult CVokantiDlg::onEvent(const DialogEvent& event) { return CDialog::onEvent(event); }
const std::vector<MessageMapEntry>& CVokantiDlg::messageMap() { static const std::vector<MessageMapEntry> map; return map; }
void CVokantiDlg::takeInputFromCombo() {}
void CVokantiDlg::chooseInputFile() {}
void CVokantiDlg::chooseOutputFile() {}
void CVokantiDlg::showContextMenu(int, int) {}
void CVokantiDlg::refreshForm() {}

// ---- shell (vokanti_dlg_shell.cpp)
void CVokantiDlg::openInput() {}
void CVokantiDlg::openOutput() {}
void CVokantiDlg::editEnvFile(const std::string&) {}
void CVokantiDlg::openOnlineHelp() {}
void CVokantiDlg::showCommand() {}
void CVokantiDlg::showAbout() {}
void CVokantiDlg::shellOpenWithFallback(const std::string&) {}

}  // namespace vokanti
