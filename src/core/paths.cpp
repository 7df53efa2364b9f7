#include "core/paths.h"

#include "core/text.h"

namespace vokanti {

namespace {

// The length in bytes of the character that starts at `i`. A lead byte at the very end
// stands alone.
size_t charLength(std::string_view text, size_t i) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string normalizePath(std::string_view path) {
    std::string out(path);
    for (size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (out[i] == '\\') out[i] = '/';
    }
    return out;
}

std::string_view cutToBytes(std::string_view text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + charLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

PathParts splitPath(std::string_view path) {
    PathParts parts;
    // A drive needs a single-byte first character: a ":" after a lead byte would be the
    // second half of that character.
    if (path.size() >= 2 && path[1] == ':' &&
        !isLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }

    size_t componentStart = 0;     // just after the last separator
    size_t lastDot = std::string_view::npos;  // within the final component
    for (size_t i = 0; i < path.size(); i += charLength(path, i)) {
        if (isSeparator(path[i])) {
            componentStart = i + 1;
            lastDot = std::string_view::npos;
        } else if (path[i] == '.') {
            lastDot = i;
        }
    }
    const std::string_view directory = path.substr(0, componentStart);
    const size_t baseEnd = lastDot == std::string_view::npos ? path.size() : lastDot;
    const std::string_view baseName = path.substr(componentStart, baseEnd - componentStart);
    const std::string_view extension = path.substr(baseEnd);

    parts.directory = std::string(cutToBytes(directory, kMaxPathPart));
    parts.baseName = std::string(cutToBytes(baseName, kMaxPathPart));
    parts.extension = std::string(cutToBytes(extension, kMaxPathPart));
    return parts;
}

namespace {

// Characters no file name may hold: they would name a folder, a device or a pattern.
bool isForbiddenInName(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' ||
           c == '"' || c == '<' || c == '>' || c == '|';
}

}  // namespace

std::string urlFileName(std::string_view url) {
    static constexpr const char kIndex[] = "index.html";
    if (!url.empty() && url.back() == '/') return kIndex;
    const size_t slash = url.rfind('/');
    std::string name(slash == std::string_view::npos ? url : url.substr(slash + 1));
    // The second slash of "://": the URL names a host and no path.
    if (slash != std::string_view::npos && slash >= 2 && url[slash - 2] == ':' &&
        url[slash - 1] == '/') {
        return kIndex;
    }
    if (name == "." || name == "..") return kIndex;
    for (size_t i = 0; i < name.size(); i += charLength(name, i)) {
        if (isForbiddenInName(static_cast<unsigned char>(name[i]))) name[i] = '_';
    }
    return name;
}

std::string resolveIn(std::string_view directory, std::string_view path) {
    const bool rooted = !path.empty() && (path[0] == '/' || path[0] == '\\');
    if (rooted || !splitPath(path).drive.empty()) return std::string(path);
    return std::string(directory) + std::string(path);
}

std::string fileBaseName(std::string_view path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); i += charLength(path, i)) {
        if (isSeparator(path[i]) || path[i] == ':') start = i + 1;
    }
    std::string_view name = path.substr(start);
    // A dot is never the second byte of a double-byte character (those start at 0x40).
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace vokanti
