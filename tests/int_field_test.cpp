#include "core/int_field.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vokanti {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(IntField, AcceptsDecimalIntegersWithBlanksAndSign) {
    EXPECT_EQ(parseIntField("0"), 0);
    EXPECT_EQ(parseIntField("00"), 0);
    EXPECT_EQ(parseIntField("42"), 42);
    EXPECT_EQ(parseIntField("007"), 7);
    EXPECT_EQ(parseIntField("  +7\t"), 7);
    EXPECT_EQ(parseIntField("\t-13  "), -13);
}

TEST(IntField, RejectsEverythingElse) {
    for (const char* text : {"", "   ", "\t", "abc", "12a", "1 2", "-", "+", " - 5", "0x10",
                             "1.5", "5\n", "１２", "+-3"}) {
        EXPECT_EQ(parseIntField(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IntField, RejectsAZeroWrittenWithASign) {
    EXPECT_EQ(parseIntField("-0"), std::nullopt);
    EXPECT_EQ(parseIntField("+0"), std::nullopt);
    EXPECT_EQ(parseIntField(" -000 "), std::nullopt);
    EXPECT_EQ(parseIntField("-01"), -1);
}

TEST(IntField, ClampsToTheNearest32BitValue) {
    EXPECT_EQ(parseIntField("2147483647"), kMax);
    EXPECT_EQ(parseIntField("2147483648"), kMax);
    EXPECT_EQ(parseIntField("-2147483648"), kMin);
    EXPECT_EQ(parseIntField("-2147483649"), kMin);
    EXPECT_EQ(parseIntField("99999999999999999999999999999"), kMax);
    EXPECT_EQ(parseIntField("-99999999999999999999999999999"), kMin);
}

TEST(IntField, ExaminesTheFirst31CharactersOnly) {
    EXPECT_EQ(parseIntField("5" + std::string(30, ' ') + "x"), 5);
    EXPECT_EQ(parseIntField("5" + std::string(29, ' ') + "x"), std::nullopt);
    EXPECT_EQ(parseIntField(std::string(31, ' ') + "5"), std::nullopt);
    EXPECT_EQ(parseIntField(std::string(60, '1')), kMax);
}

}  // namespace
}  // namespace vokanti
