// The web: the download itself against a local server (natively through libcurl, under Wine
// through WinINet; every address is on 127.0.0.1), the header and address texts it works
// with, and the vokan program with a web address as its input: a list made from a page, -D
// saving a page as it came, and every failed download ending quickly in its own exit code
// with no output.
#include "cli_support.h"
#include "engine/download.h"
#include "engine/http_text.h"
#include "web_server.h"

#include <chrono>

namespace vokan::test {
namespace {

// Five redirects as always, and small limits so that the failures come quickly: 1 s without
// data, 1 MB.
const DownloadLimits kQuick{5, 1, 1024 * 1024};

CannedResponse redirectTo(const std::string& location) {
    return CannedResponse{302, "Location: " + location + "\r\n", "moved\n"};
}

TEST(WebDownload, FollowsFiveRedirectsAndNoMore) {
    WebServer server;
    // Five hops, absolute and relative; the final page names its own charset.
    server.serve("/a1", redirectTo(server.url("/a2")));
    server.serve("/a2", redirectTo("/a3"));
    server.serve("/a3", redirectTo("a4"));
    server.serve("/a4", redirectTo(server.url("/a5")));
    server.serve("/a5", redirectTo("/final"));
    const std::string exact(1024 * 1024, 'a');
    server.serve("/final", {200, "Content-Type: text/html; charset=utf-8\r\n", exact});  // a body at the limit
    server.serve("/b1", redirectTo("/a1"));  // six hops
    server.serve("/loop", redirectTo("/loop"));

    DownloadedPage page;
    std::string error;
    ASSERT_TRUE(download(server.url("/a1"), kQuick, page, error)) << error;
    EXPECT_EQ(page.body.size(), exact.size());
    EXPECT_EQ(page.charset, "utf-8");

    EXPECT_FALSE(download(server.url("/b1"), kQuick, page, error));
    EXPECT_NE(error.find("redirect"), std::string::npos) << error;
    EXPECT_EQ(page.body, "");

    const int before = server.requests();
    EXPECT_FALSE(download(server.url("/loop"), kQuick, page, error));
    EXPECT_LE(server.requests() - before, 6);  // the first request and five redirects
}

// Each way a download can fail: it fails soon, says why, and hands back no body.
TEST(WebDownload, EachFailureIsReportedWithoutABody) {
    WebServer server;
    const std::string over(1024 * 1024 + 1, 'b');
    const struct {
        std::string path;
        CannedResponse response;
        std::string reason;  // a part of the error
    } cases[] = {
        {"/broken", {500, "", "oops"}, "500"},
        {"/nowhere", {302, "", "a redirect without a target"}, "302"},
        // Silent after the headers and a little of the body, silent after the headers, and
        // closed before the announced length.
        {"/slow", {200, "", std::string(5000, 'x'), true, 100}, "no data"},
        {"/mute", {200, "", "never sent", true, 0}, "no data"},
        {"/cut", {200, "", std::string(5000, 'x'), true, 1000, true}, "broken"},
        {"/over", {200, "", over}, "larger than 1 MB"},
        {"/over-unannounced", {200, "", over, false}, "larger than 1 MB"},
        {"/huge", {200, "", std::string(8 * 1024 * 1024, 'c'), false}, "larger than 1 MB"},
        // An address longer than any buffer.
        {"/" + std::string(100000, 'a'), {404, "", "no such page"}, ""},
    };
    for (const auto& [path, response, reason] : cases) {
        SCOPED_TRACE(path.substr(0, 20));
        server.serve(path, response);
        DownloadedPage page;
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(download(server.url(path), kQuick, page, error));
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(error.empty());
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_EQ(page.body, "");
        EXPECT_LT(took, std::chrono::seconds(10));
        if (reason == "no data") {
            EXPECT_GE(took, std::chrono::milliseconds(900));
        }
    }
}

// The charset parameter in its usual spellings; nothing when it is missing or malformed, or
// sits inside another parameter's quoted value; a parameter without '=' is passed over.
TEST(WebText, CharsetParameterAndAddressToSend) {
    const std::pair<std::string, std::string> cases[] = {
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
        {std::string("text/html; charset=a\0b", 22), std::string("a\0b", 3)},
    };
    for (const auto& [header, charset] : cases) EXPECT_EQ(charsetFromContentType(header), charset) << header;

    // An address escapes what cannot be sent and keeps the rest.
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

TEST(WebJob, PageCharsetFromTheHttpHeader) {
    WebServer server;
    // Bytes that are valid UTF-8 (ち), and so read as UTF-8 when nothing names a charset, as
    // well as Shift-JIS (縺ｱ): only the header tells which.
    server.serve("/declared.html",
                 {200, "Content-Type: text/html; charset=Shift_JIS\r\n", "<p>The dog \xE3\x81\xB1.</p>"});

    ProgramDir dir;
    dir.writeDefaults();
    RunResult r = dir.run({"-p", "-i", server.url("/declared.html"), "-o", "out.tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("out.tsv")),
              "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n"
              "dog\t\xE7\x8A\xAC\t1\tThe dog \xE7\xB8\xBA\xEF\xBD\xB1.\r\n");
}

TEST(WebJob, DownloadOnlySavesTheBytesUnchangedAndNeedsNoEnvFiles) {
    WebServer server;
    std::string bytes = "<html>\r\n";
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\n\r\n</html>";
    server.serve("/start", {302, "Location: /page.html\r\n", ""});
    // Without a Content-Length: the body ends when the connection closes.
    server.serve("/page.html", {200, "Content-Type: text/html; charset=Shift_JIS\r\n", bytes, false});

    ProgramDir dir;  // env/ holds nothing at all
    writeFile(dir.work("page.html"), "an older download");
    RunResult r = dir.run({"-D", "-i", server.url("/start"), "-o", "page.html"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(r.stderrText, "");
    EXPECT_EQ(readFile(dir.work("page.html")), bytes);
    EXPECT_FALSE(fs::exists(dir.work("page.html.vokan-tmp")));
    // Only a web address can be downloaded.
    r = dir.run({"-D", "-i", "page.html", "-o", "copy.html"});
    EXPECT_EQ(r.exitCode, 1) << r.stderrText;
}

TEST(WebJob, FailedDownloadIsElevenAndLeavesNoOutput) {
    WebServer server;
    server.serve("/loop", {302, "Location: /loop\r\n", ""});
    // A port on which nothing listens: it was free a moment ago.
    const std::string noServer = WebServer().url("/page.html");

    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("kept.csv"), "an earlier list");
    for (const std::string& url : {server.url("/missing.html"), server.url("/loop"), noServer}) {
        for (bool downloadOnly : {true, false}) {
            SCOPED_TRACE(url + (downloadOnly ? " -D" : ""));
            std::vector<std::string> args{"-i", url, "-o", "kept.csv"};
            if (downloadOnly) args.insert(args.begin(), "-D");
            const auto start = std::chrono::steady_clock::now();
            RunResult r = dir.run(args);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
            EXPECT_EQ(r.exitCode, 11) << r.stderrText;
            EXPECT_NE(r.stderrText.find("download"), std::string::npos) << r.stderrText;
            if (url == server.url("/missing.html")) {
                EXPECT_NE(r.stderrText.find("404"), std::string::npos) << r.stderrText;
            }
            EXPECT_EQ(readFile(dir.work("kept.csv")), "an earlier list");
            EXPECT_FALSE(fs::exists(dir.work("kept.csv.vokan-tmp")));
        }
    }

    // A list job reads env/ first: a missing env/dict.txt is reported before anything is
    // fetched.
    fs::remove(dir.env("dict.txt"));
    const int before = server.requests();
    RunResult r = dir.run({"-i", server.url("/missing.html"), "-o", "new.csv"});
    EXPECT_EQ(r.exitCode, 5) << r.stderrText;
    EXPECT_EQ(server.requests(), before);
}

}  // namespace
}  // namespace vokan::test
