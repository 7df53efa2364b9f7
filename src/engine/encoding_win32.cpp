// Shift-JIS (code page 932) through the system's conversion functions. With
// MB_ERR_INVALID_CHARS a call fails as a whole on one bad byte, so text is converted in
// chunks cut at character boundaries, and only a chunk that fails is redone character by
// character, each bad one replaced on its own.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "engine/encoding.h"
#include "engine/unicode.h"

namespace vokan {
namespace {

constexpr UINT kShiftJis = 932;
constexpr size_t kChunk = 8192;

// Appends the UTF-16 of a chunk of Shift-JIS; false (nothing appended) when the chunk
// holds a byte or pair the code page does not define.
bool appendWide(std::string_view chunk, std::wstring& wide) {
    if (chunk.empty()) return true;
    const int inLength = static_cast<int>(chunk.size());
    const int length = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, chunk.data(),
                                           inLength, nullptr, 0);
    if (length <= 0) return false;
    const size_t start = wide.size();
    wide.resize(start + static_cast<size_t>(length));
    MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, chunk.data(), inLength,
                        &wide[start], length);
    return true;
}

void appendWideAsUtf8(const std::wstring& wide, std::string& out) {
    std::string_view bytes(reinterpret_cast<const char*>(wide.data()),
                           wide.size() * sizeof(wchar_t));
    out.append(utf16ToUtf8(bytes, false));
}

size_t shiftJisCharLength(std::string_view bytes, size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (isShiftJisLead(lead) && pos + 1 < bytes.size() &&
        isShiftJisTrail(static_cast<unsigned char>(bytes[pos + 1]))) {
        return 2;
    }
    return 1;
}

}  // namespace

std::string shiftJisToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::wstring wide;
    size_t pos = 0;
    while (pos < bytes.size()) {
        // Cut the chunk at a character boundary.
        size_t end = pos;
        while (end < bytes.size() && end - pos < kChunk) end += shiftJisCharLength(bytes, end);
        const std::string_view chunk = bytes.substr(pos, end - pos);
        wide.clear();
        if (!appendWide(chunk, wide)) {
            for (size_t i = 0; i < chunk.size();) {
                const size_t length = shiftJisCharLength(chunk, i);
                const bool lonelyLead = length == 1 &&
                    isShiftJisLead(static_cast<unsigned char>(chunk[i]));
                if (lonelyLead || !appendWide(chunk.substr(i, length), wide)) {
                    wide.push_back(static_cast<wchar_t>(kReplacementChar));
                }
                i += length;
            }
        }
        appendWideAsUtf8(wide, out);
        pos = end;
    }
    return out;
}

std::string utf8ToShiftJis(std::string_view utf8) {
    // Decode by hand so a malformed sequence becomes one '?' of its own; what the code page
    // cannot hold becomes the default character '?', with no best-fit look-alikes.
    std::wstring wide;
    wide.reserve(utf8.size());
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (!decodeUtf8(utf8, pos, cp) || cp >= 0x10000) {
            // Malformed, or beyond the basic plane, which code page 932 never holds.
            wide.push_back(L'?');
        } else {
            wide.push_back(static_cast<wchar_t>(cp));
        }
    }
    std::string out;
    size_t start = 0;
    while (start < wide.size()) {
        const size_t end = std::min(wide.size(), start + kChunk);
        const int inLength = static_cast<int>(end - start);
        const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, &wide[start],
                                               inLength, nullptr, 0, "?", nullptr);
        if (length > 0) {
            const size_t at = out.size();
            out.resize(at + static_cast<size_t>(length));
            WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, &wide[start], inLength,
                                &out[at], length, "?", nullptr);
        }
        start = end;
    }
    return out;
}

}  // namespace vokan
