// From raw bytes to text: the charset (byte-order mark, declared name, <meta>, a guess),
// and for HTML the visible text with block elements set off by blank lines.
#include "engine/document.h"

#include <algorithm>
#include <cstring>

#include "engine/encoding.h"
#include "engine/html_entities.h"
#include "engine/unicode.h"
#include "engine/word_lists.h"

namespace vokan {
namespace {

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiAlnum(char c) { return isAsciiAlpha(c) || (c >= '0' && c <= '9'); }
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `text` at `pos` starts with `lowerNeedle`, ASCII case ignored.
bool startsWithNoCase(std::string_view text, size_t pos, std::string_view lowerNeedle) {
    if (text.size() - std::min(pos, text.size()) < lowerNeedle.size()) return false;
    for (size_t i = 0; i < lowerNeedle.size(); ++i) {
        if (lowerAscii(text[pos + i]) != lowerNeedle[i]) return false;
    }
    return true;
}

size_t findNoCase(std::string_view text, std::string_view lowerNeedle, size_t from) {
    if (lowerNeedle.empty()) return from;
    const char first = lowerNeedle[0];
    const char upper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 'a' + 'A') : first;
    for (size_t pos = from; pos < text.size(); ++pos) {
        if ((text[pos] == first || text[pos] == upper) && startsWithNoCase(text, pos, lowerNeedle)) {
            return pos;
        }
    }
    return std::string_view::npos;
}

std::string_view trimName(std::string_view name) {
    const char* const junk = " \t\r\n\"'";
    const size_t first = name.find_first_not_of(junk);
    if (first == std::string_view::npos) return {};
    const size_t last = name.find_last_not_of(junk);
    return name.substr(first, last - first + 1);
}

// ---- Tags ------------------------------------------------------------------------------

struct Attribute {
    std::string name;  // lower-cased
    std::string_view value;
};

struct Tag {
    std::string name;  // lower-cased; empty when `<` starts no tag
    bool closing = false;
    std::vector<Attribute> attributes;
    size_t end = 0;  // just past the closing '>' (or the end of the input)
};

// Reads the tag whose '<' is at `pos`. Quoted attribute values may hold '>'; a quote that
// is never closed ends at the next '>' instead, so one stray quote cannot swallow a page.
Tag readTag(std::string_view html, size_t pos) {
    Tag tag;
    size_t i = pos + 1;
    if (i < html.size() && html[i] == '/') {
        tag.closing = true;
        ++i;
    }
    if (i >= html.size() || !isAsciiAlpha(html[i])) return tag;
    while (i < html.size() && (isAsciiAlnum(html[i]) || html[i] == '-' || html[i] == ':')) {
        tag.name.push_back(lowerAscii(html[i]));
        ++i;
    }
    while (i < html.size()) {
        while (i < html.size() && (isAsciiSpace(html[i]) || html[i] == '/')) ++i;
        if (i >= html.size()) break;
        if (html[i] == '>') {
            tag.end = i + 1;
            return tag;
        }
        Attribute attribute;
        while (i < html.size() && !isAsciiSpace(html[i]) && html[i] != '=' && html[i] != '>' &&
               html[i] != '/') {
            attribute.name.push_back(lowerAscii(html[i]));
            ++i;
        }
        if (attribute.name.empty()) {
            ++i;  // a lone '=' or the like
            continue;
        }
        size_t j = i;
        while (j < html.size() && isAsciiSpace(html[j])) ++j;
        if (j < html.size() && html[j] == '=') {
            ++j;
            while (j < html.size() && isAsciiSpace(html[j])) ++j;
            if (j < html.size() && (html[j] == '"' || html[j] == '\'')) {
                const size_t close = html.find(html[j], j + 1);
                if (close == std::string_view::npos) {
                    const size_t gt = html.find('>', j + 1);
                    attribute.value = html.substr(j + 1, (gt == std::string_view::npos ? html.size() : gt) - j - 1);
                    i = gt == std::string_view::npos ? html.size() : gt;
                } else {
                    attribute.value = html.substr(j + 1, close - j - 1);
                    i = close + 1;
                }
            } else {
                size_t k = j;
                while (k < html.size() && !isAsciiSpace(html[k]) && html[k] != '>') ++k;
                attribute.value = html.substr(j, k - j);
                i = k;
            }
        }
        tag.attributes.push_back(std::move(attribute));
    }
    tag.end = html.size();
    return tag;
}

const Attribute* findAttribute(const Tag& tag, std::string_view name) {
    for (const Attribute& attribute : tag.attributes) {
        if (attribute.name == name) return &attribute;
    }
    return nullptr;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isKnownElement(std::string_view name) {
    return isOneOf(name, {"html", "head", "body", "title", "meta", "link", "script", "style",
                          "p", "br", "div", "span", "a", "img", "table", "tr", "td", "th",
                          "ul", "ol", "li", "h1", "h2", "h3", "h4", "h5", "h6", "b", "i",
                          "em", "strong", "pre", "blockquote", "hr", "form", "input",
                          "section", "article", "header", "footer", "nav", "main", "font",
                          "center", "dl", "dt", "dd", "tbody", "thead", "caption", "sup",
                          "sub", "u", "small", "big", "code", "tt", "iframe", "noscript",
                          "button", "label", "select", "option", "textarea", "abbr", "cite",
                          "q", "s", "strike", "base", "frameset", "frame", "aside",
                          "figure", "figcaption", "address"});
}

bool isBlockElement(std::string_view name) {
    return isOneOf(name, {"p", "div", "br", "li", "h1", "h2", "h3", "h4", "h5", "h6", "tr",
                          "td", "th", "title", "blockquote", "pre", "hr", "section",
                          "article", "header", "footer", "nav", "main", "aside", "ul", "ol",
                          "dl", "dt", "dd", "table", "caption", "figure", "figcaption",
                          "address", "form", "center", "body", "head", "html", "option",
                          "textarea", "button", "select", "iframe", "frame", "noscript"});
}

// Elements whose content is not shown as text.
bool isHiddenElement(std::string_view name) {
    return isOneOf(name, {"script", "style", "template"});
}

// ---- Charset --------------------------------------------------------------------------

// The charset named in <meta charset> or <meta http-equiv="content-type" content="...">,
// from the first such element in the page's head.
std::string_view metaCharsetName(std::string_view html) {
    const size_t limit = std::min(html.size(), size_t{64} * 1024);
    const std::string_view head = html.substr(0, limit);
    size_t pos = 0;
    while ((pos = findNoCase(head, "<meta", pos)) != std::string_view::npos) {
        const Tag tag = readTag(head, pos);
        pos += 5;
        if (tag.name != "meta") continue;
        if (const Attribute* charset = findAttribute(tag, "charset")) return trimName(charset->value);
        const Attribute* equiv = findAttribute(tag, "http-equiv");
        const Attribute* content = findAttribute(tag, "content");
        if (!equiv || !content || asciiLower(trimName(equiv->value)) != "content-type") continue;
        const size_t at = findNoCase(content->value, "charset", 0);
        if (at == std::string_view::npos) continue;
        std::string_view rest = content->value.substr(at + 7);
        const size_t equals = rest.find_first_not_of(" \t");
        if (equals == std::string_view::npos || rest[equals] != '=') continue;
        rest.remove_prefix(equals + 1);
        rest = trimName(rest);
        const size_t end = rest.find_first_of("; \t\"'");
        return trimName(rest.substr(0, end));
    }
    return {};
}

bool bomCharset(std::string_view bytes, Charset& charset) {
    if (bytes.substr(0, 3) == kUtf8Bom) {
        charset = Charset::Utf8;
    } else if (bytes.substr(0, 2) == "\xFF\xFE") {
        charset = Charset::Utf16Le;
    } else if (bytes.substr(0, 2) == "\xFE\xFF") {
        charset = Charset::Utf16Be;
    } else {
        return false;
    }
    return true;
}

// ---- HTML to text ---------------------------------------------------------------------

// Collects visible text: white space collapsed to one space, block breaks as "\n\n".
class TextSink {
public:
    void text(std::string_view part) {
        for (const char c : part) {
            const auto byte = static_cast<unsigned char>(c);
            if (isAsciiSpace(c) || byte < 0x20 || byte == 0x7F) {
                pendingSpace_ = true;
                continue;
            }
            if (pendingSpace_ && !out_.empty() && out_.back() != '\n') out_.push_back(' ');
            pendingSpace_ = false;
            out_.push_back(c);
        }
    }
    void blockBreak() {
        pendingSpace_ = false;
        if (out_.empty() || (out_.size() >= 2 && out_.compare(out_.size() - 2, 2, "\n\n") == 0)) {
            return;
        }
        out_.append("\n\n");
    }
    std::string take() {
        while (!out_.empty() && out_.back() == '\n') out_.pop_back();
        return std::move(out_);
    }

private:
    std::string out_;
    bool pendingSpace_ = false;
};

}  // namespace

bool charsetFromName(std::string_view name, Charset& charset) {
    const std::string lower = asciiLower(trimName(name));
    if (isOneOf(lower, {"utf-8", "utf8", "unicode-1-1-utf-8", "x-unicode20utf8"})) {
        charset = Charset::Utf8;
    } else if (isOneOf(lower, {"shift_jis", "shift-jis", "sjis", "s-jis", "x-sjis", "cp932",
                               "ms932", "windows-31j", "ms_kanji", "csshiftjis", "x-ms-cp932",
                               "csWindows31J", "cswindows31j"})) {
        charset = Charset::ShiftJis;
    } else if (isOneOf(lower, {"us-ascii", "ascii", "iso-8859-1", "iso8859-1", "iso_8859-1",
                               "latin1", "latin-1", "l1", "windows-1252", "cp1252",
                               "x-cp1252", "cp819", "ibm819"})) {
        charset = Charset::Windows1252;
    } else if (isOneOf(lower, {"utf-16le", "utf-16"})) {
        charset = Charset::Utf16Le;
    } else if (lower == "utf-16be") {
        charset = Charset::Utf16Be;
    } else {
        return false;
    }
    return true;
}

bool looksLikeHtml(std::string_view bytes) {
    size_t pos = 0;
    while ((pos = bytes.find('<', pos)) != std::string_view::npos) {
        ++pos;
        if (startsWithNoCase(bytes, pos, "!--") || startsWithNoCase(bytes, pos, "!doctype")) {
            return true;
        }
        size_t i = pos;
        if (i < bytes.size() && bytes[i] == '/') ++i;
        std::string name;
        while (i < bytes.size() && isAsciiAlnum(bytes[i]) && name.size() < 16) {
            name.push_back(lowerAscii(bytes[i]));
            ++i;
        }
        if (name.empty()) continue;
        const bool ends = i == bytes.size() || isAsciiSpace(bytes[i]) || bytes[i] == '>' ||
                          bytes[i] == '/';
        if (ends && isKnownElement(name)) return true;
    }
    return false;
}

Charset detectCharset(std::string_view bytes, bool html, std::string_view declared) {
    Charset charset = Charset::Utf8;
    if (bomCharset(bytes, charset)) return charset;
    if (!declared.empty() && charsetFromName(declared, charset)) return charset;
    if (html) {
        const std::string_view meta = metaCharsetName(bytes);
        if (!meta.empty() && charsetFromName(meta, charset)) {
            // A page that can declare itself in ASCII is not UTF-16, whatever it says.
            if (charset == Charset::Utf16Le || charset == Charset::Utf16Be) charset = Charset::Utf8;
            return charset;
        }
    }
    return isValidUtf8(bytes) ? Charset::Utf8 : Charset::ShiftJis;
}

std::string decodeToUtf8(std::string_view bytes, Charset charset) {
    switch (charset) {
        case Charset::Utf8:
            if (bytes.substr(0, 3) == kUtf8Bom) bytes.remove_prefix(3);
            return sanitizeUtf8(bytes);
        case Charset::ShiftJis:
            return shiftJisToUtf8(bytes);
        case Charset::Windows1252:
            return windows1252ToUtf8(bytes);
        case Charset::Utf16Le:
            if (bytes.substr(0, 2) == "\xFF\xFE") bytes.remove_prefix(2);
            return utf16ToUtf8(bytes, false);
        case Charset::Utf16Be:
            if (bytes.substr(0, 2) == "\xFE\xFF") bytes.remove_prefix(2);
            return utf16ToUtf8(bytes, true);
    }
    return sanitizeUtf8(bytes);
}

std::string htmlToText(std::string_view html) {
    TextSink sink;
    std::string decoded;
    size_t pos = 0;
    size_t textStart = 0;
    const auto flushText = [&](size_t end) {
        if (end > textStart) sink.text(html.substr(textStart, end - textStart));
    };
    while (pos < html.size()) {
        const char c = html[pos];
        if (c == '&') {
            decoded.clear();
            const size_t used = decodeCharacterReference(html, pos, decoded);
            if (used == 0) {
                ++pos;
                continue;
            }
            flushText(pos);
            sink.text(decoded);
            pos += used;
            textStart = pos;
            continue;
        }
        if (c != '<' || pos + 1 >= html.size()) {
            ++pos;
            continue;
        }
        const char next = html[pos + 1];
        if (next == '!' || next == '?') {
            flushText(pos);
            size_t end;
            if (startsWithNoCase(html, pos, "<!--")) {
                end = html.find("-->", pos + 4);
                end = end == std::string_view::npos ? html.size() : end + 3;
            } else if (startsWithNoCase(html, pos, "<![cdata[")) {
                const size_t close = html.find("]]>", pos + 9);
                const size_t stop = close == std::string_view::npos ? html.size() : close;
                sink.text(html.substr(pos + 9, stop - pos - 9));
                end = close == std::string_view::npos ? html.size() : close + 3;
            } else {
                end = html.find('>', pos + 2);
                end = end == std::string_view::npos ? html.size() : end + 1;
            }
            pos = end;
            textStart = pos;
            continue;
        }
        const Tag tag = readTag(html, pos);
        if (tag.name.empty()) {
            ++pos;  // a '<' that starts no tag is text
            continue;
        }
        flushText(pos);
        pos = tag.end;
        if (isBlockElement(tag.name)) sink.blockBreak();
        if (!tag.closing && isHiddenElement(tag.name)) {
            // Skip to the matching end tag (or the end of the input).
            const std::string endTag = "</" + tag.name;
            size_t at = pos;
            while ((at = findNoCase(html, endTag, at)) != std::string_view::npos) {
                const size_t after = at + endTag.size();
                if (after >= html.size() || !isAsciiAlnum(html[after])) break;
                at = after;
            }
            if (at == std::string_view::npos) {
                pos = html.size();
            } else {
                const size_t gt = html.find('>', at);
                pos = gt == std::string_view::npos ? html.size() : gt + 1;
            }
        }
        textStart = pos;
    }
    flushText(html.size());
    return sink.take();
}

std::string documentText(std::string_view bytes, InputKind kind, std::string_view declaredCharset) {
    std::string text;
    bool html = kind == InputKind::Html;
    Charset bom = Charset::Utf8;
    if (bomCharset(bytes, bom) && bom != Charset::Utf8) {
        // UTF-16 is not ASCII-compatible: decode first, then look at the text.
        text = decodeToUtf8(bytes, bom);
        if (kind == InputKind::Auto) html = looksLikeHtml(text);
    } else {
        if (kind == InputKind::Auto) html = looksLikeHtml(bytes);
        text = decodeToUtf8(bytes, detectCharset(bytes, html, declaredCharset));
    }
    if (html) return htmlToText(text);

    // Plain text: one kind of line end, and control characters as spaces.
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n' || c == '\t') {
            out.push_back(c);
        } else if (byte < 0x20 || byte == 0x7F) {
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace vokan
