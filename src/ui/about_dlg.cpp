#include "ui/about_dlg.h"

namespace vokanti {

CAboutDlg::CAboutDlg(Form& form) : CDialog(form) {}

// The box has no fields: every exchange succeeds at once.
bool CAboutDlg::doDataExchange(bool) { return true; }

}  // namespace vokanti
