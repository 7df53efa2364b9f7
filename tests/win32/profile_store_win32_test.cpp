// Profile integers in a real INI file of the Windows directory, one file per test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/profile_store_win32.h"

namespace vokanti::testing {
namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    ~ProfileStoreTest() override {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());  // flush the cache
        DeleteFileA(fullPath().c_str());
    }
    // Without a directory the file is the Windows directory's.
    std::string fullPath() const {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        return std::string(windows) + "\\" + name;
    }

    const std::string name = "vokanti-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".INI";
    ProfileStoreWin32 store{name};
};

TEST_F(ProfileStoreTest, WrittenValuesReadBackAndMissingKeysReadAsTheirDefaults) {
    EXPECT_EQ(store.readInt("Vokanti", "ignore_long", 30), 30);
    EXPECT_EQ(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
    for (int32_t value : {1024, -5, 0, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(store.writeInt("Vokanti", "ignore_long", value));
        EXPECT_EQ(store.readInt("Vokanti", "ignore_long", 30), value);
    }
    EXPECT_EQ(store.readInt("Vokanti", "word", -7), -7);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    EXPECT_NE(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProfileStoreTest, HandEditedValuesAreDecimalIntegersOrTheDefault) {
    const std::pair<std::string, int32_t> cases[] = {
        {"+7", 7}, {"  -40\t", -40}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MAX},
        {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}, {std::string(5000, '7'), INT32_MAX},
        {"abc", 20}, {"12abc", 20}, {"", 20}, {"-", 20}, {"1 2", 20}, {"0x10", 20},
        {"１２", 20},  // full-width digits
    };
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", text.c_str(), name.c_str()));
        EXPECT_EQ(store.readInt("Vokanti", "key", 20), expected) << text;
    }
}

}  // namespace
}  // namespace vokanti::testing
