#include "engine/question_set.h"

#include "engine/program_dir.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vokan {

namespace {

// Bytes of the UTF-8 character starting at `pos` (1 for a malformed byte), never past the end.
std::size_t characterBytes(std::string_view s, std::size_t pos) {
    unsigned char b = static_cast<unsigned char>(s[pos]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (pos + n > s.size()) return 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
    return n;
}

// The question's text for a page, its blank in a span of its own so that a stylesheet can
// widen it. A blank that is not where the question says is left as plain text.
std::string blankMarked(const Question& q) {
    std::string_view text(q.text);
    if (text.substr(std::min(q.blankOffset, text.size()), kQuestionBlank.size()) != kQuestionBlank)
        return htmlEscape(text);
    return htmlEscape(text.substr(0, q.blankOffset)) + "<span class=\"blank\">" + htmlEscape(kQuestionBlank) +
           "</span>" + htmlEscape(text.substr(q.blankOffset + kQuestionBlank.size()));
}

bool removeFile(const std::string& path) {
#ifdef _WIN32
    const std::filesystem::path native(widePath(path));  // the long-path form where needed
#else
    const std::filesystem::path native(path);
#endif
    std::error_code ec;
    return std::filesystem::remove(native, ec) && !ec;
}

}  // namespace

std::string questionSetPath(std::string_view outputPath) {
    std::size_t nameStart = outputPath.size();
    while (nameStart > 0 && !isSeparator(outputPath[nameStart - 1])) --nameStart;
    std::size_t dot = outputPath.rfind('.');
    std::string path(outputPath);
    if (dot == std::string_view::npos || dot <= nameStart) return path + "_q";
    return path.insert(dot, "_q");
}

std::optional<std::string> questionText(const VocabularyEntry& entry, std::optional<int> width) {
    if (!wordPositionFits(entry)) return std::nullopt;
    const std::string& s = entry.example;
    std::string text = s.substr(0, entry.formOffset);
    text += kQuestionBlank;
    const std::size_t blankEnd = text.size();
    text += s.substr(entry.formOffset + entry.formLength);
    if (!width) return text;

    const std::size_t limit = static_cast<std::size_t>(*width < 0 ? 0 : *width);
    std::size_t pos = 0, used = 0;
    while (pos < text.size()) {
        std::size_t n = characterBytes(text, pos);
        std::size_t w = halfWidthLength(std::string_view(text).substr(pos, n));
        if (used + w > limit) break;
        used += w;
        pos += n;
    }
    if (pos >= text.size()) return text;
    text.resize(pos < blankEnd ? blankEnd : pos);
    while (text.size() > blankEnd && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

std::vector<Question> makeQuestions(const std::vector<VocabularyEntry>& entries, int count,
                                    std::optional<int> width) {
    std::vector<Question> questions;
    for (const VocabularyEntry& e : entries) {
        if (static_cast<long long>(questions.size()) >= count) break;
        std::optional<std::string> text = questionText(e, width);
        if (!text) continue;
        questions.push_back({std::move(*text), e.formOffset, e.headword, e.meaning});
    }
    return questions;
}

std::string answerText(const Question& q) {
    return q.meaning.empty() ? q.headword : q.headword + ": " + q.meaning;
}

std::string questionPage(const std::vector<Question>& questions, const PageFiles& files) {
    const PageLabels& l = files.labels;
    const std::string title = l.title + " - " + l.question;
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"generator\" content=\"vokan\">\n";
    out += "<title>" + htmlEscape(title) + "</title>\n<style>\n" + files.style;
    if (!files.style.empty() && files.style.back() != '\n') out += '\n';
    out += "</style>\n</head>\n<body>\n<h1>" + htmlEscape(title) + "</h1>\n";
    out += "<table class=\"questions\">\n<thead><tr><th class=\"number\">#</th><th class=\"question\">" +
           htmlEscape(l.question) + "</th><th class=\"answer\">" + htmlEscape(l.answer) +
           "</th></tr></thead>\n<tbody>\n";
    int number = 0;
    for (const Question& q : questions) {
        out += "<tr><td class=\"number\">" + std::to_string(++number) + "</td><td class=\"question\">" +
               blankMarked(q) + "</td><td class=\"answer\"><span class=\"headword\">" +
               htmlEscape(q.headword) + "</span>";
        if (!q.meaning.empty()) out += " <span class=\"meaning\">" + htmlEscape(q.meaning) + "</span>";
        out += "</td></tr>\n";
    }
    out += "</tbody>\n</table>\n</body>\n</html>\n";
    return out;
}

WriteResult replaceFilePair(const std::string& outputPath, std::string_view outputBytes,
                            const std::string& questionPath, std::string_view questionBytes,
                            std::string& error) {
    // What the question set's place holds now, to be put back if the output fails.
    // One that cannot be read could not be put back either, so nothing is written then.
    std::string previous;
    const bool hadPrevious = pathKind(questionPath) == PathKind::File;
    if (hadPrevious && !readWholeFile(questionPath, previous, error)) {
        error = "cannot read the existing question set " + questionPath + ": " + error;
        return WriteResult::MoveFailed;
    }

    WriteResult r = replaceFile(questionPath, questionBytes, error);
    if (r != WriteResult::Ok) return r;
    r = replaceFile(outputPath, outputBytes, error);
    if (r == WriteResult::Ok) return r;

    std::string undoError;
    bool undone = hadPrevious ? replaceFile(questionPath, previous, undoError) == WriteResult::Ok
                              : removeFile(questionPath);
    if (!undone)
        error += "; the question set " + questionPath + " could not be put back" +
                 (undoError.empty() ? std::string() : ": " + undoError);
    return r;
}

}  // namespace vokan
