// The download itself, against a local server: natively through libcurl, under Wine through
// WinINet. Every address is on 127.0.0.1.
#include "engine/download.h"

#include "web_server.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vokan {
namespace {

using test::CannedResponse;
using test::WebServer;

// Small limits so that the failures come quickly.
DownloadLimits quickLimits() {
    DownloadLimits limits;
    limits.stallSeconds = 1;
    limits.maxBytes = 1024 * 1024;
    return limits;
}

CannedResponse redirectTo(const std::string& location) {
    return CannedResponse{302, "Location: " + location + "\r\n", "moved\n"};
}

TEST(WebDownload, FollowsFiveRedirectsAndNoMore) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    // Five hops, absolute and relative; the final page names its own charset.
    server.serve("/a1", redirectTo(server.url("/a2")));
    server.serve("/a2", redirectTo("/a3"));
    server.serve("/a3", redirectTo("a4"));
    server.serve("/a4", redirectTo(server.url("/a5")));
    server.serve("/a5", redirectTo("/final"));
    server.serve("/final", {200, "Content-Type: text/html; charset=utf-8\r\n", "arrived"});
    // Six hops.
    server.serve("/b1", redirectTo("/a1"));
    server.serve("/loop", redirectTo("/loop"));

    DownloadedPage page;
    std::string error;
    ASSERT_TRUE(download(server.url("/a1"), quickLimits(), page, error)) << error;
    EXPECT_EQ(page.body, "arrived");
    EXPECT_EQ(page.charset, "utf-8");

    EXPECT_FALSE(download(server.url("/b1"), quickLimits(), page, error));
    EXPECT_NE(error.find("redirect"), std::string::npos) << error;
    EXPECT_EQ(page.body, "");

    const int before = server.requests();
    EXPECT_FALSE(download(server.url("/loop"), quickLimits(), page, error));
    EXPECT_LE(server.requests() - before, 6);  // the first request and five redirects
}

TEST(WebDownload, StatusOtherThanSuccessFails) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    server.serve("/broken", {500, "", "oops"});
    server.serve("/nowhere", {302, "", "a redirect without a target"});
    // The 404 of a missing page is the program-level download test's.
    DownloadedPage page;
    std::string error;
    for (const char* path : {"/broken", "/nowhere"}) {
        EXPECT_FALSE(download(server.url(path), quickLimits(), page, error)) << path;
        EXPECT_NE(error.find(path[1] == 'b' ? "500" : "302"), std::string::npos) << error;
        EXPECT_EQ(page.body, "");
    }
}

TEST(WebDownload, AddressLongerThanAnyBufferFailsCleanly) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    DownloadedPage page;
    std::string error;
    // The server answers 404 to a request line it cannot take whole.
    EXPECT_FALSE(download(server.url("/" + std::string(100000, 'a')), quickLimits(), page, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(page.body, "");
}

TEST(WebDownload, ServerThatGoesSilentFailsAfterTheStallTime) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    CannedResponse silent{200, "Content-Type: text/html\r\n", std::string(5000, 'x')};
    silent.stallAfter = 100;  // headers and a little of the body, then nothing
    server.serve("/slow", silent);
    CannedResponse mute{200, "", "never sent"};
    mute.stallAfter = 0;
    server.serve("/mute", mute);

    for (const char* path : {"/slow", "/mute"}) {
        DownloadedPage page;
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(download(server.url(path), quickLimits(), page, error)) << path;
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_NE(error.find("no data"), std::string::npos) << path << ": " << error;
        EXPECT_GE(took, std::chrono::milliseconds(900)) << path;
        EXPECT_LT(took, std::chrono::seconds(10)) << path;
        EXPECT_EQ(page.body, "");
    }
}

TEST(WebDownload, ConnectionClosedBeforeTheAnnouncedLengthFails) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    CannedResponse cut{200, "Content-Type: text/html\r\n", std::string(5000, 'x')};
    cut.stallAfter = 1000;
    cut.closeAtStall = true;
    server.serve("/cut", cut);

    DownloadedPage page;
    std::string error;
    EXPECT_FALSE(download(server.url("/cut"), quickLimits(), page, error));
    EXPECT_NE(error.find("broken"), std::string::npos) << error;
    EXPECT_EQ(page.body, "");
}

TEST(WebDownload, BodyOverTheSizeLimitFails) {
    WebServer server;
    ASSERT_TRUE(server.listening());
    const std::string exact(1024 * 1024, 'a');
    const std::string over = exact + "b";
    server.serve("/exact", {200, "", exact});
    server.serve("/over", {200, "", over});
    server.serve("/over-unannounced", {200, "", over, false});
    server.serve("/huge", {200, "", std::string(8 * 1024 * 1024, 'c'), false});

    DownloadedPage page;
    std::string error;
    ASSERT_TRUE(download(server.url("/exact"), quickLimits(), page, error)) << error;
    EXPECT_EQ(page.body.size(), exact.size());
    for (const char* path : {"/over", "/over-unannounced", "/huge"}) {
        EXPECT_FALSE(download(server.url(path), quickLimits(), page, error)) << path;
        EXPECT_NE(error.find("larger than 1 MB"), std::string::npos) << path << ": " << error;
        EXPECT_EQ(page.body, "");
    }
}

}  // namespace
}  // namespace vokan
