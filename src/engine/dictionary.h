#pragma once
// One PDIC one-line dictionary: lines of `headword /// translation`, Shift-JIS, or UTF-8
// when the file starts with a byte-order mark; LF or CR LF line ends.
//
// A sorted dictionary (ordered by headword bytes with ASCII letters lower-cased) is searched
// in place: a binary search over byte offsets that backs up to the start of the line it
// lands in, the way look(1) searches a word list, so only the pages it touches are read.
// Before its first search it notes the first headword of every block of the file (one
// page read per block), so each search narrows to one block in memory and probes only
// that block's pages instead of pages scattered over the whole file.
// An unsorted one gets an index first: the line offsets ordered by lower-cased headword.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

// The two parts of a dictionary line, trimmed of spaces and tabs, in the file's encoding.
struct DictionaryLine {
    std::string_view headword;
    std::string_view meaning;
};

// Splits `line` (without its line end) at the first " /// ". Absent when the line has no
// separator or its headword is empty: such lines are not entries.
std::optional<DictionaryLine> splitDictionaryLine(std::string_view line);

// True when the line ends are CR alone, judged from the first 64 KiB: a CR not followed by
// LF there, and no LF at all. Such a file reads as one endless line.
bool hasCrOnlyLineEnds(std::string_view bytes);

// Compares two headwords the way the dictionary is sorted: bytes, with ASCII letters
// lower-cased. In Shift-JIS the second byte of a double-byte character is never folded,
// since it is not a letter even where its value is one.
int compareHeadwords(std::string_view a, std::string_view b, bool shiftJis);

class Dictionary {
public:
    // Bytes per block of the in-place search's block table.
    static constexpr std::size_t kBlockSize = 32 * 1024;

    // Views `bytes`, which must outlive the dictionary (a mapped file, or a test's string).
    // `blockSize` (at least 1) is for tests, which use small blocks to cross many of them.
    explicit Dictionary(std::string_view bytes, std::size_t blockSize = kBlockSize);

    // Orders the entries for searching; needed when the file is not sorted.
    void buildIndex();
    bool indexed() const { return indexed_; }

    bool isUtf8() const { return utf8_; }

    // `utf8` in the file's encoding, for use as a key; absent when the file's encoding
    // cannot hold it (then no headword can equal it).
    std::optional<std::string> encodeKey(std::string_view utf8) const;
    // Text of the file (a headword or meaning) as UTF-8.
    std::string decode(std::string_view raw) const;

    // Appends every entry whose headword equals `key` (file encoding) without regard to
    // ASCII case, in file order.
    void findAll(std::string_view key, std::vector<DictionaryLine>& out) const;
    // True when some headword starts with `prefix` (file encoding), ASCII case ignored.
    bool hasPrefix(std::string_view prefix) const;

private:
    struct IndexEntry {
        std::uint32_t keyOffset;  // into keys_, the folded headword
        std::uint32_t keyLength;
        std::size_t line;         // where the line starts in text_
    };

    std::string_view lineAt(std::size_t start) const;
    // The entry on the line at `start`, if it is one; `next` gets the next line's start.
    std::optional<DictionaryLine> entryAt(std::size_t start, std::size_t& next) const;
    std::size_t nextLine(std::size_t start) const;
    std::size_t lineStartBefore(std::size_t pos, std::size_t floor) const;
    std::size_t lowerBound(std::string_view key) const;
    std::size_t lowerBound(std::string_view key, std::size_t lo, std::size_t hi) const;
    void buildBlocks() const;
    std::size_t indexLowerBound(std::string_view key) const;

    std::string_view text_;  // the bytes after a byte-order mark
    bool utf8_ = false;
    bool indexed_ = false;
    std::vector<IndexEntry> index_;
    std::string keys_;

    // The block table: for each block, its first entry line and that line's headword as
    // written (in blockKeys_), in file order; built on the first in-place search. Searching
    // is therefore not safe from several threads at once.
    std::size_t blockSize_;
    mutable bool blocksBuilt_ = false;
    struct Block {
        std::uint32_t keyOffset;  // into blockKeys_
        std::uint32_t keyLength;
        std::size_t line;         // the entry's line start in text_
        std::size_t next;         // and the start of the line after it
    };
    mutable std::vector<Block> blocks_;
    mutable std::string blockKeys_;
};

}  // namespace vokan
