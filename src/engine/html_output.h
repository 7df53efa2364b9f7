#pragma once
// The vocabulary list as a web page (html1: one dictionary link per word; html2: every
// dictionary and the pronunciation links), and the files of env/ that shape the page.
#include <string>
#include <string_view>
#include <vector>

#include "engine/extract.h"

namespace vokan {

// A line of webdict.txt or webwav.txt: a link's title and its address, with `%s` where
// the word goes.
struct WebLink {
    std::string title;
    std::string urlTemplate;
};

// The page's texts, from label.txt. Each key the file does not set keeps its Japanese
// default.
struct PageLabels {
    std::string title = "単語帳";
    std::string word = "単語";
    std::string meaning = "意味";
    std::string count = "回数";
    std::string example = "例文";
    std::string question = "問題";
    std::string answer = "答え";
};

// Everything a page needs besides the entries.
struct PageFiles {
    std::string style;                     // the stylesheet, UTF-8, safe inside <style>
    std::vector<WebLink> dictionaries;     // webdict.txt, in file order
    std::vector<WebLink> pronunciations;   // webwav.txt (html2 only; empty for html1)
    PageLabels labels;
};

enum class PageKind { Html1, Html2 };

// `title<TAB>URL` lines (list lines, already decoded). Spaces around both parts are trimmed;
// a line without a TAB, or with an empty title or URL, is skipped.
std::vector<WebLink> parseWebLinks(const std::vector<std::string>& lines);

// `key<TAB>text` lines. Keys are title, word, meaning, count, example, question, answer
// (any ASCII case); other keys and lines without a TAB are skipped. An empty text keeps the
// default, so a heading never disappears by accident.
PageLabels parseLabels(const std::vector<std::string>& lines);

// The stylesheet's bytes as UTF-8: a UTF-8 byte-order mark is dropped, valid UTF-8 is kept,
// anything else is read as Shift-JIS. "</" becomes "<\/" so that no text in the sheet can
// close the <style> element it is embedded in (a CSS escape that means the same "/").
std::string styleSheetText(std::string_view bytes);

struct PageFilesLoad {
    int exitCode = 0;     // 0, or the code of the first file that cannot be read
    std::string message;  // in English, when exitCode != 0
};

// Reads style.css (12), webdict.txt (13), webwav.txt (14, html2 only) and label.txt (15)
// from `envDir`, in that order, stopping at the first that cannot be read.
PageFilesLoad loadPageFiles(const std::string& envDir, PageKind kind, PageFiles& files);

// Text made safe for HTML content and attribute values: & < > " ' become references.
std::string htmlEscape(std::string_view text);

// A URL component: every byte but ASCII letters, digits and - . _ ~ as %XX (UTF-8 bytes).
std::string urlEncode(std::string_view text);

// The address of `link` for `word`: every "%s" replaced by the URL-encoded word.
std::string linkAddress(const WebLink& link, std::string_view word);

// True when the entry's word position lies inside its example and on character
// boundaries, so that the word can be marked or blanked without cutting a character.
bool wordPositionFits(const VocabularyEntry& entry);

// The complete page: UTF-8, LF line ends.
std::string htmlPage(const std::vector<VocabularyEntry>& entries, PageKind kind,
                     const PageFiles& files);

}  // namespace vokan
