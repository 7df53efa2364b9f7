#pragma once
// The small dialog that chooses the learner's known-words level: one radio button for no
// level and one for each level, with what each level holds beside it. OK ends it with the
// checked button's level in `level`; Cancel, Escape and the close box leave `level` as it was.
#include <cstdint>

#include "ui/dialog.h"

namespace vokanti {

class CKnownLevelDlg : public CDialog {
public:
    explicit CKnownLevelDlg(Form& form) : CDialog(form) {}

    bool doDataExchange(bool save) override;

    int32_t level = 0;  // 0: no level
};

}  // namespace vokanti
