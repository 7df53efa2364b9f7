#include "engine/http_text.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

TEST(WebContentType, FindsTheCharsetParameterInItsUsualSpellings) {
    EXPECT_EQ(charsetFromContentType("text/html; charset=Shift_JIS"), "Shift_JIS");
    EXPECT_EQ(charsetFromContentType("text/html;charset=utf-8"), "utf-8");
    EXPECT_EQ(charsetFromContentType("text/html; CHARSET = \"EUC-JP\" "), "EUC-JP");
    EXPECT_EQ(charsetFromContentType("text/plain; format=flowed; charset=iso-8859-1; delsp=yes"),
              "iso-8859-1");
    EXPECT_EQ(charsetFromContentType("text/html; charset=\"a\\\"b\""), "a\"b");
    EXPECT_EQ(charsetFromContentType("text/html; charset=\"x-sjis\" ; q=1"), "x-sjis");
}

TEST(WebContentType, NoCharsetOrMalformedGivesNothing) {
    EXPECT_EQ(charsetFromContentType(""), "");
    EXPECT_EQ(charsetFromContentType("text/html"), "");
    EXPECT_EQ(charsetFromContentType("text/html;"), "");
    EXPECT_EQ(charsetFromContentType(";;;"), "");
    EXPECT_EQ(charsetFromContentType("text/html; charset"), "");
    EXPECT_EQ(charsetFromContentType("text/html; charset="), "");
    EXPECT_EQ(charsetFromContentType("text/html; charset=\"unclosed"), "");
    EXPECT_EQ(charsetFromContentType("text/html; xcharset=utf-8"), "");
    // The media type itself is not a parameter.
    EXPECT_EQ(charsetFromContentType("charset=utf-8"), "");
}

TEST(WebContentType, CharsetInsideAnotherQuotedValueDoesNotCount) {
    EXPECT_EQ(charsetFromContentType("text/html; title=\"a; charset=utf-8\""), "");
    EXPECT_EQ(charsetFromContentType("text/html; title=\"a; charset=utf-8\"; charset=cp932"), "cp932");
    // A parameter without '=' is passed over, not taken as the start of the next one.
    EXPECT_EQ(charsetFromContentType("text/html; odd; charset=utf-8"), "utf-8");
}

TEST(WebContentType, ArbitraryBytesNeverCrash) {
    std::string bytes;
    for (int i = 0; i < 512; ++i) {
        bytes += static_cast<char>((i * 37) & 0xFF);
        charsetFromContentType(bytes);
        charsetFromContentType(std::string("text/html; charset=") + bytes);
        urlForRequest(bytes);
    }
    EXPECT_EQ(charsetFromContentType(std::string("text/html; charset=a\0b", 22)), std::string("a\0b", 3));
}

TEST(WebUrl, EscapesWhatCannotBeSentAndKeepsTheRest) {
    EXPECT_EQ(urlForRequest("http://example.com/a/b?x=1&y=%20z"), "http://example.com/a/b?x=1&y=%20z");
    EXPECT_EQ(urlForRequest("HTTPS://Example.com/A"), "https://Example.com/A");
    EXPECT_EQ(urlForRequest("http://h/a b\tc"), "http://h/a%20b%09c");
    // UTF-8 of ü, then of 日.
    EXPECT_EQ(urlForRequest("http://h/\xC3\xBC/\xE6\x97\xA5"), "http://h/%C3%BC/%E6%97%A5");
    EXPECT_EQ(urlForRequest("http://h/page#part 2"), "http://h/page");
    EXPECT_EQ(urlForRequest("http://h/\x7F"), "http://h/%7F");
    // Bytes that may not be sent are escaped even before the scheme's colon.
    EXPECT_EQ(urlForRequest("HT TP\x01://h"), "ht%20tp%01://h");
}

}  // namespace
}  // namespace vokan
