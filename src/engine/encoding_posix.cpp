// Shift-JIS (code page 932) through iconv. iconv stops at the first byte it cannot
// convert; each stop is resolved here by hand (one replacement, then on past the bad
// bytes), so every call moves forward and the loops end.
#include <algorithm>
#include <cerrno>
#include <iconv.h>

#include "engine/encoding.h"
#include "engine/unicode.h"

namespace vokan {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `in` as it can, appending to `out`. Returns the number of input
    // bytes consumed; `error` tells why it stopped when that is less than all of them.
    // The input goes to iconv in windows of limited size, so that work per call (and what a
    // checking tool does with each call's whole input range) stays bounded even when the
    // text holds one bad byte after another.
    size_t convert(std::string_view in, std::string& out, int& error) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        size_t done = 0;
        error = 0;
        while (done < in.size()) {
            const size_t window = std::min(in.size() - done, kWindow);
            char* inPtr = const_cast<char*>(in.data() + done);
            size_t inLeft = window;
            int stop = 0;
            while (inLeft > 0) {
                char buffer[4 * kWindow];
                char* outPtr = buffer;
                size_t outLeft = sizeof buffer;
                const size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
                out.append(buffer, static_cast<size_t>(outPtr - buffer));
                if (result == static_cast<size_t>(-1)) {
                    if (errno == E2BIG) continue;
                    stop = errno;
                    break;
                }
            }
            const size_t consumed = window - inLeft;
            done += consumed;
            // A character cut by the window's end is finished in the next window.
            const bool cutByWindow = stop == EINVAL && done + inLeft < in.size() && consumed > 0;
            if (stop != 0 && !cutByWindow) {
                error = stop;
                break;
            }
        }
        return done;
    }

private:
    static constexpr size_t kWindow = 1024;
    iconv_t handle_;
};

// One converter per direction and thread, opened on first use: opening one costs more than
// converting a typical list-file line.
Converter& toUtf8() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& toShiftJis() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

std::string shiftJisToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    Converter& converter = toUtf8();
    if (!converter.ok()) {
        // No CP932 table on this system: keep ASCII, mark everything else.
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80) out.push_back(c);
            else out.append(kReplacementUtf8);
        }
        return out;
    }
    size_t pos = 0;
    while (pos < bytes.size()) {
        int error = 0;
        pos += converter.convert(bytes.substr(pos), out, error);
        if (pos >= bytes.size()) break;
        // An undefined pair is replaced as one character; a lead byte without a trail byte,
        // or a byte undefined on its own, as one byte.
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        const bool pair = isShiftJisLead(lead) && pos + 1 < bytes.size() &&
                          isShiftJisTrail(static_cast<unsigned char>(bytes[pos + 1]));
        out.append(kReplacementUtf8);
        pos += pair ? 2 : 1;
    }
    return out;
}

std::string utf8ToShiftJis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    Converter& converter = toShiftJis();
    size_t pos = 0;
    while (pos < utf8.size()) {
        int error = 0;
        if (converter.ok()) {
            pos += converter.convert(utf8.substr(pos), out, error);
            if (pos >= utf8.size()) break;
        }
        // Unrepresentable or malformed: one '?' for the character, or for the bad byte.
        char32_t cp = 0;
        const size_t start = pos;
        const bool valid = decodeUtf8(utf8, pos, cp);
        if (valid && cp < 0x80 && !converter.ok()) {
            out.push_back(utf8[start]);
        } else {
            out.push_back('?');
        }
    }
    return out;
}

}  // namespace vokan
