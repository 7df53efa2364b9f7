// The dictionary box: the dictionaries listed in env/dict.txt, followed by the ones the user
// added in this run (only those reach the engine's command line), and the reload when the
// file changed on disk.
#include "core/control_ids.h"
#include "core/env_files.h"
#include "core/messages.h"
#include "core/paths.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

bool CVokantiDlg::loadDictionaryList() {
    const std::string path = envPath(env::kDictionaryList);
    switch (dictionaryList.load(path)) {
        case DictionaryList::LoadResult::Missing:
            form_.clearEntries(IDC_DICTIONARY);
            endForMissingFile(path);
            return false;
        case DictionaryList::LoadResult::ReadFailed:
            // The box keeps what it shows; the next drop-down tries again.
            reportFileError(text::kFileReadFailed, path);
            return true;
        case DictionaryList::LoadResult::Loaded: break;
    }
    form_.clearEntries(IDC_DICTIONARY);
    // A box that cannot hold the whole list shows none of it, and the list lets go of it:
    // the box's indices and the list's keep naming the same dictionaries.
    if (!form_.appendEntries(IDC_DICTIONARY, dictionaryList.entries())) {
        dictionaryList.forgetEntries();
        reportFileError(text::kListFillFailed, path);
    }
    const std::vector<std::string>& entries = dictionaryList.entries();
    const std::string first = entries.empty() ? std::string() : entries.front();
    form_.setText(IDC_DICTIONARY, first);
    options.dictionary = first;
    return true;
}

void CVokantiDlg::reloadDictionaryListIfChanged() {
    // A missing file always counts as changed: the reload then reports it.
    if (dictionaryList.changedOnDisk()) loadDictionaryList();
}

void CVokantiDlg::browseDictionary() {
    FileDialogRequest request;
    request.title = text::kFileDialogTitle;
    request.filter = text::kDictionaryFilter;
    request.fileMustExist = false;
    if (const auto chosen = platform_.prompts.openFile(request)) addDictionaryFile(*chosen);
    form_.setText(IDC_DICTIONARY, options.dictionary);
}

bool CVokantiDlg::addDictionaryFile(const std::string& path) {
    readForm();
    const std::string normalized = normalizePath(path);
    if (!addDictionary(normalized)) return false;
    options.dictionary = normalized;
    writeForm();
    return true;
}

void CVokantiDlg::addTypedDictionary() {
    readForm();
    addDictionary(options.dictionary);
    writeForm();
}

bool CVokantiDlg::addDictionary(const std::string& path) {
    if (!form_.appendEntries(IDC_DICTIONARY, {path})) return reportEntryRefused();
    dictionaryList.add(path);
    return true;
}

void CVokantiDlg::removeAddedDictionary() {
    if (!dictionaryList.removeLastAdded()) return;
    const std::vector<std::string>& entries = dictionaryList.entries();
    form_.deleteEntry(IDC_DICTIONARY, static_cast<int>(entries.size()));
    form_.setText(IDC_DICTIONARY, entries.empty() ? std::string() : entries.front());
}

}  // namespace vokanti
