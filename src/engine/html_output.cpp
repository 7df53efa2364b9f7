#include "engine/html_output.h"

#include "engine/encoding.h"
#include "engine/exit_codes.h"
#include "engine/file_io.h"
#include "engine/list_lines.h"
#include "engine/program_dir.h"

namespace vokan {

namespace {

std::string trimmed(std::string_view s) {
    std::size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    std::size_t end = s.find_last_not_of(" \t");
    return std::string(s.substr(begin, end - begin + 1));
}

std::string asciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Splits `line` at its first TAB into two trimmed parts; false without a TAB.
bool splitAtTab(const std::string& line, std::string& left, std::string& right) {
    std::size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    left = trimmed(std::string_view(line).substr(0, tab));
    right = trimmed(std::string_view(line).substr(tab + 1));
    return true;
}

std::string pageHead(const PageFiles& files, const std::string& title) {
    std::string out =
        "<!DOCTYPE html>\n"
        "<html lang=\"ja\">\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"generator\" content=\"vokan\">\n";
    out += "<title>" + htmlEscape(title) + "</title>\n";
    out += "<style>\n" + files.style;
    if (!files.style.empty() && files.style.back() != '\n') out += '\n';
    out += "</style>\n</head>\n<body>\n";
    out += "<h1>" + htmlEscape(title) + "</h1>\n";
    return out;
}

void appendLink(std::string& out, const WebLink& link, std::string_view word,
                std::string_view cssClass, std::string_view text) {
    out += "<a";
    if (!cssClass.empty()) {
        out += " class=\"";
        out += cssClass;
        out += '"';
    }
    out += " href=\"" + htmlEscape(linkAddress(link, word)) + "\"";
    out += " title=\"" + htmlEscape(link.title) + "\" target=\"_blank\" rel=\"noopener\">";
    out += htmlEscape(text);
    out += "</a>";
}

// The example sentence with the entry's word inside <mark>. An offset that does not fit
// the sentence marks nothing rather than cutting the text.
std::string markedExample(const VocabularyEntry& e) {
    if (!wordPositionFits(e)) return htmlEscape(e.example);
    std::string_view view(e.example);
    return htmlEscape(view.substr(0, e.formOffset)) + "<mark>" +
           htmlEscape(view.substr(e.formOffset, e.formLength)) + "</mark>" +
           htmlEscape(view.substr(e.formOffset + e.formLength));
}

void appendWordCell(std::string& out, const VocabularyEntry& e, PageKind kind, const PageFiles& files) {
    out += "<td class=\"word\">";
    if (files.dictionaries.empty())
        out += "<span class=\"headword\">" + htmlEscape(e.headword) + "</span>";
    else
        appendLink(out, files.dictionaries.front(), e.headword, "headword", e.headword);
    if (kind == PageKind::Html2 && (!files.dictionaries.empty() || !files.pronunciations.empty())) {
        out += "<span class=\"links\">";
        bool first = true;
        auto separate = [&] {
            if (!first) out += ' ';
            first = false;
        };
        for (const WebLink& link : files.dictionaries) {
            separate();
            appendLink(out, link, e.headword, "dictionary", link.title);
        }
        for (const WebLink& link : files.pronunciations) {
            separate();
            appendLink(out, link, e.headword, "sound", link.title);
        }
        out += "</span>";
    }
    out += "</td>";
}

}  // namespace

bool wordPositionFits(const VocabularyEntry& entry) {
    const std::string& s = entry.example;
    if (entry.formLength == 0 || entry.formOffset > s.size() || entry.formLength > s.size() - entry.formOffset)
        return false;
    auto boundary = [&s](std::size_t pos) {
        return pos == s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80;
    };
    return boundary(entry.formOffset) && boundary(entry.formOffset + entry.formLength);
}

std::vector<WebLink> parseWebLinks(const std::vector<std::string>& lines) {
    std::vector<WebLink> links;
    for (const std::string& line : lines) {
        WebLink link;
        if (!splitAtTab(line, link.title, link.urlTemplate)) continue;
        if (link.title.empty() || link.urlTemplate.empty()) continue;
        links.push_back(std::move(link));
    }
    return links;
}

PageLabels parseLabels(const std::vector<std::string>& lines) {
    PageLabels labels;
    for (const std::string& line : lines) {
        std::string key, text;
        if (!splitAtTab(line, key, text) || text.empty()) continue;
        key = asciiLower(key);
        std::string* slot = key == "title"      ? &labels.title
                            : key == "word"     ? &labels.word
                            : key == "meaning"  ? &labels.meaning
                            : key == "count"    ? &labels.count
                            : key == "example"  ? &labels.example
                            : key == "question" ? &labels.question
                            : key == "answer"   ? &labels.answer
                                                : nullptr;
        if (slot) *slot = text;
    }
    return labels;
}

std::string styleSheetText(std::string_view bytes) {
    std::string text;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        text = std::string(bytes.substr(kUtf8Bom.size()));
    else if (isValidUtf8(bytes))
        text = std::string(bytes);
    else
        text = shiftJisToUtf8(bytes);
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        safe += text[i];
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '/') safe += '\\';
    }
    return safe;
}

PageFilesLoad loadPageFiles(const std::string& envDir, PageKind kind, PageFiles& files) {
    auto read = [&envDir](const char* name, int code, std::string& bytes) -> PageFilesLoad {
        const std::string path = resolvePath(envDir, name);
        std::string error;
        if (!readWholeFile(path, bytes, error)) return {code, "cannot read " + path + ": " + error};
        return {};
    };
    std::string bytes;
    if (auto r = read("style.css", kExitStyle, bytes); r.exitCode) return r;
    files.style = styleSheetText(bytes);
    if (auto r = read("webdict.txt", kExitWebDict, bytes); r.exitCode) return r;
    files.dictionaries = parseWebLinks(readListLines(bytes));
    files.pronunciations.clear();
    if (kind == PageKind::Html2) {
        if (auto r = read("webwav.txt", kExitWebWav, bytes); r.exitCode) return r;
        files.pronunciations = parseWebLinks(readListLines(bytes));
    }
    if (auto r = read("label.txt", kExitLabel, bytes); r.exitCode) return r;
    files.labels = parseLabels(readListLines(bytes));
    return {};
}

std::string htmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string urlEncode(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        unsigned char b = static_cast<unsigned char>(c);
        bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                     b == '-' || b == '.' || b == '_' || b == '~';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::string linkAddress(const WebLink& link, std::string_view word) {
    const std::string encoded = urlEncode(word);
    const std::string& t = link.urlTemplate;
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '%' && i + 1 < t.size() && t[i + 1] == 's') {
            out += encoded;
            ++i;
        } else {
            out += t[i];
        }
    }
    return out;
}

std::string htmlPage(const std::vector<VocabularyEntry>& entries, PageKind kind, const PageFiles& files) {
    const PageLabels& l = files.labels;
    std::string out = pageHead(files, l.title);
    out += kind == PageKind::Html1 ? "<table class=\"vocabulary html1\">\n" : "<table class=\"vocabulary html2\">\n";
    out += "<thead><tr><th class=\"word\">" + htmlEscape(l.word) + "</th><th class=\"meaning\">" +
           htmlEscape(l.meaning) + "</th><th class=\"count\">" + htmlEscape(l.count) +
           "</th><th class=\"example\">" + htmlEscape(l.example) + "</th></tr></thead>\n<tbody>\n";
    for (const VocabularyEntry& e : entries) {
        out += "<tr>";
        appendWordCell(out, e, kind, files);
        out += "<td class=\"meaning\">" + htmlEscape(e.meaning) + "</td>";
        out += "<td class=\"count\">" + std::to_string(e.count) + "</td>";
        out += "<td class=\"example\">" + markedExample(e) + "</td>";
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</body>\n</html>\n";
    return out;
}

}  // namespace vokan
