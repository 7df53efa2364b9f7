// Profile integers in a real INI file of the Windows directory, one file per test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/integer_text.h"
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

TEST_F(ProfileStoreTest, WrittenValuesReadBackAndMissingKeysReadEmpty) {
    EXPECT_EQ(store.readText("Vokanti", "ignore_long"), "");
    EXPECT_EQ(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
    for (int32_t value : {1024, -5, 0, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(store.writeInt("Vokanti", "ignore_long", value));
        EXPECT_EQ(store.readText("Vokanti", "ignore_long"), std::to_string(value));
    }
    const std::string longValue(5000, '7');
    ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "long", longValue.c_str(), name.c_str()));
    EXPECT_EQ(store.readText("Vokanti", "long"), longValue);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    EXPECT_NE(GetFileAttributesA(fullPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

// A hand-edited value is read as the platform's own profile integers read it, wherever the
// value starts with a number; only a value without one gives the default.
TEST_F(ProfileStoreTest, HandEditedValuesAreReadAsThePlatformReadsThem) {
    for (const char* text : {"+7", "  -40\t", "50 ;note", "12abc", "1 2", "0x10", "0b11", "0o17", "7.5", "-0"}) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", text, name.c_str()));
        const auto ours = parseProfileInt(store.readText("Vokanti", "key"));
        ASSERT_TRUE(ours.has_value()) << text;
        EXPECT_EQ(*ours, static_cast<int32_t>(GetPrivateProfileIntA("Vokanti", "key", 20, name.c_str())))
            << text;
    }
    for (const char* text : {"abc", "", "-", "１２"}) {
        ASSERT_TRUE(WritePrivateProfileStringA("Vokanti", "key", text, name.c_str()));
        EXPECT_EQ(parseProfileInt(store.readText("Vokanti", "key")), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace vokanti::testing
