#include "engine/sentences.h"

#include <algorithm>
#include <initializer_list>

namespace vokan {
namespace {

// A sentence that runs on without an end mark is cut at white space past this length, and
// anywhere past the hard limit, so one endless line cannot become every entry's example.
constexpr size_t kSoftLimit = 1024;
constexpr size_t kHardLimit = 4096;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Closing quotes and brackets that stay with the mark before them.
size_t closerLength(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    const char c = text[pos];
    if (c == '"' || c == '\'' || c == ')' || c == ']' || c == '}') return 1;
    for (const std::string_view closer : {"\u2019", "\u201D", "\u00BB", "\u300D", "\u300F",
                                          "\uFF09"}) {
        if (text.compare(pos, closer.size(), closer) == 0) return closer.size();
    }
    return 0;
}

// Marks that end a sentence by themselves: the Japanese full stop, and full-width ! and ?.
size_t fullWidthStopLength(std::string_view text, size_t pos) {
    for (const std::string_view stop : {"\u3002", "\uFF01", "\uFF1F"}) {
        if (text.compare(pos, stop.size(), stop) == 0) return stop.size();
    }
    return 0;
}

// True when the period just appended to `sentence` follows an abbreviation or an initial.
bool periodAfterAbbreviation(const std::string& sentence) {
    // The word before the period: letters and inner periods, back to a space or the start.
    size_t start = sentence.size() - 1;
    while (start > 0 && sentence.size() - start < 12) {
        const char c = sentence[start - 1];
        if (!(isLower(c) || isUpper(c) || c == '.')) break;
        --start;
    }
    if (start > 0 && sentence[start - 1] != ' ' && sentence[start - 1] != '(' &&
        sentence[start - 1] != '"') {
        return false;
    }
    std::string word;
    for (size_t i = start; i + 1 < sentence.size(); ++i) {
        char c = sentence[i];
        if (isUpper(c)) c = static_cast<char>(c - 'A' + 'a');
        word.push_back(c);
    }
    if (word.empty()) return false;
    if (word.size() == 1 && isUpper(sentence[start])) return true;  // an initial: "J. Smith"
    static const std::initializer_list<std::string_view> kAbbreviations = {
        "mr", "mrs", "ms", "dr", "prof", "st", "jr", "sr", "vs", "e.g", "i.e", "cf", "fig",
        "approx", "mt", "capt", "gen", "gov", "sen", "rep", "rev", "lt", "col", "sgt", "vol", "pp", "a.m", "p.m", "u.s", "u.k"};
    return std::find(kAbbreviations.begin(), kAbbreviations.end(), word) != kAbbreviations.end();
}

class SentenceBuilder {
public:
    explicit SentenceBuilder(std::vector<std::string>& out) : out_(out) {}
    void space() { pendingSpace_ = !current_.empty(); }
    void append(std::string_view part) {
        if (pendingSpace_) current_.push_back(' ');
        pendingSpace_ = false;
        current_.append(part);
    }
    const std::string& current() const { return current_; }
    void end() {
        if (!current_.empty()) out_.push_back(std::move(current_));
        current_.clear();
        pendingSpace_ = false;
    }

private:
    std::vector<std::string>& out_;
    std::string current_;
    bool pendingSpace_ = false;
};

// Bytes that can neither end a sentence nor start something that does: everything but white
// space, the three marks and the lead byte of the full-width stops.
bool isOrdinary(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return !isSpace(c) && c != '.' && c != '!' && c != '?' && byte != 0xE3 && byte != 0xEF;
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Appends the run of ordinary bytes at `pos` in pieces, ending the sentence whenever it
// reaches the hard limit, at a character boundary when there is one.
void appendOrdinaryRun(std::string_view text, size_t& pos, SentenceBuilder& builder) {
    size_t end = pos;
    while (end < text.size() && isOrdinary(text[end])) ++end;
    while (pos < end) {
        size_t size = builder.current().size();
        if (size >= kHardLimit && !isContinuation(text[pos])) {
            builder.end();
            size = 0;
        }
        // Past the limit only the rest of a started character is taken.
        const size_t room = size >= kHardLimit ? 4 : kHardLimit - size;
        size_t take = std::min(end - pos, room);
        while (take > 0 && pos + take < end && isContinuation(text[pos + take])) --take;
        if (take == 0) take = std::min(end - pos, room);
        builder.append(text.substr(pos, take));
        pos += take;
    }
}

}  // namespace

std::vector<std::string> splitSentences(std::string_view text) {
    std::vector<std::string> sentences;
    SentenceBuilder builder(sentences);
    size_t newlines = 0;  // line breaks since the last visible character
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isSpace(c)) {
            if (c == '\n' && ++newlines == 2) builder.end();  // a blank line
            builder.space();
            if (builder.current().size() >= kSoftLimit) builder.end();
            ++pos;
            continue;
        }
        newlines = 0;
        if (isOrdinary(c)) {
            appendOrdinaryRun(text, pos, builder);
            continue;
        }
        if (builder.current().size() >= kHardLimit) builder.end();
        if (const size_t stop = fullWidthStopLength(text, pos)) {
            size_t end = pos + stop;
            while (end - pos < 32 && closerLength(text, end)) end += closerLength(text, end);
            builder.append(text.substr(pos, end - pos));
            builder.end();
            pos = end;
            continue;
        }
        if (c != '.' && c != '!' && c != '?') {
            builder.append(text.substr(pos, 1));  // a lead byte that starts no full stop
            ++pos;
            continue;
        }
        // An end mark ends the sentence when white space or the end follows it (after any
        // closing quotes or brackets).
        const size_t mark = pos;
        size_t end = pos + 1;
        while (end - pos < 32 && closerLength(text, end)) end += closerLength(text, end);
        builder.append(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && !isSpace(text[pos])) continue;
        if (c == '.' && end == mark + 1 && periodAfterAbbreviation(builder.current())) continue;
        if (c == '.') {
            // "etc. and so on": a lower-case word next means the sentence goes on.
            size_t next = pos;
            while (next < text.size() && (text[next] == ' ' || text[next] == '\t')) ++next;
            if (next < text.size() && isLower(text[next])) continue;
        }
        builder.end();
    }
    builder.end();
    return sentences;
}

}  // namespace vokan
