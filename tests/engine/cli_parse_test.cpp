// Parsing the command line into a job: every flag's effect, and every way to get it wrong.
#include "engine/command_line.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

using Args = std::vector<std::string>;

TEST(CliParse, DefaultsAndEveryFlagInAnyOrder) {
    ParsedCommandLine plain = parseCommandLine({"-i", "in.txt", "-o", "out.csv"});
    ASSERT_TRUE(plain.ok) << plain.error;
    EXPECT_EQ(plain.request.mode, ExtractMode::Words);
    EXPECT_EQ(plain.request.inputKind, InputKind::Auto);
    EXPECT_EQ(plain.request.format, OutputFormat::Csv);
    EXPECT_FALSE(plain.request.listUnknown || plain.request.inputFormsOnly ||
                 plain.request.noIgnoreList || plain.request.unsortedDictionaries ||
                 plain.request.downloadOnly);
    EXPECT_FALSE(plain.request.shortestExcluded || plain.request.longestMeaning ||
                 plain.request.questions || plain.request.questionWidth);

    ParsedCommandLine all = parseCommandLine({"-o", "o", "-d", "a.dic", "-J", "-T", "-p", "-y",
                                              "-N", "-n", "-S", "-l", "2", "-L", "0", "-q", "5",
                                              "-C", "40", "-d", "b dic", "-i", "i"});
    ASSERT_TRUE(all.ok) << all.error;
    const JobRequest& r = all.request;
    EXPECT_EQ(r.mode, ExtractMode::Idioms);
    EXPECT_EQ(r.inputKind, InputKind::Text);
    EXPECT_EQ(r.format, OutputFormat::Vkndb5s);
    EXPECT_TRUE(r.listUnknown && r.inputFormsOnly && r.noIgnoreList && r.unsortedDictionaries);
    EXPECT_EQ(r.shortestExcluded, 2);
    EXPECT_EQ(r.longestMeaning, 0);
    EXPECT_EQ(r.questions, 5);
    EXPECT_EQ(r.questionWidth, 40);
    EXPECT_EQ(r.extraDictionaries, (Args{"a.dic", "b dic"}));
    EXPECT_EQ(r.input, "i");
    EXPECT_EQ(r.output, "o");

    struct { const char* flag; ExtractMode mode; InputKind kind; OutputFormat format; } choices[] = {
        {"-j", ExtractMode::WordsAndIdioms, InputKind::Auto, OutputFormat::Csv},
        {"-H", ExtractMode::Words, InputKind::Html, OutputFormat::Csv},
        {"-x", ExtractMode::Words, InputKind::Auto, OutputFormat::Html1},
        {"-X", ExtractMode::Words, InputKind::Auto, OutputFormat::Html2},
        {"-c", ExtractMode::Words, InputKind::Auto, OutputFormat::Csv},
    };
    for (const auto& c : choices) {
        ParsedCommandLine p = parseCommandLine({c.flag, "-i", "i", "-o", "o"});
        ASSERT_TRUE(p.ok) << c.flag;
        EXPECT_EQ(p.request.mode, c.mode) << c.flag;
        EXPECT_EQ(p.request.inputKind, c.kind) << c.flag;
        EXPECT_EQ(p.request.format, c.format) << c.flag;
    }
    // A value is the next argument, whatever it looks like.
    ParsedCommandLine dashy = parseCommandLine({"-i", "-t", "-o", "http://x"});
    ASSERT_TRUE(dashy.ok);
    EXPECT_EQ(dashy.request.input, "-t");
}

TEST(CliParse, RejectsWhatTheWindowNeverBuilds) {
    const Args bad[] = {
        {},
        {"-i", "in"},
        {"-o", "out"},
        {"-i", "", "-o", "out"},
        {"-i", "in", "-o", "out", "-z"},
        {"-i", "in", "-o", "out", "--help"},
        {"-i", "in", "-o", "out", "in2"},
        {"-i", "in", "-o", "out", "-l2"},
        {"-i", "in", "-o", "out", "-l"},
        {"-i", "in", "-o", "out", "-l", "x"},
        {"-i", "in", "-o", "out", "-l", "-1"},
        {"-i", "in", "-o", "out", "-l", "+1"},
        {"-i", "in", "-o", "out", "-L", "3 "},
        {"-i", "in", "-o", "out", "-L", "99999999999"},
        {"-i", "in", "-o", "out", "-q", "-1"},
        {"-i", "in", "-o", "out", "-C", "-1"},
        {"-i", "in", "-o", "out", "-i", "in"},
        {"-i", "in", "-o", "out", "-y", "-y"},
        {"-i", "in", "-o", "out", "-t", "-j"},
        {"-i", "in", "-o", "out", "-J", "-t"},
        {"-i", "in", "-o", "out", "-H", "-T"},
        {"-i", "in", "-o", "out", "-p", "-c"},
        {"-i", "in", "-o", "out", "-x", "-X"},
        {"-i", "in", "-o", "out", "-d"},
        {"-i", "in.txt", "-o", "out", "-D"},
    };
    for (const Args& args : bad) {
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
}

}  // namespace
}  // namespace vokan
