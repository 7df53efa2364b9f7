#pragma once
// The native tests' one way into the main dialog's private state and operations: the same
// names as the dialog's own, forwarded.
#include <utility>

#include "ui/vokanti_dlg.h"

#define VOKANTI_FORWARD(name) \
    template <typename... A> decltype(auto) name(A&&... a) { return d.name(std::forward<A>(a)...); }

namespace vokanti::testing {

class DialogAccess {
public:
    explicit DialogAccess(CVokantiDlg& dialog)
        : d(dialog), options(d.options), ProgramDir(d.ProgramDir), EnginePath(d.EnginePath) {}

    CVokantiDlg& d;
    JobOptions& options;
    std::string &ProgramDir, &EnginePath;
    const DictionaryList& dictionaryList() const { return d.dictionaryList; }
    const Favorites& favorites() const { return d.favorites; }

    // The framework's slots and state.
    VOKANTI_FORWARD(initDialog) VOKANTI_FORWARD(onEvent) VOKANTI_FORWARD(setHost) VOKANTI_FORWARD(ended)
    VOKANTI_FORWARD(result) VOKANTI_FORWARD(beginRun)
    // The operations: form and settings, job, histories, dictionaries, favorites.
    VOKANTI_FORWARD(readForm) VOKANTI_FORWARD(writeForm) VOKANTI_FORWARD(loadSettings) VOKANTI_FORWARD(saveSettings)
    VOKANTI_FORWARD(applyIgnoreListRule) VOKANTI_FORWARD(applyNoDictPreset) VOKANTI_FORWARD(reproposeIfOutputSet)
    VOKANTI_FORWARD(proposeOutputName) VOKANTI_FORWARD(buildCommandLine) VOKANTI_FORWARD(runJob)
    VOKANTI_FORWARD(resolveProgramDir) VOKANTI_FORWARD(loadHistories) VOKANTI_FORWARD(recordInputHistory)
    VOKANTI_FORWARD(recordOutputHistory) VOKANTI_FORWARD(closeHistories) VOKANTI_FORWARD(clearHistory)
    VOKANTI_FORWARD(takeInputFromHistory) VOKANTI_FORWARD(fillHistoryList) VOKANTI_FORWARD(updateHorizontalExtent)
    VOKANTI_FORWARD(loadDictionaryList) VOKANTI_FORWARD(reloadDictionaryListIfChanged)
    VOKANTI_FORWARD(browseDictionary) VOKANTI_FORWARD(addTypedDictionary) VOKANTI_FORWARD(removeAddedDictionary)
    VOKANTI_FORWARD(loadFavorites) VOKANTI_FORWARD(applyListTab) VOKANTI_FORWARD(takeInputFromFavorite)
    VOKANTI_FORWARD(addFavorite) VOKANTI_FORWARD(deleteSelectedFavorite)
};

}  // namespace vokanti::testing

#undef VOKANTI_FORWARD
