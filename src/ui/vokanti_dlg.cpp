#include "ui/vokanti_dlg.h"

namespace vokanti {

CVokantiDlg::CVokantiDlg(Form& form, Platform& platform)
    : CDialog(form),
      platform_(platform),
      inputHistory(platform.files),
      outputHistory(platform.files),
      dictionaryList(platform.files),
      favorites(platform.files) {}

// The history files close with their models when the dialog ends any other way than
// through the exit operation.
CVokantiDlg::~CVokantiDlg() = default;

}  // namespace vokanti
