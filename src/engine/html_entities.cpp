#include "engine/html_entities.h"

#include <algorithm>
#include <iterator>

#include "engine/unicode.h"

namespace vokan {
namespace {

struct NamedReference {
    std::string_view name;
    char32_t cp;  // 0: the reference stands for nothing (soft hyphen, zero-width marks)
};

// Sorted by name (byte order) for a binary search.
constexpr NamedReference kNamed[] = {
    {"AElig", 0xC6},   {"Aacute", 0xC1},  {"Agrave", 0xC0},  {"Auml", 0xC4},
    {"Ccedil", 0xC7},  {"Eacute", 0xC9},  {"Egrave", 0xC8},  {"Ntilde", 0xD1},
    {"OElig", 0x152},  {"Ouml", 0xD6},    {"Prime", 0x2033}, {"Uuml", 0xDC},
    {"aacute", 0xE1},  {"acute", 0xB4},   {"aelig", 0xE6},   {"agrave", 0xE0},
    {"amp", 0x26},     {"apos", 0x27},    {"auml", 0xE4},    {"bdquo", 0x201E},
    {"bull", 0x2022},  {"ccedil", 0xE7},  {"cent", 0xA2},    {"copy", 0xA9},
    {"dagger", 0x2020}, {"deg", 0xB0},    {"divide", 0xF7},  {"eacute", 0xE9},
    {"egrave", 0xE8},  {"emsp", 0x2003},  {"ensp", 0x2002},  {"euml", 0xEB},
    {"euro", 0x20AC},  {"gt", 0x3E},      {"hellip", 0x2026}, {"iexcl", 0xA1},
    {"iquest", 0xBF},  {"laquo", 0xAB},   {"ldquo", 0x201C}, {"lrm", 0},
    {"lsaquo", 0x2039}, {"lsquo", 0x2018}, {"lt", 0x3C},     {"mdash", 0x2014},
    {"middot", 0xB7},  {"minus", 0x2212}, {"nbsp", 0xA0},    {"ndash", 0x2013},
    {"ntilde", 0xF1},  {"oelig", 0x153},  {"ouml", 0xF6},    {"para", 0xB6},
    {"pound", 0xA3},   {"prime", 0x2032}, {"quot", 0x22},    {"raquo", 0xBB},
    {"rdquo", 0x201D}, {"reg", 0xAE},     {"rlm", 0},        {"rsaquo", 0x203A},
    {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"sect", 0xA7},    {"shy", 0},
    {"szlig", 0xDF},   {"thinsp", 0x2009}, {"times", 0xD7},  {"trade", 0x2122},
    {"uuml", 0xFC},    {"yen", 0xA5},     {"zwj", 0},        {"zwnj", 0},
};

constexpr bool namesSorted() {
    for (size_t i = 1; i < std::size(kNamed); ++i) {
        if (!(kNamed[i - 1].name < kNamed[i].name)) return false;
    }
    return true;
}
static_assert(namesSorted(), "the named references must stay sorted for the binary search");

bool isLegacyName(std::string_view name) {
    return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "nbsp" ||
           name == "copy" || name == "reg" || name == "AMP" || name == "LT" || name == "GT" ||
           name == "QUOT";
}

const NamedReference* findNamed(std::string_view name) {
    // The legacy upper-case spellings mean the same as the lower-case ones.
    if (name == "AMP") name = "amp";
    else if (name == "LT") name = "lt";
    else if (name == "GT") name = "gt";
    else if (name == "QUOT") name = "quot";
    const auto it = std::lower_bound(std::begin(kNamed), std::end(kNamed), name,
                                     [](const NamedReference& r, std::string_view n) { return r.name < n; });
    return it != std::end(kNamed) && it->name == name ? it : nullptr;
}

bool isAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

size_t decodeNumeric(std::string_view html, size_t pos, std::string& out) {
    size_t i = pos + 2;  // after "&#"
    const bool hex = i < html.size() && (html[i] == 'x' || html[i] == 'X');
    if (hex) ++i;
    const size_t digitsStart = i;
    char32_t value = 0;
    bool tooBig = false;
    while (i < html.size()) {
        const int digit = digitValue(html[i], hex);
        if (digit < 0) break;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (value > 0x10FFFF) {
            tooBig = true;
            value = 0x110000;  // stays out of range without overflowing
        }
        ++i;
    }
    if (i == digitsStart) return 0;
    if (i < html.size() && html[i] == ';') ++i;
    if (tooBig || value == 0 || (value >= 0xD800 && value <= 0xDFFF)) {
        value = kReplacementChar;
    } else if (value >= 0x80 && value <= 0x9F) {
        value = windows1252Char(static_cast<unsigned char>(value));
    }
    appendUtf8(out, value);
    return i - pos;
}

}  // namespace

size_t decodeCharacterReference(std::string_view html, size_t pos, std::string& out) {
    if (pos + 1 >= html.size()) return 0;
    if (html[pos + 1] == '#') return decodeNumeric(html, pos, out);
    size_t i = pos + 1;
    while (i < html.size() && isAlnum(html[i]) && i - pos <= 32) ++i;
    const std::string_view name = html.substr(pos + 1, i - pos - 1);
    if (name.empty()) return 0;
    const NamedReference* found = findNamed(name);
    if (!found) return 0;
    const bool semicolon = i < html.size() && html[i] == ';';
    if (!semicolon) {
        // Without its semicolon only an old name counts, and not inside a word or a URL
        // query ("&copy=2").
        if (!isLegacyName(name) || (i < html.size() && html[i] == '=')) return 0;
    }
    if (found->cp != 0) appendUtf8(out, found->cp);
    return i - pos + (semicolon ? 1 : 0);
}

}  // namespace vokan
