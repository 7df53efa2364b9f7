#pragma once
// The about box (template 100): the program's version, home page and rights notice, closed
// with OK, Enter, Escape or the close box. It holds nothing and exchanges nothing.
#include "ui/dialog.h"

namespace vokanti {

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(Form& form);

    bool doDataExchange(bool save) override;
};

}  // namespace vokanti
