// The learner's lists read and written: level.txt's lines, the headwords read back from a
// list, and known.txt grown without a byte of it changed.
#include <gtest/gtest.h>

#include "engine/known_words.h"
#include "engine/list_lines.h"
#include "engine/word_lists.h"

namespace vokan {
namespace {

using Strings = std::vector<std::string>;

TEST(WordLevels, LinesOfWordAndLevel) {
    size_t skipped = 0;
    const WordLevels levels = parseWordLevels(
        std::string("# levels\r\nHouse\t1\nhouse\t3\ncompost 3\r\n\r\nno level\ncat\t0\ndog\t-1\n"
                      "emu\t1001\nowl\t2x\nthree\tfields\there\n\xEF\xBF\xBE\t2\n" + std::string(1 << 20, 'x') +
                      "\t2\n"),
        &skipped);
    EXPECT_EQ(skipped, 6u);
    EXPECT_EQ(levels.find("HOUSE"), 1);  // case ignored; a repeat keeps the lowest level
    EXPECT_EQ(levels.find("compost"), 3);
    EXPECT_EQ(levels.find("cat"), 0);
    EXPECT_EQ(levels.highest(), 3);
    EXPECT_EQ(levels.size(), 4u);  // and the line of a megabyte, harmless
}

TEST(KnownWords, HeadwordsOfEachListAndNothingElse) {
    // Fields quoted as the csv writer quotes them; a question's answer names its headword.
    EXPECT_EQ(listedHeadwords("word,meaning,count,example\r\n\"a,b\",\"x\r\ny\",1,\"say \"\"hi\"\"\"\r\ncat,,2,\r\n"),
              (Strings{"a,b", "cat"}));
    EXPECT_EQ(listedHeadwords("question,answer\r\n( ) ran.,\"dog: \x8C\xA2\"\r\n( ),look up\r\n"),
              (Strings{"dog", "look up"}));
    EXPECT_EQ(listedHeadwords("vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\na\\\\b\tm\t1\te\r\n"),
              (Strings{"a\\b"}));
    EXPECT_EQ(listedHeadwords("vkndb5s\t1\r\nquestion\tanswer\r\nq\tgo: \xE8\xA1\x8C\r\n"), (Strings{"go"}));
    EXPECT_EQ(listedHeadwords("<meta name=\"generator\" content=\"vokan\">\n<td class=\"word\"><a class=\"headword\" "
                              "href=\"x?a&amp;b\" title=\"T\">rock &amp; roll</a></td><span class=\"headword\">"
                              "don&#39;t</span>"),
              (Strings{"rock & roll", "don't"}));
    EXPECT_EQ(listedHeadwords("word,meaning,count,example\r\n"), Strings{});
    for (const char* other : {"", "word,meaning\r\ncat,x\r\n", "vkndb5s\t2\r\nword\tmeaning\tcount\texample\r\n",
                              "<html><span class=\"headword\">cat</span></html>", "cat\r\ndog\r\n"})
        EXPECT_FALSE(listedHeadwords(other)) << other;
}

TEST(KnownWords, NewWordsAppendedInTheFilesOwnWay) {
    const Strings words{"cat", "Dog", "cat", "#tag", "a\tb", "\xE8\xA1\x8C", "caf\xC3\xA9", "dog"};
    const std::pair<std::string, std::string> cases[] = {
        // Shift-JIS with CR LF: é has no Shift-JIS form and is passed over.
        {"", "cat\r\nDog\r\n\x8D\x73\r\n"},
        // LF kept, a last line without its end finished first, a known word (any case) not
        // repeated, and bytes that are not Shift-JIS left as they were.
        {"# mine\nCAT\n\x82", "# mine\nCAT\n\x82\nDog\n\x8D\x73\n"},
        {"cat\r", "cat\r\nDog\r\n\x8D\x73\r\n"},
        // UTF-8 after its mark: é fits.
        {"\xEF\xBB\xBF" "dog\r\n", "\xEF\xBB\xBF" "dog\r\ncat\r\n\xE8\xA1\x8C\r\ncaf\xC3\xA9\r\n"},
    };
    for (const auto& [before, after] : cases) EXPECT_EQ(addKnownWords(before, words).bytes, after) << before;
    const KnownWordsUpdate none = addKnownWords("cat\r\ndog\r\n", {"Cat", "DOG"});
    EXPECT_EQ(none.added, 0u);
    EXPECT_EQ(none.bytes, "cat\r\ndog\r\n");
}

}  // namespace
}  // namespace vokan
