#include "ui/vokanti_dlg.h"

namespace vokanti {

CVokantiDlg::CVokantiDlg(Form& form, Platform& platform)
    : CDialog(form),
      inputHistory(platform.files),
      outputHistory(platform.files),
      platform_(platform) {}

// The history files close with their ListFile members when the dialog ends any other way
// than through the exit operation.
CVokantiDlg::~CVokantiDlg() = default;

}  // namespace vokanti
