#pragma once
// Adding the words of a finished list to the learner's known words (env/known.txt): the
// headwords read back from any list this engine writes, and the file's new content.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

// The headwords of a list this engine wrote, in list order, UTF-8: a csv or vkndb5s list,
// an html1 or html2 page, or the question set of any of them (whose answers name the
// headwords). Nothing when the bytes are none of these.
std::optional<std::vector<std::string>> listedHeadwords(std::string_view bytes);

struct KnownWordsUpdate {
    std::string bytes;  // the file's new content
    size_t added = 0;   // lines added
};

// known.txt's content with `words` added: the existing bytes kept as they are, then each
// word not already in the file (ASCII case ignored, as the list is read) on a line of its
// own, in order, none twice. New lines are written in the file's encoding (UTF-8 after a
// byte-order mark, else Shift-JIS) and with its line ends (CR LF unless the file uses LF).
// A word that the encoding cannot hold, that holds a control character, or that would read
// as a comment is passed over.
KnownWordsUpdate addKnownWords(std::string_view existing, const std::vector<std::string>& words);

}  // namespace vokan
