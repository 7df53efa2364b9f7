#include "ui/known_level_dlg.h"

#include "core/control_ids.h"
#include "core/job_options.h"

namespace vokanti {

namespace {
// The radio buttons by level: no level first.
constexpr int kButtons[kMaxKnownLevel + 1] = {IDC_LEVEL_NONE, IDC_LEVEL_1, IDC_LEVEL_2, IDC_LEVEL_3};
}  // namespace

bool CKnownLevelDlg::doDataExchange(bool save) {
    if (save) {
        for (int32_t l = 0; l <= kMaxKnownLevel; ++l) {
            if (form_.checked(kButtons[l])) level = l;
        }
        return true;
    }
    const int32_t shown = validKnownLevel(level);
    for (int32_t l = 0; l <= kMaxKnownLevel; ++l) form_.setChecked(kButtons[l], l == shown);
    return true;
}

}  // namespace vokanti
