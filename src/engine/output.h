#pragma once
// The vocabulary list as the bytes of an output file.
#include <string>
#include <vector>

#include "engine/extract.h"

namespace vokan {

// csv: Shift-JIS, CR LF, a header row `word,meaning,count,example`, then one row per entry.
// A field holding a comma, a double quote, CR or LF is quoted, its quotes doubled.
std::string csvText(const std::vector<VocabularyEntry>& entries);

// vkndb5s, version 1: UTF-8 without a byte-order mark, CR LF line ends. Line 1 is
// `vkndb5s<TAB>1`, line 2 the header `word<TAB>meaning<TAB>count<TAB>example`, then one
// entry per line. Inside a field a backslash is written `\\`, a TAB `\t`, a CR `\r` and
// an LF `\n`, so every entry stays on its line.
std::string vkndb5sText(const std::vector<VocabularyEntry>& entries);

}  // namespace vokan
