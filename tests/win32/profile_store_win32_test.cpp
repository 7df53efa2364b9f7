// Profile integers in a real INI file of the Windows directory, one file per test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/profile_store_win32.h"

namespace vokanti::testing {
namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    ProfileStoreTest()
        : name("vokanti-test-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".INI"),
          store(name) {}
    ~ProfileStoreTest() override {
        // Flush the platform's cache of the file, then remove it.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
        DeleteFileA(fullPath().c_str());
    }
    std::string fullPath() const {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        return std::string(windows) + "\\" + name;
    }
    void writeRaw(const char* key, const char* value) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", key, value, name.c_str()));
    }

    std::string name;
    ProfileStoreWin32 store;
};

TEST_F(ProfileStoreTest, MissingKeysReadAsTheirDefaults) {
    EXPECT_EQ(store.readInt("Vokanti", "ignore_long", 30), 30);
    EXPECT_EQ(store.readInt("Vokanti", "word", 1), 1);
    EXPECT_EQ(store.readInt("Vokanti", "odd", -7), -7);
    EXPECT_EQ(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProfileStoreTest, WrittenValuesReadBackInTheProgramsFile) {
    EXPECT_TRUE(store.writeInt("Vokanti", "ignore_long", 1024));
    EXPECT_TRUE(store.writeInt("Vokanti", "ignore_short", -5));
    EXPECT_TRUE(store.writeInt("Vokanti", "word", 0));
    EXPECT_TRUE(store.writeInt("Vokanti", "big", INT32_MIN));
    EXPECT_EQ(store.readInt("Vokanti", "ignore_long", 30), 1024);
    EXPECT_EQ(store.readInt("Vokanti", "ignore_short", 2), -5);
    EXPECT_EQ(store.readInt("Vokanti", "word", 1), 0);
    EXPECT_EQ(store.readInt("Vokanti", "big", 0), INT32_MIN);
    char text[32] = {};
    GetPrivateProfileStringA("Vokanti", "ignore_short", "", text, sizeof text, name.c_str());
    EXPECT_STREQ(text, "-5");
    // Without a directory the file is the Windows directory's.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    EXPECT_NE(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProfileStoreTest, HandEditedValuesThatAreNoNumbersReadAsTheDefault) {
    writeRaw("letters", "abc");
    writeRaw("trailing", "12abc");
    writeRaw("empty", "");
    writeRaw("spaced", "  -40\t");
    writeRaw("huge", "99999999999");
    writeRaw("tiny", "-99999999999");
    EXPECT_EQ(store.readInt("Vokanti", "letters", 20), 20);
    EXPECT_EQ(store.readInt("Vokanti", "trailing", 20), 20);
    EXPECT_EQ(store.readInt("Vokanti", "empty", 20), 20);
    EXPECT_EQ(store.readInt("Vokanti", "spaced", 20), -40);
    EXPECT_EQ(store.readInt("Vokanti", "huge", 20), INT32_MAX);
    EXPECT_EQ(store.readInt("Vokanti", "tiny", 20), INT32_MIN);
    writeRaw("long", std::string(5000, '7').c_str());
    EXPECT_EQ(store.readInt("Vokanti", "long", 20), INT32_MAX);
}

TEST(ProfileValue, ParsesDecimalIntegersOnly) {
    EXPECT_EQ(parseProfileInt("0"), 0);
    EXPECT_EQ(parseProfileInt("+7"), 7);
    EXPECT_EQ(parseProfileInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseProfileInt("2147483648"), INT32_MAX);
    EXPECT_EQ(parseProfileInt("-"), std::nullopt);
    EXPECT_EQ(parseProfileInt("1 2"), std::nullopt);
    EXPECT_EQ(parseProfileInt("0x10"), std::nullopt);
    EXPECT_EQ(parseProfileInt("１２"), std::nullopt);  // full-width digits
}

}  // namespace
}  // namespace vokanti::testing
