#pragma once
// The native tests' one way into the main dialog's private state and operations: the same
// names as the dialog's own, forwarded.
#include "ui/vokanti_dlg.h"

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
    bool initDialog() { return d.initDialog(); }
    EventResult onEvent(const DialogEvent& e) { return d.onEvent(e); }
    void setHost(MainWindowHost* host) { d.setHost(host); }
    bool ended() const { return d.ended(); }
    int result() const { return d.result(); }
    void beginRun() { d.beginRun(); }

    // The operations: form and settings, job, histories, dictionaries, favorites.
    bool readForm() { return d.readForm(); }
    void writeForm() { d.writeForm(); }
    void loadSettings() { d.loadSettings(); }
    void saveSettings() { d.saveSettings(); }
    void applyIgnoreListRule() { d.applyIgnoreListRule(); }
    void applyNoDictPreset() { d.applyNoDictPreset(); }
    void reproposeIfOutputSet() { d.reproposeIfOutputSet(); }
    void proposeOutputName() { d.proposeOutputName(); }
    std::string buildCommandLine() { return d.buildCommandLine(); }
    void runJob() { d.runJob(); }
    bool resolveProgramDir() { return d.resolveProgramDir(); }
    void loadHistories() { d.loadHistories(); }
    bool recordInputHistory(const std::string& t) { return d.recordInputHistory(t); }
    bool recordOutputHistory(const std::string& t) { return d.recordOutputHistory(t); }
    void closeHistories() { d.closeHistories(); }
    void clearHistory() { d.clearHistory(); }
    void takeInputFromHistory() { d.takeInputFromHistory(); }
    void fillHistoryList() { d.fillHistoryList(); }
    void updateHorizontalExtent(int id) { d.updateHorizontalExtent(id); }
    bool loadDictionaryList() { return d.loadDictionaryList(); }
    void reloadDictionaryListIfChanged() { d.reloadDictionaryListIfChanged(); }
    void browseDictionary() { d.browseDictionary(); }
    void addTypedDictionary() { d.addTypedDictionary(); }
    void removeAddedDictionary() { d.removeAddedDictionary(); }
    void loadFavorites() { d.loadFavorites(); }
    void applyListTab() { d.applyListTab(); }
    void takeInputFromFavorite() { d.takeInputFromFavorite(); }
    void addFavorite() { d.addFavorite(); }
    void deleteSelectedFavorite() { d.deleteSelectedFavorite(); }
};

}  // namespace vokanti::testing
