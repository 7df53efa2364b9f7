#pragma once
// Text split into sentences.
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

// The sentences of a UTF-8 text. A sentence ends at '.', '!' or '?' followed by white
// space or the end (closing quotes and brackets after the mark stay with it), at a
// Japanese full stop, and at a blank line. A period after a common abbreviation ("Mr.",
// "e.g.") or a single capital (an initial) does not end one. Each sentence is trimmed,
// every run of white space inside it (line breaks too) is one space; empty ones are dropped.
std::vector<std::string> splitSentences(std::string_view text);

}  // namespace vokan
