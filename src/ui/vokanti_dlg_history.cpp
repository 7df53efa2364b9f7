// Program directory, the two history files and their lists, and the horizontal extent of
// the visible list boxes.
#include "core/control_ids.h"
#include "core/env_files.h"
#include "core/messages.h"
#include "core/text.h"
#include "lists/program_dir.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {
// Room left on the right of the longest entry of a list box, in pixels.
constexpr int kExtentMargin = 10;
}  // namespace

bool CVokantiDlg::resolveProgramDir() {
    ProgramDir = programDirOf(platform_.process.moduleFileName());
    EnginePath = ProgramDir + env::kEngine;
    // Without its own directory the program would look for the engine in whatever the
    // current directory is.
    if (ProgramDir.empty() || !platform_.files.exists(EnginePath)) {
        endForMissingFile(EnginePath);
        return false;
    }
    return true;
}

void CVokantiDlg::reportFileError(const char* pattern, const std::string& path) {
    platform_.prompts.resultBox(formatText(pattern, path));
}

void CVokantiDlg::endForMissingFile(const std::string& path) {
    platform_.prompts.resultBox(formatText(text::kNotFound, path));
    endDialog(kResultCancel);
}

void CVokantiDlg::loadHistories() {
    // A history that could be neither opened nor created (another running instance holds
    // it) starts empty, and nothing is recorded to it. One that could not be read is
    // reported, starts empty, and is not written to either: where its lines end is unknown.
    form_.clearEntries(IDC_INPUT);
    form_.clearEntries(IDC_HISTORY_LIST);
    historyListFilled = false;  // filled when its page is first shown
    if (inputHistory.load(envPath(env::kInputHistory)) == History::LoadResult::ReadFailed) {
        reportFileError(text::kHistoryReadFailed, inputHistory.path());
    }
    showHistory(IDC_INPUT, inputHistory);

    form_.clearEntries(IDC_OUTPUT);
    if (outputHistory.load(envPath(env::kOutputHistory)) == History::LoadResult::ReadFailed) {
        reportFileError(text::kHistoryReadFailed, outputHistory.path());
    }
    showHistory(IDC_OUTPUT, outputHistory);
}

// A combo box that cannot hold the whole history shows none of it, and the history lets go
// of its entries, so that the box's indices and the history's keep naming the same texts.
void CVokantiDlg::showHistory(int comboId, History& history) {
    if (form_.appendEntries(comboId, history.newestFirst())) return;
    history.forgetEntries();
    reportFileError(text::kListFillFailed, history.path());
}

// The lists take the new entry first and the history only then: a list that refuses it, or
// a history line that cannot be written, leaves every list and the history as they were.
bool CVokantiDlg::recordInputHistory(const std::string& text) {
    if (!form_.insertEntry(IDC_INPUT, 0, text)) return reportEntryRefused();
    if (historyListFilled && !form_.insertEntry(IDC_HISTORY_LIST, 0, text)) {
        form_.deleteEntry(IDC_INPUT, 0);
        return reportEntryRefused();
    }
    if (inputHistory.record(text) == History::RecordResult::WriteFailed) {
        form_.deleteEntry(IDC_INPUT, 0);
        if (historyListFilled) form_.deleteEntry(IDC_HISTORY_LIST, 0);
        reportFileError(text::kFileWriteFailed, inputHistory.path());
        return false;
    }
    updateHorizontalExtent(IDC_HISTORY_LIST);
    return true;
}

bool CVokantiDlg::recordOutputHistory(const std::string& text) {
    if (!form_.insertEntry(IDC_OUTPUT, 0, text)) return reportEntryRefused();
    if (outputHistory.record(text) == History::RecordResult::WriteFailed) {
        form_.deleteEntry(IDC_OUTPUT, 0);
        reportFileError(text::kFileWriteFailed, outputHistory.path());
        return false;
    }
    return true;
}

bool CVokantiDlg::reportEntryRefused() {
    platform_.prompts.resultBox(text::kListEntryRefused);
    return false;
}

void CVokantiDlg::closeHistories() {
    inputHistory.close();
    outputHistory.close();
}

// A history file that cannot be removed is reported and the clearing stops there: that
// history is read again and shown as the file still holds it, and the other one is left
// as it was.
void CVokantiDlg::clearHistory() {
    form_.clearEntries(IDC_INPUT);
    form_.clearEntries(IDC_OUTPUT);
    form_.clearEntries(IDC_HISTORY_LIST);
    bool stopped = false;
    for (History* history : {&inputHistory, &outputHistory}) {
        if (stopped) break;
        switch (history->clear()) {
            case History::ClearResult::Cleared: break;
            case History::ClearResult::CreateFailed:
                reportFileError(text::kFileCreateFailed, history->path());
                break;
            case History::ClearResult::RemoveFailed:
                reportFileError(text::kFileRemoveFailed, history->path());
                stopped = true;
                break;
        }
    }
    if (stopped) {
        showHistory(IDC_INPUT, inputHistory);
        showHistory(IDC_OUTPUT, outputHistory);
    }
    historyListFilled = false;
    if (form_.visible(IDC_HISTORY_LIST)) fillHistoryList();
    updateHorizontalExtent(IDC_HISTORY_LIST);
}

// The history list is hidden until its page is chosen, and filling it costs time in
// proportion to the history's length: it is filled then, once, from the model.
void CVokantiDlg::fillHistoryList() {
    if (historyListFilled) return;
    form_.clearEntries(IDC_HISTORY_LIST);
    // A list that cannot hold the history stays empty, so its selection names nothing; the
    // next showing of the page tries again.
    if (!form_.appendEntries(IDC_HISTORY_LIST, inputHistory.newestFirst())) {
        reportFileError(text::kListFillFailed, inputHistory.path());
        return;
    }
    historyListFilled = true;
}

void CVokantiDlg::takeInputFromHistory() {
    const int selected = form_.selection(IDC_HISTORY_LIST);
    if (selected >= 0 && static_cast<size_t>(selected) < inputHistory.size()) {
        takeInput(inputHistory.newest(static_cast<size_t>(selected)));
    }
}

// The longest entry (in bytes) comes from the list's model: nothing is read back out of
// the control, so the cost does not grow with the number of entries.
void CVokantiDlg::updateHorizontalExtent(int listId) {
    const std::string& longest =
        listId == IDC_HISTORY_LIST ? inputHistory.longest() : favorites.longestTitle();
    form_.setHorizontalExtent(listId, form_.textWidth(listId, longest) + kExtentMargin);
}

}  // namespace vokanti
