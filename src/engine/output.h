#pragma once
// The vocabulary list as the bytes of an output file.
#include <string>
#include <vector>

#include "engine/command_line.h"
#include "engine/extract.h"
#include "engine/html_output.h"
#include "engine/question_set.h"

namespace vokan {

// csv: Shift-JIS, CR LF, a header row `word,meaning,count,example`, then one row per entry.
// A field holding a comma, a double quote, CR or LF is quoted, its quotes doubled.
std::string csvText(const std::vector<VocabularyEntry>& entries);

// vkndb5s, version 1: UTF-8 without a byte-order mark, CR LF line ends. Line 1 is
// `vkndb5s<TAB>1`, line 2 the header `word<TAB>meaning<TAB>count<TAB>example`, then one
// entry per line. Inside a field a backslash is written `\\`, a TAB `\t`, a CR `\r` and
// an LF `\n`, so every entry stays on its line.
std::string vkndb5sText(const std::vector<VocabularyEntry>& entries);

// A question set as csv: Shift-JIS, CR LF, the header `question,answer`, then one row per
// question (the answer as answerText gives it), quoted as the list's csv.
std::string questionCsvText(const std::vector<Question>& questions);

// A question set as vkndb5s: `vkndb5s<TAB>1`, the header `question<TAB>answer`, then one
// question per line, UTF-8, CR LF, with the list's escapes.
std::string questionVkndb5sText(const std::vector<Question>& questions);

// The output file's bytes in `format`; `pages` is used by html1 and html2 only.
std::string outputText(OutputFormat format, const std::vector<VocabularyEntry>& entries,
                       const PageFiles& pages);

// The question set's bytes in the output's format family: csv, vkndb5s, or one page for
// both HTML formats.
std::string questionSetText(OutputFormat format, const std::vector<Question>& questions,
                            const PageFiles& pages);

}  // namespace vokan
