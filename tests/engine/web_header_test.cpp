#include "engine/http_text.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

// The charset parameter in its usual spellings; nothing when it is missing or malformed, or
// sits inside another parameter's quoted value; a parameter without '=' is passed over.
TEST(WebContentType, CharsetParameter) {
    const struct {
        const char* header;
        const char* charset;
    } cases[] = {
        {"text/html; charset=Shift_JIS", "Shift_JIS"}, {"text/html;charset=utf-8", "utf-8"},
        {"text/html; CHARSET = \"EUC-JP\" ", "EUC-JP"},
        {"text/plain; format=flowed; charset=iso-8859-1; delsp=yes", "iso-8859-1"},
        {"text/html; charset=\"a\\\"b\"", "a\"b"}, {"text/html; charset=\"x-sjis\" ; q=1", "x-sjis"},
        {"", ""}, {"text/html", ""}, {"text/html;", ""}, {";;;", ""}, {"text/html; charset", ""},
        {"text/html; charset=", ""}, {"text/html; charset=\"unclosed", ""},
        {"text/html; xcharset=utf-8", ""}, {"charset=utf-8", ""},
        {"text/html; title=\"a; charset=utf-8\"", ""},
        {"text/html; title=\"a; charset=utf-8\"; charset=cp932", "cp932"},
        {"text/html; odd; charset=utf-8", "utf-8"},
    };
    for (const auto& c : cases) EXPECT_EQ(charsetFromContentType(c.header), c.charset) << c.header;
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
    EXPECT_EQ(urlForRequest("http://h/page#section 2"), "http://h/page");
    EXPECT_EQ(urlForRequest("http://h/\x7F"), "http://h/%7F");
    // Bytes that may not be sent are escaped even before the scheme's colon.
    EXPECT_EQ(urlForRequest("HT TP\x01://h"), "ht%20tp%01://h");
}

}  // namespace
}  // namespace vokan
