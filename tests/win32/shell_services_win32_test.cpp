// The shell services on Wine's real shell, and the program's name from its module path.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/paths.h"
#include "platform/win32/shell_services_win32.h"
#include "ui/win32/application_name.h"

namespace vokanti::testing {
namespace {

TEST(ShellServices, AMissingFileIsNotOpenedAndTheDesktopIsTheUsers) {
    ShellServicesWin32 shell;
    EXPECT_LE(shell.open("C:\\no-such-folder\\missing-file.txt", "", ""), 32);
    const auto desktop = shell.desktopDirectory();
    ASSERT_TRUE(desktop.has_value());
    EXPECT_EQ(fileBaseName(*desktop), "Desktop");
    EXPECT_NE(GetFileAttributesA(desktop->c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ModuleName, TheApplicationNameIsTheExecutablesBaseName) {
    EXPECT_EQ(applicationName(), "win32_tests");
}

}  // namespace
}  // namespace vokanti::testing
