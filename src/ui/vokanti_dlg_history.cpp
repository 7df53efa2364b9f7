// Program directory, the two history files and their lists, and the horizontal extent of
// the visible list boxes.
#include <algorithm>
#include <vector>

#include "core/control_ids.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {

constexpr char kInputHistoryName[] = "env/in_history.txt";
constexpr char kOutputHistoryName[] = "env/out_history.txt";
constexpr char kEngineName[] = "vokan.exe";
// Room left on the right of the longest entry of a list box, in pixels.
constexpr int kExtentMargin = 10;

// Drive and directory of a full file name with forward slashes: everything up to and
// including the last "/". The whole directory is kept, however long: the path splitter
// cuts its parts to 255 bytes, which would break a deep program directory.
std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Reads every entry of an open list file, in file order.
std::vector<std::string> readAllEntries(ListFile& file) {
    std::vector<std::string> entries;
    std::string line;
    while (file.readLine(line)) entries.push_back(line);
    return entries;
}

// Opens a history file as start-up does: kept as it is when it exists, created empty
// otherwise. True when the file was opened with its old content (so it is to be read).
bool openHistory(ListFile& file, const std::string& path) {
    if (file.open(path, OpenMode::ReadWrite)) return true;
    file.open(path, OpenMode::Create);
    return false;
}

}  // namespace

bool CVokantiDlg::resolveProgramDir() {
    ProgramDir = directoryOf(normalizePath(platform_.process.moduleFileName()));
    EnginePath = ProgramDir + kEngineName;
    // Without its own directory the program would look for the engine in whatever the
    // current directory is.
    if (ProgramDir.empty() || !platform_.files.exists(EnginePath)) {
        endForMissingFile(EnginePath);
        return false;
    }
    return true;
}

std::string CVokantiDlg::envPath(const std::string& relativeName) const {
    return ProgramDir + relativeName;
}

void CVokantiDlg::reportFileError(const char* pattern, const std::string& path) {
    platform_.prompts.resultBox(formatText(pattern, path));
}

void CVokantiDlg::endForMissingFile(const std::string& path) {
    platform_.prompts.resultBox(formatText(text::kNotFound, path));
    endDialog(kResultCancel);
}

void CVokantiDlg::loadHistories() {
    // The lists show the newest entry first: the file's entries are appended in reverse
    // order in one pass, which costs time in proportion to their number.
    form_.clearEntries(IDC_INPUT);
    form_.clearEntries(IDC_HISTORY_LIST);
    if (openHistory(inputHistory, envPath(kInputHistoryName))) {
        std::vector<std::string> entries = readAllEntries(inputHistory);
        std::reverse(entries.begin(), entries.end());
        form_.appendEntries(IDC_INPUT, entries);
        form_.appendEntries(IDC_HISTORY_LIST, entries);
    }
    form_.clearEntries(IDC_OUTPUT);
    if (openHistory(outputHistory, envPath(kOutputHistoryName))) {
        std::vector<std::string> entries = readAllEntries(outputHistory);
        std::reverse(entries.begin(), entries.end());
        form_.appendEntries(IDC_OUTPUT, entries);
    }
    // A history that could be neither opened nor created (another running instance holds
    // it) stays closed: its lists start empty and nothing is recorded to it.
}

bool CVokantiDlg::recordInputHistory(const std::string& text) {
    if (inputHistory.isOpen() && !(inputHistory.seekToEnd() && inputHistory.writeLine(text))) {
        reportFileError(text::kFileWriteFailed, inputHistory.path());
        return false;
    }
    form_.insertEntry(IDC_INPUT, 0, text);
    form_.insertEntry(IDC_HISTORY_LIST, 0, text);
    updateHorizontalExtent(IDC_HISTORY_LIST);
    return true;
}

bool CVokantiDlg::recordOutputHistory(const std::string& text) {
    if (outputHistory.isOpen() && !(outputHistory.seekToEnd() && outputHistory.writeLine(text))) {
        reportFileError(text::kFileWriteFailed, outputHistory.path());
        return false;
    }
    form_.insertEntry(IDC_OUTPUT, 0, text);
    return true;
}

void CVokantiDlg::closeHistories() {
    inputHistory.close();
    outputHistory.close();
}

void CVokantiDlg::clearHistory() {
    form_.clearEntries(IDC_INPUT);
    form_.clearEntries(IDC_OUTPUT);
    form_.clearEntries(IDC_HISTORY_LIST);
    updateHorizontalExtent(IDC_HISTORY_LIST);
    closeHistories();

    const std::string inputPath = envPath(kInputHistoryName);
    const std::string outputPath = envPath(kOutputHistoryName);
    for (const std::string& path : {inputPath, outputPath}) {
        // A file that is already gone needs no removal.
        if (!platform_.files.remove(path) && platform_.files.exists(path)) {
            reportFileError(text::kFileRemoveFailed, path);
            // Keep recording the next jobs: reopen both files as they now are.
            openHistory(inputHistory, inputPath);
            openHistory(outputHistory, outputPath);
            return;
        }
    }
    if (!inputHistory.open(inputPath, OpenMode::Create)) {
        reportFileError(text::kFileCreateFailed, inputPath);
    }
    if (!outputHistory.open(outputPath, OpenMode::Create)) {
        reportFileError(text::kFileCreateFailed, outputPath);
    }
}

void CVokantiDlg::takeInputFromHistory() {
    const int selected = form_.selection(IDC_HISTORY_LIST);
    if (selected >= 0) takeInput(form_.entry(IDC_HISTORY_LIST, selected));
}

void CVokantiDlg::updateHorizontalExtent(int listId) {
    // The longest entry in bytes; of equally long entries the first one counts.
    std::string longest;
    const int count = form_.entryCount(listId);
    for (int i = 0; i < count; ++i) {
        std::string entry = form_.entry(listId, i);
        if (entry.size() > longest.size()) longest = std::move(entry);
    }
    form_.setHorizontalExtent(listId, form_.textWidth(listId, longest) + kExtentMargin);
}

}  // namespace vokanti
