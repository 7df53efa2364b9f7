#include <gtest/gtest.h>

#include <string>

#include "engine/encoding.h"
#include "engine/unicode.h"

namespace vokan {
namespace {

const std::string kFffd = "\xEF\xBF\xBD";

TEST(Encoding, ShiftJisRoundTripsJapaneseAndAscii) {
    // 表 and ソ carry a backslash byte as their second byte; ～ ① 髙 are code page 932 only.
    const struct {
        std::string sjis, utf8;
    } cases[] = {
        {"abc\\~", "abc\\~"},
        {"\x95\x5C\x83\x5C", "\u8868\u30BD"},
        {"\x81\x60\x87\x40\xFB\xFC", "\uFF5E\u2460\u9AD9"},
        {"\xB1\xB2", "\uFF71\uFF72"},  // half-width katakana
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shiftJisToUtf8(c.sjis), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ToShiftJis(c.utf8), c.sjis) << c.utf8;
    }
}

TEST(Encoding, BadShiftJisBecomesReplacementCharacters) {
    // A lead byte at the very end, a lead byte before a byte that cannot trail, and a byte
    // that is never a character: each becomes U+FFFD and the rest comes through.
    EXPECT_EQ(shiftJisToUtf8("ab\x82"), "ab" + kFffd);
    EXPECT_EQ(shiftJisToUtf8("\x82 x"), kFffd + " x");
    EXPECT_EQ(shiftJisToUtf8("x\xFFy"), "x" + kFffd + "y");
    EXPECT_EQ(shiftJisToUtf8(""), "");
}

TEST(Encoding, Utf8ThatShiftJisCannotHoldBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToShiftJis("caf\u00E9"), "caf?");
    EXPECT_EQ(utf8ToShiftJis("\U0001F600!"), "?!");
    EXPECT_EQ(utf8ToShiftJis("a\xC3"), "a?");          // cut short at the end
    EXPECT_EQ(utf8ToShiftJis("\xED\xA0\x80z"), "???z");  // an encoded surrogate, byte by byte
}

TEST(Encoding, Utf8Validity) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain \u00E9 \u8868 \U0001F600"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("ok\xE3\x81"));        // cut short
    EXPECT_FALSE(isValidUtf8("\x95\x5C"));          // Shift-JIS
    EXPECT_EQ(sanitizeUtf8("a\x80" "b\xE3\x81"), "a" + kFffd + "b" + kFffd + kFffd);
}

TEST(Encoding, Utf16AndWindows1252) {
    EXPECT_EQ(utf16ToUtf8(std::string("A\0\x68\x88", 4), false), "A\u8868");
    EXPECT_EQ(utf16ToUtf8(std::string("\xD8\x3D\xDE\x00", 4), true), "\U0001F600");
    EXPECT_EQ(utf16ToUtf8(std::string("\x00\xD8" "A", 3), false), kFffd + kFffd);
    EXPECT_EQ(windows1252ToUtf8("\x93q\x94 \xE9 \x81"), "\u201Cq\u201D \u00E9 " + kFffd);
}

TEST(Encoding, LargeInputWithBadBytesConvertsWhole) {
    // Bad bytes scattered through a large input must not stop or slow the conversion.
    std::string sjis;
    for (int i = 0; i < 100000; ++i) sjis += (i % 1000 == 0) ? "\x95\x5C\xFF" : "\x95\x5C";
    const std::string utf8 = shiftJisToUtf8(sjis);
    size_t marks = 0;
    for (size_t pos = 0; (pos = utf8.find(kFffd, pos)) != std::string::npos; pos += 3) ++marks;
    EXPECT_EQ(marks, 100u);
    EXPECT_EQ(utf8.size(), 100000u * 3 + 100u * 3);
    EXPECT_EQ(utf8ToShiftJis(shiftJisToUtf8(std::string(200000, 'a'))), std::string(200000, 'a'));
    // Long runs of multi-byte characters at odd offsets come through whole, wherever the
    // conversion splits its work.
    std::string oddSjis = "a";
    std::string oddUtf8 = "a";
    for (int i = 0; i < 5000; ++i) {
        oddSjis += "\x95\x5C";
        oddUtf8 += "\u8868";
    }
    EXPECT_EQ(shiftJisToUtf8(oddSjis), oddUtf8);
    EXPECT_EQ(utf8ToShiftJis(oddUtf8), oddSjis);
}

}  // namespace
}  // namespace vokan
