// The dictionary box: the dictionaries listed in env/dict.txt, followed by the ones the user
// added in this run (only those reach the engine's command line), and the reload when the
// file changed on disk.
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/messages.h"
#include "core/paths.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {
constexpr const char kDictionaryListFile[] = "env/dict.txt";
constexpr const char kDictionaryFilter[] =
    "PDIC Text Format (*.txt) |*.txt|全てのファイル (*.*)|*.*||";
}  // namespace

bool CVokantiDlg::loadDictionaryList() {
    const std::string path = envPath(kDictionaryListFile);
    dictStamp = platform_.files.modStamp(path);
    if (!dictStamp) {
        form_.clearEntries(IDC_DICTIONARY);
        endForMissingFile(path);
        return false;
    }

    ListFile file(platform_.files);
    if (!file.open(path, OpenMode::Read)) {
        // Present but held by another program: keep what the box shows and forget the
        // stamp, so the next drop-down tries again.
        dictStamp.reset();
        reportFileError(text::kFileReadFailed, path);
        return true;
    }
    std::vector<std::string> lines;
    std::string line;
    while (file.readLine(line)) lines.push_back(line);
    file.close();

    form_.clearEntries(IDC_DICTIONARY);
    form_.appendEntries(IDC_DICTIONARY, lines);
    BaseDictionaryCount = static_cast<int32_t>(lines.size());
    AddedDictionaryCount = 0;
    const std::string first = lines.empty() ? std::string() : lines.front();
    form_.setText(IDC_DICTIONARY, first);
    options.dictionary = first;
    return true;
}

void CVokantiDlg::reloadDictionaryListIfChanged() {
    const auto current = platform_.files.modStamp(envPath(kDictionaryListFile));
    // A missing file always counts as changed: the reload then reports it.
    if (current && current == dictStamp) return;
    loadDictionaryList();
}

void CVokantiDlg::browseDictionary() {
    FileDialogRequest request;
    request.title = text::kFileDialogTitle;
    request.filter = kDictionaryFilter;
    request.fileMustExist = false;
    if (const auto chosen = platform_.prompts.openFile(request)) {
        // A rejected number elsewhere in the form has been reported and focused; adding now
        // would write stale values over what the user typed.
        if (!readForm()) return;
        options.dictionary = normalizePath(*chosen);
        form_.appendEntry(IDC_DICTIONARY, options.dictionary);
        writeForm();
        ++AddedDictionaryCount;
    }
    form_.setText(IDC_DICTIONARY, options.dictionary);
}

void CVokantiDlg::addTypedDictionary() {
    if (!readForm()) return;
    form_.appendEntry(IDC_DICTIONARY, options.dictionary);
    ++AddedDictionaryCount;
    writeForm();
}

void CVokantiDlg::removeAddedDictionary() {
    if (AddedDictionaryCount <= 0) return;
    --AddedDictionaryCount;
    form_.deleteEntry(IDC_DICTIONARY, BaseDictionaryCount + AddedDictionaryCount);
    form_.setText(IDC_DICTIONARY, form_.entry(IDC_DICTIONARY, 0));
}

}  // namespace vokanti
