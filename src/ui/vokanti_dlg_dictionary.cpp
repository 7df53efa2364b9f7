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
    const std::vector<std::string>& entries = dictionaryList.entries();
    form_.clearEntries(IDC_DICTIONARY);
    form_.appendEntries(IDC_DICTIONARY, entries);
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
    // A rejected number elsewhere in the form has been reported and focused; adding now
    // would write stale values over what the user typed.
    if (!readForm()) return false;
    options.dictionary = normalizePath(path);
    dictionaryList.add(options.dictionary);
    form_.appendEntries(IDC_DICTIONARY, {options.dictionary});
    writeForm();
    return true;
}

void CVokantiDlg::addTypedDictionary() {
    if (!readForm()) return;
    dictionaryList.add(options.dictionary);
    form_.appendEntries(IDC_DICTIONARY, {options.dictionary});
    writeForm();
}

void CVokantiDlg::removeAddedDictionary() {
    if (!dictionaryList.removeLastAdded()) return;
    const std::vector<std::string>& entries = dictionaryList.entries();
    form_.deleteEntry(IDC_DICTIONARY, static_cast<int>(entries.size()));
    form_.setText(IDC_DICTIONARY, entries.empty() ? std::string() : entries.front());
}

}  // namespace vokanti
