#include "core/int_field.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vokanti {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(IntField, AcceptsDecimalIntegersWithBlanksAndSignClampedTo32Bits) {
    const std::pair<std::string, int32_t> cases[] = {
        {"00", 0}, {"007", 7}, {"  +7\t", 7}, {"\t-13  ", -13}, {"-01", -1},
        {"2147483648", kMax}, {"-2147483648", kMin}, {"-2147483649", kMin},
        {std::string(60, '1'), kMax}, {"-" + std::string(40, '9'), kMin},
        {"5" + std::string(30, ' ') + "x", 5},  // only the first 31 characters count
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseIntField(text), value) << text;
}

TEST(IntField, RejectsEverythingElse) {
    for (const char* text : {"", "   ", "abc", "12a", "1 2", "-", " - 5", "0x10", "1.5",
                                   "5\n", "１２", "+-3", "-0", "+0", " -000 "}) {
        EXPECT_EQ(parseIntField(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(parseIntField("5" + std::string(29, ' ') + "x"), std::nullopt);
    EXPECT_EQ(parseIntField(std::string(31, ' ') + "5"), std::nullopt);
}

}  // namespace
}  // namespace vokanti
