// Any bytes as the page files (style.css, webdict.txt, label.txt) and as vocabulary entries
// whose word position may be anything: the pages and question sets made from them. Checks
// that nothing escapes HTML escaping, that the stylesheet cannot close its element, and that
// every question keeps its blank, stays within its width (or ends at its blank) and never
// splits a character.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "engine/encoding.h"
#include "engine/extract.h"
#include "engine/html_output.h"
#include "engine/list_lines.h"
#include "engine/output.h"
#include "engine/question_set.h"

namespace {

// Occurrences of `part` in the page's body: the embedded stylesheet is the input's own text.
std::size_t count(const std::string& page, std::string_view part) {
    const std::size_t bodyStart = page.find("</style>");
    check(bodyStart != std::string::npos);
    const std::string text = page.substr(bodyStart);
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const std::optional<int> width = data[0] == 0xFF ? std::nullopt : std::optional<int>(data[0]);
    const int questions = data[1];
    const std::size_t offsetSeed = data[2];
    const std::size_t lengthSeed = data[3];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 4), size - 4);

    for (char c : vokan::htmlEscape(bytes)) check(c != '<' && c != '>' && c != '"' && c != '\'');
    const std::string style = vokan::styleSheetText(bytes);
    check(style.find("</") == std::string::npos);

    const std::vector<std::string> lines = vokan::readListLines(bytes);
    vokan::PageFiles files;
    files.style = style;
    files.dictionaries = vokan::parseWebLinks(lines);
    files.pronunciations = files.dictionaries;
    files.labels = vokan::parseLabels(lines);

    // Each line an entry; the word's position is taken from the seeds, in or out of range.
    std::vector<vokan::VocabularyEntry> entries;
    for (const std::string& line : lines) {
        vokan::VocabularyEntry e;
        e.headword = line.substr(0, 12);
        e.meaning = line;
        e.count = 1;
        e.example = line;
        e.formOffset = offsetSeed % (line.size() + 2);
        e.formLength = lengthSeed % (line.size() + 2);
        entries.push_back(std::move(e));
    }

    for (vokan::PageKind kind : {vokan::PageKind::Html1, vokan::PageKind::Html2}) {
        const std::string page = vokan::htmlPage(entries, kind, files);
        check(count(page, "<tr>") == entries.size() + 1);
        check(count(page, "<mark>") <= entries.size());
    }

    const std::vector<vokan::Question> set = vokan::makeQuestions(entries, questions, width);
    check(set.size() <= static_cast<std::size_t>(questions));
    for (const vokan::Question& q : set) {
        check(q.text.compare(q.blankOffset, vokan::kQuestionBlank.size(), vokan::kQuestionBlank) == 0);
        const std::size_t blankEnd = q.blankOffset + vokan::kQuestionBlank.size();
        if (width && q.text.size() > blankEnd && vokan::isValidUtf8(q.text))
            check(vokan::halfWidthLength(q.text) <= static_cast<std::size_t>(*width));
        if (vokan::isValidUtf8(bytes) || bytes.substr(0, 3) != vokan::kUtf8Bom) check(vokan::isValidUtf8(q.text));
    }
    const std::string page = vokan::questionPage(set, files);
    check(count(page, "<span class=\"blank\">") == set.size());
    vokan::questionCsvText(set);
    vokan::questionVkndb5sText(set);
    return 0;
}
