// The learner's known words: the level the engine leaves out, the file of words the learner
// knows, and adding the words of a list just made to that file (the engine does the adding).
#include <optional>

#include "core/command_line.h"
#include "core/env_files.h"
#include "core/messages.h"
#include "core/result_message.h"
#include "core/text.h"
#include "lists/list_file.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {

// The number of lines of the file at `path`: 0 when it does not exist, absent when it
// could not be read.
std::optional<size_t> countLines(FileSystem& files, const std::string& path) {
    if (!files.exists(path)) return 0;
    ListFile file(files);
    std::vector<std::string> lines;
    if (!file.open(path, OpenMode::Read) || !file.readAll(lines)) return std::nullopt;
    return lines.size();
}

}  // namespace

void CVokantiDlg::chooseKnownLevel() {
    if (const std::optional<int32_t> chosen = platform_.prompts.knownLevel(options.knownLevel)) {
        options.knownLevel = validKnownLevel(*chosen);
    }
}

// Opened like the other files of env/, but the engine makes this one only when words are
// first added: an empty one is made first, so that there is something to edit.
void CVokantiDlg::editKnownWords() {
    const std::string path = envPath(env::kKnown);
    if (!platform_.files.exists(path)) {
        ListFile file(platform_.files);
        if (!file.open(path, OpenMode::Create)) {
            reportFileError(text::kFileCreateFailed, path);
            return;
        }
    }
    shellOpenWithFallback(path);
}

void CVokantiDlg::addOutputToKnownWords() {
    readForm();
    if (options.output.empty()) {
        platform_.prompts.resultBox(text::kNoOutputFile);
        return;
    }
    const std::string commandLine = knownWordsCommandLine(EnginePath, options.output);
    if (!commandLineFits(commandLine)) return;
    const std::string known = envPath(env::kKnown);
    const std::optional<size_t> before = countLines(platform_.files, known);
    // The engine replaces env/known.txt through a temporary file beside it: a stopped run
    // leaves the file as it was and that temporary file is removed.
    runEngine(commandLine, known, [&](EngineResult code) {
        if (code != 0) return resultMessage(code);
        const std::optional<size_t> after = countLines(platform_.files, known);
        if (!before || !after) return std::string(text::kKnownWordsAddedUncounted);
        // Shortened from outside meanwhile: nothing of ours can be counted.
        const size_t added = *after > *before ? *after - *before : 0;
        return formatCount(text::kKnownWordsAdded, static_cast<long long>(added));
    });
}

}  // namespace vokanti
