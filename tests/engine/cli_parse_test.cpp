// Parsing the command line: every way to get it wrong. Each flag's effect is proved by
// the program's own runs.
#include "engine/command_line.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

using Args = std::vector<std::string>;

TEST(CliParse, RejectsWhatTheWindowNeverBuilds) {
    const Args bad[] = {
        {}, {"-i", "in"}, {"-o", "out"}, {"-i", "", "-o", "out"}, {"-i", "in.txt", "-o", "out", "-D"},
    };
    for (const Args& args : bad) {
        ParsedCommandLine p = parseCommandLine(args);
        EXPECT_TRUE(!p.ok && !p.error.empty()) << args.size();
    }
    // Each of these after a sound "-i in -o out".
    const Args extra[] = {
        {"-z"}, {"--help"}, {"in2"}, {"-l2"}, {"-l"}, {"-l", "x"}, {"-l", "-1"}, {"-l", "+1"},
        {"-L", "3 "}, {"-L", "99999999999"}, {"-q", "-1"}, {"-C", "-1"}, {"-i", "in"}, {"-y", "-y"},
        {"-t", "-j"}, {"-J", "-t"}, {"-H", "-T"}, {"-p", "-c"}, {"-x", "-X"}, {"-d"},
    };
    for (const Args& more : extra) {
        Args args{"-i", "in", "-o", "out"};
        args.insert(args.end(), more.begin(), more.end());
        ParsedCommandLine p = parseCommandLine(args);
        std::string joined;
        for (const std::string& a : args) joined += "[" + a + "]";
        EXPECT_FALSE(p.ok) << joined;
        EXPECT_FALSE(p.error.empty()) << joined;
    }
}

TEST(CliParse, UrlsAreRecognisedInAnyCase) {
    EXPECT_TRUE(isUrl("http://example.com/"));
    EXPECT_TRUE(isUrl("HTTPS://example.com/"));
    EXPECT_FALSE(isUrl("ftp://example.com/"));
    EXPECT_FALSE(isUrl("http:/x"));
    EXPECT_FALSE(isUrl("C:\\http\\x.txt"));
    EXPECT_TRUE(parseCommandLine({"-D", "-i", "http://example.com/a", "-o", "a.html"}).ok);
    // A value is the next argument, whatever it looks like.
    ParsedCommandLine dashy = parseCommandLine({"-i", "-t", "-o", "http://x"});
    ASSERT_TRUE(dashy.ok);
    EXPECT_EQ(dashy.request.input, "-t");
}

}  // namespace
}  // namespace vokan
