#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/document.h"
#include "engine/sentences.h"

namespace vokan {
namespace {

using Strings = std::vector<std::string>;
const std::string kSjisHyo = "\x95\x5C";  // 表
const std::string kHyo = "\u8868";

TEST(Charset, DetectionOrder) {
    const std::string sjisPage = "<html><head><meta charset=\"Shift_JIS\"></head><body>" +
                                 kSjisHyo + "</body></html>";
    const std::string utf8Page = "<meta charset=utf-8><p>" + kHyo;
    const struct {
        std::string bytes;
        bool html;
        std::string declared;
        Charset expected;
    } cases[] = {
        {"\xEF\xBB\xBFplain", false, "shift_jis", Charset::Utf8},  // the mark beats the header
        {"\xFF\xFE" "a\0", false, "", Charset::Utf16Le},
        {"\xFE\xFF\0a", true, "", Charset::Utf16Be},
        {kHyo, false, "Shift_JIS", Charset::ShiftJis},             // the header beats a guess
        {sjisPage, true, "", Charset::ShiftJis},                   // <meta charset>
        {sjisPage, true, "utf-8", Charset::Utf8},                  // the header beats <meta>
        {sjisPage, false, "", Charset::ShiftJis},                  // no <meta> for text: a guess
        {utf8Page, true, "x-unknown", Charset::Utf8},              // unknown name passed over
        {"<META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=windows-31j'>", true, "",
         Charset::ShiftJis},
        {"<meta http-equiv=\"content-type\" content=\"text/html;charset=ISO-8859-1\">", true, "",
         Charset::Windows1252},
        {"<meta charset=\"bogus\"><p>\x95\x5C", true, "", Charset::ShiftJis},
        {"<meta charset=\"utf-16\"><p>x", true, "", Charset::Utf8},  // an ASCII page is not UTF-16
        {kHyo, false, "", Charset::Utf8},
        {kSjisHyo, false, "", Charset::ShiftJis},
        {"", false, "", Charset::Utf8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detectCharset(c.bytes, c.html, c.declared), c.expected) << c.bytes;
    }
    for (const char* name : {"sjis", " \"CP932\" ", "x-sjis", "windows-31j", "Shift-JIS"}) {
        Charset charset = Charset::Utf8;
        EXPECT_TRUE(charsetFromName(name, charset)) << name;
        EXPECT_EQ(charset, Charset::ShiftJis) << name;
    }
    Charset charset = Charset::Utf8;
    EXPECT_TRUE(charsetFromName("US-ASCII", charset));
    EXPECT_EQ(charset, Charset::Windows1252);
    EXPECT_FALSE(charsetFromName("euc-kr", charset));
}

TEST(Charset, LooksLikeHtml) {
    EXPECT_TRUE(looksLikeHtml("<!DOCTYPE html><title>x</title>"));
    EXPECT_TRUE(looksLikeHtml("text <P>para"));
    EXPECT_TRUE(looksLikeHtml("a<br/>b"));
    EXPECT_TRUE(looksLikeHtml("<!-- note -->"));
    EXPECT_FALSE(looksLikeHtml("if a < b and c > d, or x<y then"));
    EXPECT_FALSE(looksLikeHtml("<unknown> tags and <3 hearts"));
    EXPECT_FALSE(looksLikeHtml(""));
}

TEST(Html, VisibleTextOnly) {
    const struct {
        std::string html, text;
    } cases[] = {
        {"<p>Hello <b>big</b>   world</p><p>Next</p>", "Hello big world\n\nNext"},
        {"<title>T</title><script>var a = '<p>no</p>';</script><style>p{}</style>Body",
         "T\n\nBody"},
        {"a<!-- hidden <p> -->b<!--unterminated", "ab"},
        {"x<SCRIPT type=x>if (a</b) {}</SCRIPT >y", "xy"},
        {"<a href=\"x>y\" title='q'>link</a> text", "link text"},
        {"one<br>two<li>three<td>four</td>", "one\n\ntwo\n\nthree\n\nfour"},
        {"&lt;tag&gt; &amp; &quot;q&quot; &apos;", "<tag> & \"q\" '"},
        {"&#65;&#x42;&#X43;&#0;&#xD800;&#99999999999;&#150;", "ABC\uFFFD\uFFFD\uFFFD\u2013"},
        {"AT&T &copy 2 &nbsp;x&shy;y &unknown; &amp", "AT&T \u00A9 2 \u00A0xy &unknown; &"},
        {"a?b=1&copy=2", "a?b=1&copy=2"},
        {"&ldquo;Hi&rdquo; &mdash; &hellip;", "\u201CHi\u201D \u2014 \u2026"},
        {"<![CDATA[raw <b>]]>ok", "raw <b>ok"},
        {"a < b and <3 <", "a < b and <3 <"},
        {"<p><a href=\"unclosed>text</a></p>after", "text\n\nafter"},
        {"<script>never closed", ""},
        {"", ""},
        {std::string("n\0ul", 4), "n ul"},
    };
    for (const auto& c : cases) EXPECT_EQ(htmlToText(c.html), c.text) << c.html;
}

TEST(Document, BytesToText) {
    // Shift-JIS HTML by its <meta>, Latin-1 by its header, UTF-16 by its mark.
    EXPECT_EQ(documentText("<meta charset=sjis><p>" + kSjisHyo + " &amp; x</p>", InputKind::Auto),
              kHyo + " & x");
    EXPECT_EQ(documentText("caf\xE9", InputKind::Text, "iso-8859-1"), "caf\u00E9");
    EXPECT_EQ(documentText(std::string("\xFF\xFE<\0p\0>\0h\0i\0", 12), InputKind::Auto), "hi");
    // -T keeps tags as text; -H reads a page without tags as HTML.
    EXPECT_EQ(documentText("<p>x &amp;</p>", InputKind::Text), "<p>x &amp;</p>");
    EXPECT_EQ(documentText("a &amp; b", InputKind::Html), "a & b");
    EXPECT_EQ(documentText("a &amp; b", InputKind::Auto), "a &amp; b");
    // Plain text: line ends made one kind, controls made spaces, bad bytes marked.
    EXPECT_EQ(documentText(std::string("a\r\nb\rc\0d", 8), InputKind::Text), "a\nb\nc d");
    EXPECT_EQ(documentText("\xEF\xBB\xBFok\xE3\x81", InputKind::Text), "ok\uFFFD\uFFFD");
    EXPECT_EQ(documentText(kSjisHyo + "\x82", InputKind::Text), kHyo + "\uFFFD");
}

TEST(Sentences, Splitting) {
    const struct {
        std::string text;
        Strings sentences;
    } cases[] = {
        {"One. Two! Three? Four", {"One.", "Two!", "Three?", "Four"}},
        {"  Spaces\tand\n  lines   here. ", {"Spaces and lines here."}},
        {"Para one\n\nPara two\n \t\nthree", {"Para one", "Para two", "three"}},
        {"He said \"Stop.\" Then (he left.) Done", {"He said \"Stop.\"", "Then (he left.)", "Done"}},
        {"Mr. Smith met Dr. Who, e.g. here. J. K. Rowling wrote.",
         {"Mr. Smith met Dr. Who, e.g. here.", "J. K. Rowling wrote."}},
        {"Pi is 3.14 and v1.2 works. Wait... really?! Yes.",
         {"Pi is 3.14 and v1.2 works.", "Wait... really?!", "Yes."}},
        {"Apples, pears, etc. are fruit. Yes", {"Apples, pears, etc. are fruit.", "Yes"}},
        {"\u82F1\u8A9E\u3002next\u300Cq\u3002\u300Dend", {"\u82F1\u8A9E\u3002", "next\u300Cq\u3002\u300D", "end"}},
        {"", {}},
        {" \n\n ", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitSentences(c.text), c.sentences) << c.text;
}

TEST(Sentences, EndlessTextIsCutIntoBoundedPieces) {
    std::string text;
    while (text.size() < 10 * 1024 * 1024) text += "word and more words without end ";
    const Strings pieces = splitSentences(text);
    size_t total = 0;
    for (const std::string& piece : pieces) {
        ASSERT_LE(piece.size(), 4096u);
        total += piece.size() + 1;
    }
    EXPECT_GE(total, text.size() - 1);  // nothing dropped but the collapsed spaces
    // A line with no white space at all is cut too, never inside a UTF-8 character.
    std::string japanese;
    for (int i = 0; i < 100000; ++i) japanese += "\u8868";
    for (const std::string& piece : splitSentences(japanese)) {
        ASSERT_LE(piece.size(), 4096u + 3);
        ASSERT_EQ(piece.size() % 3, 0u);
    }
}

}  // namespace
}  // namespace vokan
