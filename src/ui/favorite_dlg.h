#pragma once
// The small dialog that asks for the title of a new favorite (template 136): one edit field
// bound to `title`. OK reads the field and ends with OK; Cancel, Escape and the close box end
// with Cancel and leave `title` as it was.
#include <string>

#include "ui/dialog.h"

namespace vokanti {

class CFavoriteDlg : public CDialog {
public:
    explicit CFavoriteDlg(Form& form) : CDialog(form) {}

    bool doDataExchange(bool save) override;

    std::string title;
};

}  // namespace vokanti
