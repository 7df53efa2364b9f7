// Documents, links and dictionaries dropped on the window.
#include <optional>
#include <string_view>

#include "core/messages.h"
#include "core/paths.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// A dropped text as a link: one line, blanks around it removed, beginning with the scheme
// of a page the engine can download. Absent for any other text.
std::optional<std::string> linkOf(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return std::nullopt;
    const size_t last = text.find_last_not_of(" \t\r\n\0", std::string_view::npos, 5);
    const std::string_view link = text.substr(first, last - first + 1);
    const bool web = startsWithIgnoringCase(link, "http://") || startsWithIgnoringCase(link, "https://");
    if (!web || link.find_first_of(" \t\r\n") != std::string_view::npos) return std::nullopt;
    return std::string(link);
}

bool isDictionaryFile(const std::string& path) {
    return equalsIgnoringCase(splitPath(path).extension, ".txt");
}

}  // namespace

void CVokantiDlg::takeDrop(const Drop& drop) {
    if (!acceptsDrop()) return;
    if (drop.files.empty()) {
        if (const auto link = linkOf(drop.text)) {
            takeInput(*link);
        } else {
            platform_.prompts.resultBox(text::kDroppedTextNotUrl);
        }
        return;
    }
    if (drop.onDictionary) {
        // Several dictionaries are used together: each text file dropped is added.
        for (const Drop::File& file : drop.files) {
            if (!file.folder && isDictionaryFile(file.path)) {
                if (!addDictionaryFile(file.path)) return;
            } else {
                platform_.prompts.resultBox(formatText(text::kDroppedDictionaryNotText, file.path));
            }
        }
        return;
    }
    const Drop::File& file = drop.files.front();
    if (file.folder) {
        platform_.prompts.resultBox(formatText(text::kDroppedFolder, file.path));
        return;
    }
    takeInput(normalizePath(file.path));
    if (drop.files.size() > 1) {
        platform_.prompts.resultBox(formatText(text::kDroppedSeveralFiles, file.path));
    }
}

}  // namespace vokanti
