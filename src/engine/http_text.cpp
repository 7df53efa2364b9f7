#include "engine/http_text.h"

namespace vokan {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// Reads one parameter value starting at `pos` (after '='): a quoted string or a token up to
// the next ';'. Leaves `pos` at the ';' that ends the parameter, or at the end. False for a
// quoted string that never closes.
bool readValue(std::string_view text, std::size_t& pos, std::string& value) {
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    value.clear();
    if (pos < text.size() && text[pos] == '"') {
        ++pos;
        bool closed = false;
        while (pos < text.size()) {
            char c = text[pos++];
            if (c == '"') { closed = true; break; }
            if (c == '\\' && pos < text.size()) c = text[pos++];
            value += c;
        }
        if (!closed) return false;
        // Anything between the closing quote and the next ';' is ignored.
        while (pos < text.size() && text[pos] != ';') ++pos;
        return true;
    }
    std::size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    value = std::string(trimmed(text.substr(pos, end - pos)));
    pos = end;
    return true;
}

}  // namespace

std::string charsetFromContentType(std::string_view contentType) {
    // The media type comes first and cannot hold a quote; parameters follow, each after ';'.
    std::size_t pos = contentType.find(';');
    while (pos != std::string_view::npos && pos < contentType.size()) {
        ++pos;  // past ';'
        std::size_t eq = pos;
        while (eq < contentType.size() && contentType[eq] != '=' && contentType[eq] != ';') ++eq;
        if (eq >= contentType.size()) return {};
        if (contentType[eq] == ';') {  // a parameter without a value: skip it
            pos = eq;
            continue;
        }
        std::string_view name = trimmed(contentType.substr(pos, eq - pos));
        pos = eq + 1;
        std::string value;
        if (!readValue(contentType, pos, value)) return {};
        if (equalsNoCase(name, "charset")) return value;
    }
    return {};
}

std::string urlForRequest(std::string_view url) {
    static const char hex[] = "0123456789ABCDEF";
    std::size_t hash = url.find('#');
    if (hash != std::string_view::npos) url = url.substr(0, hash);
    std::size_t colon = url.find(':');
    std::string out;
    out.reserve(url.size());
    for (std::size_t i = 0; i < url.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(url[i]);
        if (c <= 0x20 || c >= 0x7F) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        } else {
            out += colon != std::string_view::npos && i < colon ? lowerAscii(static_cast<char>(c))
                                                               : static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace vokan
