#include "engine/dictionary.h"

#include "engine/encoding.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace vokan {

namespace {

constexpr std::string_view kSeparator = " /// ";
constexpr std::size_t kLineEndProbe = 64 * 1024;

bool isShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Yields the bytes of a headword as they sort: ASCII letters lower-cased, the second byte
// of a Shift-JIS pair untouched; -1 at the end, which sorts before every byte.
class FoldedBytes {
public:
    FoldedBytes(std::string_view s, bool shiftJis) : s_(s), shiftJis_(shiftJis) {}
    int next() {
        if (pos_ >= s_.size()) return -1;
        unsigned char c = static_cast<unsigned char>(s_[pos_++]);
        if (trail_) {
            trail_ = false;
            return c;
        }
        if (shiftJis_ && isShiftJisLead(c)) {
            trail_ = true;
            return c;
        }
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    }

private:
    std::string_view s_;
    bool shiftJis_;
    std::size_t pos_ = 0;
    bool trail_ = false;
};

void appendFolded(std::string& out, std::string_view s, bool shiftJis) {
    FoldedBytes bytes(s, shiftJis);
    for (int c = bytes.next(); c >= 0; c = bytes.next()) out += static_cast<char>(c);
}

std::string folded(std::string_view s, bool shiftJis) {
    std::string out;
    out.reserve(s.size());
    appendFolded(out, s, shiftJis);
    return out;
}

// True when `s` folded starts with `prefix` folded.
bool startsWithFolded(std::string_view s, std::string_view prefix, bool shiftJis) {
    FoldedBytes a(s, shiftJis), b(prefix, shiftJis);
    for (;;) {
        int y = b.next();
        if (y < 0) return true;
        if (a.next() != y) return false;
    }
}

// Replaces what is not well-formed UTF-8 with U+FFFD, so the outputs only ever carry text.
std::string wellFormedUtf8(std::string_view s) {
    if (isValidUtf8(s)) return std::string(s);
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (i + n <= s.size() && isValidUtf8(s.substr(i, n))) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

}  // namespace

std::optional<DictionaryLine> splitDictionaryLine(std::string_view line) {
    std::size_t at = line.find(kSeparator);
    if (at == std::string_view::npos) return std::nullopt;
    DictionaryLine parts{trimmed(line.substr(0, at)), trimmed(line.substr(at + kSeparator.size()))};
    if (parts.headword.empty()) return std::nullopt;
    return parts;
}

bool hasCrOnlyLineEnds(std::string_view bytes) {
    std::string_view probe = bytes.substr(0, kLineEndProbe);
    if (probe.find('\n') != std::string_view::npos) return false;
    for (std::size_t i = 0; i < probe.size(); ++i) {
        // A CR as the very last probed byte may be followed by an LF just past the probe.
        if (probe[i] == '\r' && (i + 1 < probe.size() || probe.size() == bytes.size()))
            return true;
    }
    return false;
}

int compareHeadwords(std::string_view a, std::string_view b, bool shiftJis) {
    FoldedBytes x(a, shiftJis), y(b, shiftJis);
    for (;;) {
        int p = x.next(), q = y.next();
        if (p != q) return p < q ? -1 : 1;
        if (p < 0) return 0;
    }
}

Dictionary::Dictionary(std::string_view bytes, std::size_t blockSize)
    : text_(bytes), blockSize_(std::max<std::size_t>(blockSize, 1)) {
    if (text_.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        text_.remove_prefix(kUtf8Bom.size());
        utf8_ = true;
    }
}

std::string_view Dictionary::lineAt(std::size_t start) const {
    std::size_t end = text_.find('\n', start);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::optional<DictionaryLine> Dictionary::entryAt(std::size_t start, std::size_t& next) const {
    const void* nl = std::memchr(text_.data() + start, '\n', text_.size() - start);
    const std::size_t end = nl == nullptr ? text_.size() : static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data());
    next = nl == nullptr ? end : end + 1;
    std::string_view line = text_.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return splitDictionaryLine(line);
}

std::size_t Dictionary::nextLine(std::size_t start) const {
    std::size_t end = text_.find('\n', start);
    return end == std::string_view::npos ? text_.size() : end + 1;
}

std::size_t Dictionary::lineStartBefore(std::size_t pos, std::size_t floor) const {
#if defined(__GLIBC__)
    // The C library's backward search reads a word at a time.
    const void* end = pos > floor ? memrchr(text_.data() + floor, '\n', pos - floor) : nullptr;
    return end == nullptr ? floor : static_cast<std::size_t>(static_cast<const char*>(end) - text_.data()) + 1;
#else
    while (pos > floor && text_[pos - 1] != '\n') --pos;
    return pos;
#endif
}

void Dictionary::buildIndex() {
    index_.clear();
    keys_.clear();
    for (std::size_t start = 0; start < text_.size(); start = nextLine(start)) {
        std::optional<DictionaryLine> parts = splitDictionaryLine(lineAt(start));
        if (!parts) continue;
        if (keys_.size() + parts->headword.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("dictionary too large to index");
        const std::size_t offset = keys_.size();
        appendFolded(keys_, parts->headword, !utf8_);
        index_.push_back({static_cast<std::uint32_t>(offset),
                          static_cast<std::uint32_t>(keys_.size() - offset), start});
    }
    index_.shrink_to_fit();
    const std::string& keys = keys_;
    // Equal headwords stay in file order: the line offset breaks the tie.
    std::sort(index_.begin(), index_.end(), [&keys](const IndexEntry& a, const IndexEntry& b) {
        int c = std::string_view(keys).substr(a.keyOffset, a.keyLength)
                    .compare(std::string_view(keys).substr(b.keyOffset, b.keyLength));
        return c != 0 ? c < 0 : a.line < b.line;
    });
    indexed_ = true;
}

std::optional<std::string> Dictionary::encodeKey(std::string_view utf8) const {
    // ASCII is the same in both encodings; most keys are English words.
    if (utf8_ || isAscii(utf8)) return std::string(utf8);
    std::string encoded = utf8ToShiftJis(utf8);
    // The code page writes "?" for what it cannot hold: such a key cannot be a headword.
    if (std::count(encoded.begin(), encoded.end(), '?') != std::count(utf8.begin(), utf8.end(), '?'))
        return std::nullopt;
    return encoded;
}

std::string Dictionary::decode(std::string_view raw) const {
    if (isAscii(raw)) return std::string(raw);
    return utf8_ ? wellFormedUtf8(raw) : shiftJisToUtf8(raw);
}

// Notes the first entry line at or after each block boundary. Each boundary costs the page
// it falls in (and the next, where a line crosses it); a run of lines that are not entries
// is read once, however many boundaries it spans.
void Dictionary::buildBlocks() const {
    blocks_.clear();
    blockKeys_.clear();
    std::size_t cursor = 0;  // every line before it has been looked at
    std::size_t boundary = 0;
    while (boundary < text_.size()) {
        std::size_t start = 0;
        if (boundary > 0) {
            const void* nl = std::memchr(text_.data() + boundary - 1, '\n', text_.size() - boundary + 1);
            if (nl == nullptr) break;
            start = static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data()) + 1;
        }
        start = std::max(start, cursor);
        std::optional<DictionaryLine> parts;
        std::size_t next = start;
        while (start < text_.size() && !(parts = entryAt(start, next))) start = next;
        if (start >= text_.size()) break;
        if (blockKeys_.size() + parts->headword.size() > std::numeric_limits<std::uint32_t>::max()) break;
        blocks_.push_back({static_cast<std::uint32_t>(blockKeys_.size()),
                           static_cast<std::uint32_t>(parts->headword.size()), start, next});
        blockKeys_.append(parts->headword);
        cursor = next;
        if (text_.size() - boundary <= blockSize_) break;
        boundary += blockSize_;
        // Lines longer than a block: go on at the first boundary past what was read.
        if (boundary < cursor) boundary = cursor + (blockSize_ - cursor % blockSize_) % blockSize_;
    }
    blocks_.shrink_to_fit();
    blocksBuilt_ = true;
}

// The start of the first line whose entry sorts at or after `key`, skipping lines that are
// not entries. The block table gives the two entries around `key`; the search in place
// then runs between them only.
std::size_t Dictionary::lowerBound(std::string_view key) const {
    if (!blocksBuilt_) buildBlocks();
    const bool shiftJis = !utf8_;
    const std::string_view keys(blockKeys_);
    // The first block whose first headword sorts at or after `key`.
    auto it = std::partition_point(blocks_.begin(), blocks_.end(), [&](const Block& b) {
        return compareHeadwords(keys.substr(b.keyOffset, b.keyLength), key, shiftJis) < 0;
    });
    const std::size_t hi = it == blocks_.end() ? text_.size() : it->line;
    const std::size_t lo = it == blocks_.begin() ? 0 : std::prev(it)->next;
    return lowerBound(key, lo, hi);
}

// Invariant: every entry starting before `lo` sorts before `key`; every entry starting at
// or after `hi` sorts at or after it. Both are line starts.
std::size_t Dictionary::lowerBound(std::string_view key, std::size_t lo, std::size_t hi) const {
    const bool shiftJis = !utf8_;
    while (lo < hi) {
        std::size_t mid = lo + (hi - lo) / 2;
#if defined(__GNUC__)
        // The probe after this one lands near one of these two bytes: ask for both now so
        // their memory arrives while this line is compared.
        __builtin_prefetch(text_.data() + lo + (mid - lo) / 2);
        __builtin_prefetch(text_.data() + mid + (hi - mid) / 2);
#endif
        std::size_t start = lineStartBefore(mid, lo);
        std::size_t probe = start;
        std::size_t next = probe;
        std::optional<DictionaryLine> parts;
        while (probe < hi && !(parts = entryAt(probe, next))) probe = next;
        if (probe >= hi) {
            hi = start;  // only non-entries between start and hi
        } else if (compareHeadwords(parts->headword, key, shiftJis) < 0) {
            lo = next;
        } else {
            hi = start;
        }
    }
    return lo;
}

std::size_t Dictionary::indexLowerBound(std::string_view key) const {
    const std::string& keys = keys_;
    auto it = std::lower_bound(index_.begin(), index_.end(), key,
                               [&keys](const IndexEntry& e, std::string_view k) {
                                   return std::string_view(keys).substr(e.keyOffset, e.keyLength) < k;
                               });
    return static_cast<std::size_t>(it - index_.begin());
}

void Dictionary::findAll(std::string_view key, std::vector<DictionaryLine>& out) const {
    const bool shiftJis = !utf8_;
    if (indexed_) {
        const std::string target = folded(key, shiftJis);
        for (std::size_t i = indexLowerBound(target); i < index_.size(); ++i) {
            const IndexEntry& e = index_[i];
            if (std::string_view(keys_).substr(e.keyOffset, e.keyLength) != target) break;
            if (auto parts = splitDictionaryLine(lineAt(e.line))) out.push_back(*parts);
        }
        return;
    }
    std::size_t next = 0;
    for (std::size_t start = lowerBound(key); start < text_.size(); start = next) {
        std::optional<DictionaryLine> parts = entryAt(start, next);
        if (!parts) continue;
        if (compareHeadwords(parts->headword, key, shiftJis) != 0) break;
        out.push_back(*parts);
    }
}

bool Dictionary::hasPrefix(std::string_view prefix) const {
    const bool shiftJis = !utf8_;
    if (indexed_) {
        const std::string target = folded(prefix, shiftJis);
        std::size_t i = indexLowerBound(target);
        if (i >= index_.size()) return false;
        std::string_view k = std::string_view(keys_).substr(index_[i].keyOffset, index_[i].keyLength);
        return k.substr(0, target.size()) == target;
    }
    std::size_t next = 0;
    for (std::size_t start = lowerBound(prefix); start < text_.size(); start = next) {
        if (auto parts = entryAt(start, next))
            return startsWithFolded(parts->headword, prefix, shiftJis);
    }
    return false;
}

}  // namespace vokan
