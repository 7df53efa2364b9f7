#pragma once
// Question sets: fill-in-the-blank questions made from the example sentences of a
// vocabulary list, written beside the list in its own format family.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/extract.h"
#include "engine/file_io.h"
#include "engine/html_output.h"

namespace vokan {

// What stands in a question where the word was: ASCII, so that it survives every output
// encoding and counts 3 half-width characters.
inline constexpr std::string_view kQuestionBlank = "( )";

struct Question {
    std::string text;      // the sentence with the blank
    std::size_t blankOffset = 0;  // where the blank stands in `text`, in bytes
    std::string headword;  // the answer
    std::string meaning;   // and its meaning ("" for a word found in no dictionary)
};

// The question set's path: `_q` before the extension of the output's file name
// ("out.csv" -> "out_q.csv", "a.b/page" -> "a.b/page_q"). A name whose only dot is its
// first character has no extension (".list" -> ".list_q").
std::string questionSetPath(std::string_view outputPath);

// The sentence of `entry` with its word replaced by the blank. With `width`, the text is
// cut after that many half-width characters (a character that is double-byte in Shift-JIS
// counts 2; a character that would cross the limit is left out whole), except that the cut
// never falls before the end of the blank. Trailing spaces of a cut text are dropped.
// Nothing when the entry's word cannot be found in its sentence.
std::optional<std::string> questionText(const VocabularyEntry& entry, std::optional<int> width);

// Up to `count` questions from the entries in list order; an entry whose word cannot be
// blanked is passed over.
std::vector<Question> makeQuestions(const std::vector<VocabularyEntry>& entries, int count,
                                    std::optional<int> width);

// The answer as one text: "headword: meaning", or the headword alone without a meaning.
std::string answerText(const Question& q);

// A page like the list's: the stylesheet and labels of `files`, a numbered table of
// question and answer. UTF-8, LF line ends.
std::string questionPage(const std::vector<Question>& questions, const PageFiles& files);

// Writes the output and its question set so that a failure leaves neither in place: the
// question set is written first through its temporary file; if the output then cannot be
// written, the question set is put back as it was (its earlier content restored, or the
// new file removed). On failure `error` says why and the result tells which step failed.
WriteResult replaceFilePair(const std::string& outputPath, std::string_view outputBytes,
                            const std::string& questionPath, std::string_view questionBytes,
                            std::string& error);

}  // namespace vokan
