// The shell services on Wine's real shell, and the program's name from its module path.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/module_name.h"
#include "platform/win32/shell_services_win32.h"

namespace vokanti::testing {
namespace {

TEST(ShellServices, AMissingFileIsNotOpenedAndTheDesktopIsTheUsers) {
    ShellServicesWin32 shell;
    EXPECT_LE(shell.open("C:\\no-such-folder\\missing-file.txt", "", ""), 32);
    const auto desktop = shell.desktopDirectory();
    ASSERT_TRUE(desktop.has_value());
    EXPECT_EQ(baseNameOf(*desktop), "Desktop");
    EXPECT_NE(GetFileAttributesA(desktop->c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ModuleName, TheApplicationNameIsTheExecutablesBaseName) {
    EXPECT_EQ(applicationName(), "win32_tests");
    EXPECT_EQ(baseNameOf("C:\\Apps\\ソフト\\Vokanti.exe"), "Vokanti");
    // ソ and 表 end in 5C, the backslash's byte: they are not separators.
    EXPECT_EQ(baseNameOf("C:\\ソ\\表.exe"), "表");
    EXPECT_EQ(baseNameOf("C:/a.b/ソフト"), "ソフト");
}

}  // namespace
}  // namespace vokanti::testing
