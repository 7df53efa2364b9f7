#include "engine/known_words.h"

#include <unordered_set>

#include "engine/encoding.h"
#include "engine/html_entities.h"
#include "engine/list_lines.h"
#include "engine/word_lists.h"

namespace vokan {
namespace {

// What the answer of a question set holds: "headword: meaning", or the headword alone.
std::string answerHeadword(std::string_view answer) {
    const size_t colon = answer.find(": ");
    return std::string(answer.substr(0, colon));
}

// The records of an RFC 4180 text: fields split at commas, records at CR LF or LF, quoted
// fields with doubled quotes. A quote left open runs to the end of the text.
std::vector<std::vector<std::string>> csvRecords(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool any = false;  // the record has begun
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r') ++i;
            if (any || !field.empty()) {
                record.push_back(std::move(field));
                records.push_back(std::move(record));
            }
            field.clear();
            record.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any || !field.empty()) {
        record.push_back(std::move(field));
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<std::vector<std::string>> csvHeadwords(std::string_view utf8) {
    const std::vector<std::vector<std::string>> records = csvRecords(utf8);
    if (records.empty()) return std::nullopt;
    const std::vector<std::string>& header = records.front();
    const bool list = header == std::vector<std::string>{"word", "meaning", "count", "example"};
    const bool questions = header == std::vector<std::string>{"question", "answer"};
    if (!list && !questions) return std::nullopt;
    std::vector<std::string> words;
    for (size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& r = records[i];
        if (list) words.push_back(r[0]);
        else if (r.size() >= 2) words.push_back(answerHeadword(r[1]));
    }
    return words;
}

// A field of a vkndb5s line with its escapes undone.
std::string tsvField(std::string_view field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char e = field[++i];
        out += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
    }
    return out;
}

std::optional<std::vector<std::string>> vkndb5sHeadwords(std::string_view bytes) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    if (lines.size() < 2 || lines[0] != "vkndb5s\t1") return std::nullopt;
    const bool list = lines[1] == "word\tmeaning\tcount\texample";
    if (!list && lines[1] != "question\tanswer") return std::nullopt;
    std::vector<std::string> words;
    for (size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const size_t tab = lines[i].find('\t');
        if (list) {
            words.push_back(tsvField(lines[i].substr(0, tab)));
        } else if (tab != std::string_view::npos) {
            words.push_back(answerHeadword(tsvField(lines[i].substr(tab + 1))));
        }
    }
    return words;
}

// The pages write each headword as the text of the one element of class "headword" in its
// row: <span class="headword">...</span> or <a class="headword" ...>...</a>. Every text and
// attribute value is escaped there, so the marker and the brackets cannot occur inside one.
std::optional<std::vector<std::string>> pageHeadwords(std::string_view page) {
    if (page.find("<meta name=\"generator\" content=\"vokan\">") == std::string_view::npos) return std::nullopt;
    static constexpr std::string_view kMarker = "class=\"headword\"";
    std::vector<std::string> words;
    for (size_t at = page.find(kMarker); at != std::string_view::npos; at = page.find(kMarker, at)) {
        const size_t open = page.find('>', at);
        if (open == std::string_view::npos) break;
        const size_t close = page.find('<', open);
        const std::string_view text = page.substr(open + 1, close == std::string_view::npos ? page.npos : close - open - 1);
        std::string word;
        for (size_t i = 0; i < text.size();) {
            if (text[i] == '&') {
                if (const size_t used = decodeCharacterReference(text, i, word)) {
                    i += used;
                    continue;
                }
            }
            word += text[i++];
        }
        words.push_back(std::move(word));
        at = open;
    }
    return words;
}

bool storable(const std::string& word) {
    if (word.empty() || word.front() == '#' || word.front() == ' ' || word.back() == ' ') return false;
    for (char c : word) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return isValidUtf8(word);
}

}  // namespace

std::optional<std::vector<std::string>> listedHeadwords(std::string_view bytes) {
    if (auto words = vkndb5sHeadwords(bytes)) return words;
    if (auto words = pageHeadwords(bytes)) return words;
    // csv is Shift-JIS as the engine writes it; one saved again as UTF-8 with a mark is read
    // too.
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return csvHeadwords(bytes.substr(kUtf8Bom.size()));
    return csvHeadwords(shiftJisToUtf8(bytes));
}

KnownWordsUpdate addKnownWords(std::string_view existing, const std::vector<std::string>& words) {
    KnownWordsUpdate update;
    update.bytes = std::string(existing);
    const bool utf8 = existing.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    const size_t firstEnd = existing.find('\n');
    const std::string lineEnd =
        firstEnd != std::string_view::npos && (firstEnd == 0 || existing[firstEnd - 1] != '\r') ? "\n" : "\r\n";

    std::unordered_set<std::string> known;  // lower-cased, as the list is compared
    for (const std::string& line : readListLines(existing)) {
        const size_t first = line.find_first_not_of(" \t");
        const size_t last = line.find_last_not_of(" \t");
        known.insert(asciiLower(std::string_view(line).substr(first, last - first + 1)));
    }
    for (const std::string& word : words) {
        if (!storable(word) || !known.insert(asciiLower(word)).second) continue;
        const std::string encoded = utf8 ? word : utf8ToShiftJis(word);
        if (!utf8 && shiftJisToUtf8(encoded) != word) continue;  // not a Shift-JIS character
        // A last line without its line end gets one first; a CR already there gets its LF.
        if (!update.bytes.empty() && update.bytes.back() != '\n')
            update.bytes += update.bytes.back() == '\r' ? "\n" : lineEnd;
        update.bytes += encoded;
        update.bytes += lineEnd;
        ++update.added;
    }
    return update;
}

}  // namespace vokan
