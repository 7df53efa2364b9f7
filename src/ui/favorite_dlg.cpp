#include "ui/favorite_dlg.h"

#include "core/control_ids.h"

namespace vokanti {

bool CFavoriteDlg::doDataExchange(bool save) {
    if (save) {
        title = form_.text(IDC_FAVORITE_TITLE);
    } else {
        form_.setText(IDC_FAVORITE_TITLE, title);
    }
    return true;
}

}  // namespace vokanti
