// The portable half of the encodings: UTF-8 checks, UTF-16 and windows-1252. Shift-JIS
// conversion lives in the platform files (iconv, or the code page 932 API).
#include "engine/encoding.h"

#include "engine/unicode.h"

namespace vokan {

bool decodeUtf8(std::string_view text, size_t& pos, char32_t& cp) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    }
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (text.size() - pos < length) {
        ++pos;
        return false;
    }
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return false;
    }
    cp = value;
    pos += length;
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        if (!decodeUtf8(bytes, pos, cp)) return false;
    }
    return true;
}

std::string sanitizeUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < bytes.size()) {
        const size_t start = pos;
        if (decodeUtf8(bytes, pos, cp)) {
            out.append(bytes.substr(start, pos - start));
        } else {
            out.append(kReplacementUtf8);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
    };
    size_t i = 0;
    while (i + 1 < bytes.size()) {
        const char32_t first = unit(i);
        i += 2;
        if (first >= 0xD800 && first <= 0xDBFF) {
            if (i + 1 < bytes.size()) {
                const char32_t second = unit(i);
                if (second >= 0xDC00 && second <= 0xDFFF) {
                    i += 2;
                    appendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                    continue;
                }
            }
            appendUtf8(out, kReplacementChar);
        } else if (first >= 0xDC00 && first <= 0xDFFF) {
            appendUtf8(out, kReplacementChar);
        } else {
            appendUtf8(out, first);
        }
    }
    if (i < bytes.size()) appendUtf8(out, kReplacementChar);
    return out;
}

char32_t windows1252Char(unsigned char byte) {
    // 0x80-0x9F: the typographic characters windows-1252 puts where ISO-8859-1 has controls.
    static constexpr char32_t kHigh[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return byte;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) appendUtf8(out, windows1252Char(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace vokan
