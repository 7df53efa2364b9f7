// The vokan program with a web address as its input: a list made from a page, -D saving a
// page as it came, and every failed download ending quickly in its own exit code with no
// output.
#include "cli_support.h"
#include "web_server.h"

#include <chrono>

namespace vokan::test {
namespace {

TEST(WebJob, PageCharsetFromTheHttpHeader) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    const std::string sjisHeader = "Content-Type: text/html; charset=Shift_JIS\r\n";
    // りんご in Shift-JIS; the page itself names no charset.
    server.serve("/sjis.html", {200, sjisHeader, "<html><body><p>The cat \x82\xE8\x82\xF1\x82\xB2.</p></body></html>"});
    // Bytes that are valid UTF-8 (ち) as well as Shift-JIS (縺ｱ): only the header tells which.
    const std::string ambiguous = "<p>The dog \xE3\x81\xB1.</p>";
    server.serve("/declared.html", {200, sjisHeader, ambiguous});
    server.serve("/undeclared.html", {200, "Content-Type: text/html\r\n", ambiguous});

    ProgramDir dir;
    dir.writeDefaults();
    RunResult r = dir.run({"-p", "-i", server.url("/sjis.html"), "-o", "out.tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("out.tsv")),
              "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n"
              "cat\t\xE7\x8C\xAB\t1\tThe cat \xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94.\r\n");

    r = dir.run({"-p", "-i", server.url("/declared.html"), "-o", "out.tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_NE(readFile(dir.work("out.tsv")).find("The dog \xE7\xB8\xBA\xEF\xBD\xB1."), std::string::npos)
        << readFile(dir.work("out.tsv"));

    r = dir.run({"-p", "-i", server.url("/undeclared.html"), "-o", "out.tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_NE(readFile(dir.work("out.tsv")).find("The dog \xE3\x81\xB1."), std::string::npos)
        << readFile(dir.work("out.tsv"));
}

TEST(WebJob, DownloadOnlySavesTheBytesUnchangedAndNeedsNoEnvFiles) {
    WebServer server;
    ASSERT_TRUE(server.listening());
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
    EXPECT_FALSE(fs::exists(dir.work("copy.html")));
    // The output's folder must exist, as for every job.
    r = dir.run({"-D", "-i", server.url("/page.html"), "-o", "missing/page.html"});
    EXPECT_EQ(r.exitCode, 3) << r.stderrText;
    // The 404 of a missing page names its status.
    r = dir.run({"-D", "-i", server.url("/missing.html"), "-o", "page.html"});
    EXPECT_EQ(r.exitCode, 11);
    EXPECT_NE(r.stderrText.find("404"), std::string::npos) << r.stderrText;
    EXPECT_EQ(readFile(dir.work("page.html")), bytes);
}

TEST(WebJob, FailedDownloadIsElevenAndLeavesNoOutput) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    server.serve("/loop", {302, "Location: /loop\r\n", ""});
    const std::string noServer = "http://127.0.0.1:" + std::to_string(unusedLocalPort()) + "/page.html";

    ProgramDir dir;
    dir.writeDefaults();
    writeFile(dir.work("kept.csv"), "an earlier list");
    for (const std::string& url : {server.url("/missing.html"), server.url("/loop"), noServer}) {
        for (bool downloadOnly : {true, false}) {
            std::vector<std::string> args{"-i", url, "-o", "kept.csv"};
            if (downloadOnly) args.insert(args.begin(), "-D");
            const auto start = std::chrono::steady_clock::now();
            RunResult r = dir.run(args);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << url;
            EXPECT_EQ(r.exitCode, 11) << url << " " << r.stderrText;
            EXPECT_NE(r.stderrText.find("download"), std::string::npos) << r.stderrText;
            EXPECT_EQ(readFile(dir.work("kept.csv")), "an earlier list");

            args[args.size() - 1] = "new.csv";
            r = dir.run(args);
            EXPECT_EQ(r.exitCode, 11) << url << " " << r.stderrText;
            EXPECT_FALSE(fs::exists(dir.work("new.csv")));
            EXPECT_FALSE(fs::exists(dir.work("new.csv.vokan-tmp")));
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
