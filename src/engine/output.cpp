#include "engine/output.h"

#include "engine/encoding.h"

namespace vokan {

namespace {

void appendCsvField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendTsvField(std::string& out, const std::string& field) {
    for (char c : field) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
}

}  // namespace

std::string csvText(const std::vector<VocabularyEntry>& entries) {
    std::string utf8 = "word,meaning,count,example\r\n";
    for (const VocabularyEntry& e : entries) {
        appendCsvField(utf8, e.headword);
        utf8 += ',';
        appendCsvField(utf8, e.meaning);
        utf8 += ',';
        utf8 += std::to_string(e.count);
        utf8 += ',';
        appendCsvField(utf8, e.example);
        utf8 += "\r\n";
    }
    // Quotes, commas and line ends are ASCII, so converting the finished text is the same
    // as converting each field.
    return utf8ToShiftJis(utf8);
}

std::string vkndb5sText(const std::vector<VocabularyEntry>& entries) {
    std::string out = "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n";
    for (const VocabularyEntry& e : entries) {
        appendTsvField(out, e.headword);
        out += '\t';
        appendTsvField(out, e.meaning);
        out += '\t';
        out += std::to_string(e.count);
        out += '\t';
        appendTsvField(out, e.example);
        out += "\r\n";
    }
    return out;
}

std::string questionCsvText(const std::vector<Question>& questions) {
    std::string utf8 = "question,answer\r\n";
    for (const Question& q : questions) {
        appendCsvField(utf8, q.text);
        utf8 += ',';
        appendCsvField(utf8, answerText(q));
        utf8 += "\r\n";
    }
    return utf8ToShiftJis(utf8);
}

std::string questionVkndb5sText(const std::vector<Question>& questions) {
    std::string out = "vkndb5s\t1\r\nquestion\tanswer\r\n";
    for (const Question& q : questions) {
        appendTsvField(out, q.text);
        out += '\t';
        appendTsvField(out, answerText(q));
        out += "\r\n";
    }
    return out;
}

std::string outputText(OutputFormat format, const std::vector<VocabularyEntry>& entries,
                       const PageFiles& pages) {
    switch (format) {
    case OutputFormat::Csv: break;
    case OutputFormat::Vkndb5s: return vkndb5sText(entries);
    case OutputFormat::Html1: return htmlPage(entries, PageKind::Html1, pages);
    case OutputFormat::Html2: return htmlPage(entries, PageKind::Html2, pages);
    }
    return csvText(entries);
}

std::string questionSetText(OutputFormat format, const std::vector<Question>& questions,
                            const PageFiles& pages) {
    switch (format) {
    case OutputFormat::Csv: break;
    case OutputFormat::Vkndb5s: return questionVkndb5sText(questions);
    case OutputFormat::Html1:
    case OutputFormat::Html2: return questionPage(questions, pages);
    }
    return questionCsvText(questions);
}

}  // namespace vokan
