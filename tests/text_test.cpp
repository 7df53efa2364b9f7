#include "core/text.h"

#include <gtest/gtest.h>

namespace vokanti {
namespace {

TEST(Text, EqualsIgnoringCaseFoldsAsciiOnly) {
    EXPECT_TRUE(equalsIgnoringCase("C:/A.TXT", "c:/a.txt"));
    EXPECT_FALSE(equalsIgnoringCase("C:/a.txt", "C:/a.txt.bak"));
    // ソ is 83 5C and ァ is 83 40: the second bytes differ, and 0x40/0x60 style folding
    // must never make a double-byte character equal to another.
    EXPECT_TRUE(equalsIgnoringCase("ソA", "ソa"));
    EXPECT_FALSE(equalsIgnoringCase("\x83\x41", "\x83\x61"));
}

TEST(Text, FormatTextFillsThePlaceholder) {
    EXPECT_EQ(formatText("%sが見つかりません．", "C:/x/vokan.exe"), "C:/x/vokan.exeが見つかりません．");
    EXPECT_EQ(formatText("no placeholder", "x"), "no placeholder");
}

}  // namespace
}  // namespace vokanti
