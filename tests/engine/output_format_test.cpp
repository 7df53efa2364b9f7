// The csv and vkndb5s writers, byte for byte, on the entries that need quoting or escapes;
// plain rows and the empty list are the program-level runs'.
#include "engine/output.h"

#include <gtest/gtest.h>

namespace vokan {
namespace {

std::vector<VocabularyEntry> sampleEntries() {
    VocabularyEntry awkward;
    awkward.headword = "say";
    awkward.meaning = "a, b";
    awkward.count = 1;
    awkward.example = "He said \"hi\"\tthen\\left\r\nfor good.";
    VocabularyEntry unknown;
    unknown.headword = "zorp";
    unknown.count = 12;
    return {awkward, unknown};
}

TEST(OutputCsv, ShiftJisCrLfAndQuotedWhereNeeded) {
    EXPECT_EQ(csvText(sampleEntries()),
              "word,meaning,count,example\r\n"
              "say,\"a, b\",1,\"He said \"\"hi\"\"\tthen\\left\r\nfor good.\"\r\n"
              "zorp,,12,\r\n");
}

TEST(OutputVkndb5s, Utf8WithEscapesKeepsOneEntryPerLine) {
    EXPECT_EQ(vkndb5sText(sampleEntries()),
              "vkndb5s\t1\r\nword\tmeaning\tcount\texample\r\n"
              "say\ta, b\t1\tHe said \"hi\"\\tthen\\\\left\\r\\nfor good.\r\n"
              "zorp\t\t12\t\r\n");
}

}  // namespace
}  // namespace vokan
