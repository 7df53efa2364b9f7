// Favorites rewritten through the Win32 files: the file replaced whole in one step, and a
// favorites file held by another opener or read-only left exactly as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/memory_form.h"
#include "core/messages.h"
#include "core/text.h"
#include "platform/win32/file_system_win32.h"
#include "support/fakes.h"
#include "ui/main_dialog_controls.h"
#include "ui/vokanti_dlg.h"
#include "win32/support/scratch_dir.h"

namespace vokanti::testing {
namespace {

constexpr char kOld[] = "Times\r\nC:/news/times.html\r\n";

TEST(FavoritesWin32, RewritesReplaceTheFileWholeOrLeaveItAsItWas) {
    ScratchDir dir;
    dir.makeDir("env");
    dir.write("env\\favorite.txt", kOld);
    MemoryForm form;
    addMainDialogControls(form);
    FakeProfile profile;
    FileSystemWin32 files;
    FakeProcess process;
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
    dlg.ProgramDir = dir.path() + "/";
    std::replace(dlg.ProgramDir.begin(), dlg.ProgramDir.end(), '\\', '/');
    const std::string favorites = dlg.ProgramDir + "env/favorite.txt";
    const std::string failed = formatText(text::kFileWriteFailed, favorites);
    dlg.writeForm();
    dlg.loadFavorites();
    auto add = [&](const char* title, const char* location) {
        form.setText(IDC_INPUT, location);
        prompts.titleAnswer = std::string(title);
        dlg.addFavorite();
    };

    {
        auto holder = files.open(favorites, OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        add("New", "C:/new.txt");
    }
    EXPECT_EQ(dir.read("env\\favorite.txt"), kOld);
    EXPECT_EQ(prompts.results, std::vector<std::string>{failed});
    // Released: the next change writes the whole list, the earlier addition included.
    add("More", "C:/more.txt");
    EXPECT_EQ(dir.read("env\\favorite.txt"),
              std::string(kOld) + "New\r\nC:/new.txt\r\nMore\r\nC:/more.txt\r\n");
    EXPECT_EQ(dlg.favoriteStamp, files.modStamp(favorites));
    EXPECT_FALSE(dir.exists("env\\favorite.txt.new"));

    // A read-only file is read all the same, and never replaced.
    dir.write("env\\favorite.txt", kOld);
    ASSERT_TRUE(SetFileAttributesA(favorites.c_str(), FILE_ATTRIBUTE_READONLY));
    form.clearEntries(IDC_FAVORITE_LIST);
    form.clearEntries(IDC_FAVORITE_LOCATIONS);
    dlg.loadFavorites();
    EXPECT_EQ(form.entry(IDC_FAVORITE_LOCATIONS, 0), "C:/news/times.html");
    add("New", "C:/new.txt");
    EXPECT_EQ(dir.read("env\\favorite.txt"), kOld);
    EXPECT_EQ(prompts.results, (std::vector<std::string>{failed, failed}));
    EXPECT_FALSE(dir.exists("env\\favorite.txt.new"));
}

}  // namespace
}  // namespace vokanti::testing
