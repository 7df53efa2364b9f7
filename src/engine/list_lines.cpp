#include "engine/list_lines.h"

#include "engine/encoding.h"

namespace vokan {
namespace {

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool isAscii(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

void forEachListLine(std::string_view bytes, const std::function<void(std::string_view)>& visit) {
    const bool utf8 = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8) bytes.remove_prefix(kUtf8Bom.size());
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = next;
        // '#' and blanks are the same byte in both encodings, so the test can come first.
        if (isBlank(line) || line.front() == '#') continue;
        // ASCII is the same in both encodings: most lines of a word list need no conversion.
        if (utf8 || isAscii(line)) {
            visit(line);
        } else {
            visit(shiftJisToUtf8(line));
        }
    }
}

std::vector<std::string> readListLines(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachListLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace vokan
