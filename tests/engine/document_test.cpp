// Documents to text: the converters between Shift-JIS, UTF-8, UTF-16 and Windows-1252, the
// charset's detection, HTML's visible text and the splitting into sentences.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/document.h"
#include "engine/encoding.h"
#include "engine/sentences.h"
#include "engine/unicode.h"

namespace vokan {
namespace {

using Strings = std::vector<std::string>;
const std::string kFffd = "\xEF\xBF\xBD";
const std::string kSjisHyo = "\x95\x5C";  // 表
const std::string kHyo = "\u8868";

TEST(Encoding, ShiftJisRoundTripsJapaneseAndAscii) {
    // 表 and ソ carry a backslash byte as their second byte; ～ ① 髙 are code page 932 only.
    const std::pair<std::string, std::string> cases[] = {  // Shift-JIS, UTF-8
        {"abc\\~", "abc\\~"},
        {"\x95\x5C\x83\x5C", "\u8868\u30BD"},
        {"\x81\x60\x87\x40\xFB\xFC", "\uFF5E\u2460\u9AD9"},
        {"\xB1\xB2", "\uFF71\uFF72"},  // half-width katakana
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [sjis, utf8] : cases) {
        EXPECT_EQ(shiftJisToUtf8(sjis), utf8) << utf8;
        EXPECT_EQ(utf8ToShiftJis(utf8), sjis) << utf8;
    }
}

// What cannot be converted is marked, and the rest comes through.
TEST(Encoding, WhatCannotBeConvertedIsMarked) {
    // Shift-JIS: a lead byte at the very end, a lead byte before a byte that cannot trail, and
    // a byte that is never a character.
    EXPECT_EQ(shiftJisToUtf8("ab\x82"), "ab" + kFffd);
    EXPECT_EQ(shiftJisToUtf8("\x82 x"), kFffd + " x");
    EXPECT_EQ(shiftJisToUtf8("x\xFFy"), "x" + kFffd + "y");
    // UTF-8 that Shift-JIS cannot hold.
    EXPECT_EQ(utf8ToShiftJis("caf\u00E9"), "caf?");
    EXPECT_EQ(utf8ToShiftJis("\U0001F600!"), "?!");
    EXPECT_EQ(utf8ToShiftJis("a\xC3"), "a?");          // cut short at the end
    EXPECT_EQ(utf8ToShiftJis("\xED\xA0\x80z"), "???z");  // an encoded surrogate, byte by byte
    // UTF-16 and Windows-1252.
    EXPECT_EQ(utf16ToUtf8(std::string("A\0\x68\x88", 4), false), "A\u8868");
    EXPECT_EQ(utf16ToUtf8(std::string("\xD8\x3D\xDE\x00", 4), true), "\U0001F600");
    EXPECT_EQ(utf16ToUtf8(std::string("\x00\xD8" "A", 3), false), kFffd + kFffd);
    EXPECT_EQ(windows1252ToUtf8("\x93q\x94 \xE9 \x81"), "\u201Cq\u201D \u00E9 " + kFffd);
}

// Bad bytes scattered through a large input must not stop or slow the conversion, and
// characters at odd offsets come through whole wherever the conversion splits its work.
TEST(Encoding, LargeInputConvertsWhole) {
    std::string sjis = "a", utf8 = "a", back = "a";
    for (int i = 0; i < 100000; ++i) {
        const bool bad = i % 1000 == 0;
        sjis += bad ? "\x95\x5C\xFF" : "\x95\x5C";
        utf8 += bad ? "\u8868\uFFFD" : "\u8868";
        back += bad ? "\x95\x5C?" : "\x95\x5C";
    }
    EXPECT_TRUE(shiftJisToUtf8(sjis) == utf8);
    EXPECT_TRUE(utf8ToShiftJis(utf8) == back);
}

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
    for (const auto& c : cases) EXPECT_EQ(detectCharset(c.bytes, c.html, c.declared), c.expected) << c.bytes;
    // UTF-8 is guessed only when valid.
    for (const char* valid : {"", "plain \u00E9 \u8868 \U0001F600"}) EXPECT_TRUE(isValidUtf8(valid)) << valid;
    // Overlong, a surrogate, past U+10FFFF, cut short, and Shift-JIS.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ok\xE3\x81", "\x95\x5C"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    auto named = [](const char* name) {
        Charset charset = Charset::Utf8;
        return charsetFromName(name, charset) ? std::optional<Charset>(charset) : std::nullopt;
    };
    for (const char* name : {"sjis", " \"CP932\" ", "x-sjis", "windows-31j", "Shift-JIS"})
        EXPECT_EQ(named(name), Charset::ShiftJis) << name;
    EXPECT_EQ(named("US-ASCII"), Charset::Windows1252);
    EXPECT_EQ(named("euc-kr"), std::nullopt);
}

TEST(Html, VisibleTextOnly) {
    const std::pair<std::string, std::string> cases[] = {
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
    for (const auto& [html, text] : cases) EXPECT_EQ(htmlToText(html), text) << html;
}

TEST(Document, BytesToText) {
    // Shift-JIS HTML by its <meta>, Latin-1 by its header, UTF-16 by its mark.
    EXPECT_EQ(documentText("<meta charset=sjis><p>" + kSjisHyo + " &amp; x</p>", InputKind::Auto),
              kHyo + " & x");
    EXPECT_EQ(documentText("caf\xE9", InputKind::Text, "iso-8859-1"), "caf\u00E9");
    EXPECT_EQ(documentText(std::string("\xFF\xFE<\0p\0>\0h\0i\0", 12), InputKind::Auto), "hi");
    // Without -H or -T: HTML when it has tags.
    for (const char* html : {"<!DOCTYPE html><title>x</title>", "text <P>para", "a<br/>b", "<!-- note -->"})
        EXPECT_TRUE(looksLikeHtml(html)) << html;
    for (const char* text : {"if a < b and c > d, or x<y then", "<unknown> tags and <3 hearts", ""})
        EXPECT_FALSE(looksLikeHtml(text)) << text;
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
    const std::pair<std::string, Strings> cases[] = {
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
    for (const auto& [text, sentences] : cases) EXPECT_EQ(splitSentences(text), sentences) << text;
}

TEST(Sentences, EndlessTextIsCutIntoBoundedPieces) {
    std::string text;
    while (text.size() < 10 * 1024 * 1024) text += "word and more words without end ";
    size_t total = 0;
    for (const std::string& piece : splitSentences(text)) {
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
