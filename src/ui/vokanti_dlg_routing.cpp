// The main dialog's start-up, its message map, the pre-translation of queued messages, and
// the operations that exist only as reactions to events.
#include <string>

#include "core/control_ids.h"
#include "core/env_files.h"
#include "core/messages.h"
#include "core/paths.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {

// Adapts an operation without arguments to a message-map handler.
template <void (CVokantiDlg::*operation)()>
EventResult call(CVokantiDlg& dlg, const DialogEvent&) {
    (dlg.*operation)();
    return {true, 0};
}

// Adapts an operation taking one fixed text (an env/ file name) to a message-map handler.
template <void (CVokantiDlg::*operation)(const char*), const char* argument>
EventResult callWith(CVokantiDlg& dlg, const DialogEvent&) {
    (dlg.*operation)(argument);
    return {true, 0};
}

}  // namespace

const std::vector<MessageMapEntry>& CVokantiDlg::messageMap() {
    using D = CVokantiDlg;
    using E = DialogEvent;
    constexpr auto Cmd = EventKind::Command;
    static const std::vector<MessageMapEntry> map = {
        {EventKind::SysCommand, 0, 0,
         [](D& d, const E& e) -> EventResult {
             if ((e.sysCommand & 0xFFF0u) != IDM_ABOUTBOX) return {};  // the platform's own
             d.showAbout();
             return {true, 0};
         }},
        {EventKind::Paint, 0, 0, [](D& d, const E&) { return d.onPaint(); }},
        {EventKind::QueryDragIcon, 0, 0, [](D& d, const E&) { return d.onQueryDragIcon(); }},
        {Cmd, kClicked, IDC_NO_IGNORE, call<&D::applyIgnoreListRule>},
        {Cmd, kClicked, IDC_BROWSE_INPUT, call<&D::chooseInputFile>},
        {Cmd, kClicked, IDC_BROWSE_OUTPUT, call<&D::chooseOutputFile>},
        {Cmd, kClicked, IDC_SAME_DIR, call<&D::proposeOutputName>},
        {Cmd, kClicked, IDC_QUESTION, call<&D::applyQuestionRule>},
        {Cmd, kClicked, IDC_OUTPUT_DB, call<&D::reproposeIfOutputSet>},
        {Cmd, kClicked, IDC_OUTPUT_CSV, call<&D::reproposeIfOutputSet>},
        {Cmd, kClicked, IDC_BROWSE_DICTIONARY, call<&D::browseDictionary>},
        {Cmd, kClicked, IDC_REMOVE_DICTIONARY, call<&D::removeAddedDictionary>},
        {Cmd, kClicked, IDC_ADD_DICTIONARY, call<&D::addTypedDictionary>},
        {Cmd, kComboSelChange, IDC_INPUT, call<&D::takeInputFromCombo>},
        {Cmd, kComboDropDown, IDC_DICTIONARY, call<&D::reloadDictionaryListIfChanged>},
        {EventKind::Notify, kTabSelChange, IDC_LIST_TABS, call<&D::applyListTab>},
        {Cmd, kListDoubleClick, IDC_HISTORY_LIST, call<&D::takeInputFromHistory>},
        {Cmd, kListDoubleClick, IDC_FAVORITE_LIST, call<&D::takeInputFromFavorite>},
        {Cmd, kClicked, IDC_OPEN_INPUT, call<&D::openInput>},
        {Cmd, kClicked, IDC_ADD_FAVORITE, call<&D::addFavorite>},
        {Cmd, kClicked, IDC_OPEN_OUTPUT, call<&D::openOutput>},
        {Cmd, kClicked, IDC_DOWNLOAD_ONLY, call<&D::onDownloadOnlyClicked>},
        {Cmd, kClicked, ID_SETTINGS_LOAD, call<&D::loadSettings>},
        {Cmd, kClicked, ID_SETTINGS_SAVE, call<&D::saveSettings>},
        {Cmd, kClicked, ID_HISTORY_CLEAR, call<&D::clearHistory>},
        {Cmd, kClicked, ID_EDIT_FAVORITES, callWith<&D::editEnvFile, env::kFavorites>},
        {Cmd, kClicked, ID_EDIT_IGNORE, callWith<&D::editEnvFile, env::kIgnore>},
        {Cmd, kClicked, ID_EDIT_REPLACE, callWith<&D::editEnvFile, env::kReplace>},
        {Cmd, kClicked, ID_EDIT_SYMBOL, callWith<&D::editEnvFile, env::kSymbol>},
        {Cmd, kClicked, ID_ABOUT, call<&D::showAbout>},
        {Cmd, kClicked, ID_ONLINE_HELP, call<&D::openOnlineHelp>},
        {EventKind::ContextMenu, 0, 0,
         [](D& d, const E& e) { return d.showContextMenu(e.x, e.y), EventResult{true, 0}; }},
        {Cmd, kClicked, ID_EDIT_DICTLIST, callWith<&D::editEnvFile, env::kDictionaryList>},
        {Cmd, kClicked, IDC_CUT, call<&D::applyCutRule>},
        {Cmd, kClicked, ID_SELECT_INPUT, call<&D::chooseInputFile>},
        {Cmd, kClicked, ID_SELECT_OUTPUT, call<&D::chooseOutputFile>},
        {Cmd, kClicked, ID_SELECT_DICTIONARY, call<&D::browseDictionary>},
        {Cmd, kClicked, ID_EXIT, call<&D::exitDialog>},
        {Cmd, kClicked, ID_MENU_ADD_FAVORITE, call<&D::addFavorite>},
        {Cmd, kClicked, ID_MENU_OPEN_INPUT, call<&D::openInput>},
        {Cmd, kClicked, ID_MENU_OPEN_OUTPUT, call<&D::openOutput>},
        {Cmd, kClicked, ID_REFRESH, call<&D::refreshForm>},
        {Cmd, kClicked, ID_START, call<&D::runJob>},
        {Cmd, kClicked, ID_SHOW_COMMAND, call<&D::showCommand>},
        {Cmd, kClicked, IDC_OUTPUT_HTML1, call<&D::reproposeIfOutputSet>},
        {Cmd, kClicked, IDC_OUTPUT_HTML2, call<&D::reproposeIfOutputSet>},
        {Cmd, kClicked, ID_EDIT_STYLE, callWith<&D::editEnvFile, env::kStyle>},
        {Cmd, kClicked, ID_EDIT_WEBDICT, callWith<&D::editEnvFile, env::kWebDict>},
        {Cmd, kClicked, IDC_NO_DICT, call<&D::applyNoDictPreset>},
        {Cmd, kClicked, ID_SETTINGS_KNOWN_LEVEL, call<&D::chooseKnownLevel>},
        {Cmd, kClicked, ID_EDIT_KNOWN, call<&D::editKnownWords>},
        {Cmd, kClicked, ID_ADD_KNOWN, call<&D::addOutputToKnownWords>},
    };
    return map;
}

EventResult CVokantiDlg::onEvent(const DialogEvent& event) {
    for (const MessageMapEntry& entry : messageMap()) {
        if (entry.kind != event.kind) continue;
        const bool keyed = entry.kind == EventKind::Command || entry.kind == EventKind::Notify;
        if (keyed && (entry.code != event.code || entry.id != event.id)) continue;
        return entry.handler(*this, event);
    }
    return CDialog::onEvent(event);
}

EventResult CVokantiDlg::onPaint() {
    if (host_ && host_->paintMinimisedIcon()) return {true, 0};
    return {};
}

EventResult CVokantiDlg::onQueryDragIcon() {
    return {true, host_ ? host_->dragIcon() : 0};
}

bool CVokantiDlg::preTranslate(const QueuedMessage& message) {
    switch (message.kind) {
        case QueuedMessage::Kind::KeyDown:
            // The key still goes on to the focused control afterwards.
            if (message.key == kKeyDelete) deleteSelectedFavorite();
            break;
        case QueuedMessage::Kind::LButtonDown:
            // Before the press is delivered: a press on a favorite selects it again.
            clearFavoriteSelection();
            break;
        default:
            break;
    }
    return false;
}

bool CVokantiDlg::initDialog() {
    CDialog::initDialog();
    if (!resolveProgramDir()) return true;
    if (!loadDictionaryList()) return true;
    loadHistories();
    loadFavorites();
    updateHorizontalExtent(IDC_HISTORY_LIST);
    updateHorizontalExtent(IDC_FAVORITE_LIST);

    form_.appendEntries(IDC_LIST_TABS, {text::kFavoritesTab, text::kHistoryTab});
    form_.setSelection(IDC_LIST_TABS, 0);
    if (host_) host_->placeListTabs();
    form_.setVisible(IDC_FAVORITE_LIST, true);
    form_.setVisible(IDC_HISTORY_LIST, false);
    form_.setVisible(IDC_FAVORITE_LOCATIONS, false);

    const std::vector<std::string> arguments = platform_.process.arguments();
    if (arguments.size() == 1) batchStart(arguments.front());
    loadSettings();
    writeForm();
    return true;
}

void CVokantiDlg::onOK() { runJob(); }

// While the engine runs, Cancel (the button, Escape, the close box) asks to stop it instead.
void CVokantiDlg::onCancel() {
    if (engineRunning_) {
        askToStopEngine();
        return;
    }
    exitDialog();
}

void CVokantiDlg::takeInputFromCombo() {
    const int selected = form_.selection(IDC_INPUT);
    if (selected >= 0 && static_cast<size_t>(selected) < inputHistory.size()) {
        takeInput(inputHistory.newest(static_cast<size_t>(selected)));
    }
}

void CVokantiDlg::takeInput(const std::string& input) {
    readForm();
    options.input = input;
    writeForm();
    proposeOutputName();
}

void CVokantiDlg::chooseInputFile() {
    const auto chosen = platform_.prompts.openFile({text::kFileDialogTitle, text::kInputFilter, true});
    if (chosen) takeInput(normalizePath(*chosen));
}

void CVokantiDlg::chooseOutputFile() {
    // An open dialog without the must-exist option, so a new name is accepted.
    const auto chosen = platform_.prompts.openFile({text::kFileDialogTitle, text::kOutputFilter, false});
    if (!chosen) return;
    readForm();
    options.output = normalizePath(*chosen);
    writeForm();
}

void CVokantiDlg::showContextMenu(int x, int y) {
    if (host_) host_->trackContextMenu(x, y);
}

void CVokantiDlg::refreshForm() {
    readForm();
    applyOptionRules();
    applyListTab();
    writeForm();
}

}  // namespace vokanti
