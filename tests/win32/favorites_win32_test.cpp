// Favorites rewritten through the Win32 file services: the file replaced in one step, and a
// favorites file that is held by another opener or read-only left exactly as it was.
#include <windows.h>

#include <gtest/gtest.h>

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
constexpr char kNew[] = "Times\r\nC:/news/times.html\r\nNew\r\nC:/new.txt\r\n";

class FavoritesWin32Test : public ::testing::Test {
protected:
    FavoritesWin32Test() {
        addMainDialogControls(form);
        dir.makeDir("env");
        dir.write("env\\favorite.txt", kOld);
        std::string programDir = dir.path() + "/";
        for (char& c : programDir) {
            if (c == '\\') c = '/';
        }
        dlg.ProgramDir = programDir;
        dlg.writeForm();
        dlg.loadFavorites();
        form.setText(IDC_INPUT, "C:/new.txt");
        prompts.titleAnswer = std::string("New");
    }
    ~FavoritesWin32Test() override {
        SetFileAttributesA(favorites().c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    std::string favorites() const { return dlg.ProgramDir + "env/favorite.txt"; }
    std::string content() const { return dir.read("env\\favorite.txt"); }

    ScratchDir dir;
    MemoryForm form;
    FakeProfile profile;
    FileSystemWin32 files;
    FakeProcess process;
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
};

TEST_F(FavoritesWin32Test, AddAndDeleteReplaceTheFileWhole) {
    ASSERT_EQ(form.entryCount(IDC_FAVORITE_LIST), 1);
    dlg.addFavorite();
    EXPECT_EQ(content(), kNew);
    EXPECT_EQ(dlg.favoriteStamp, files.modStamp(favorites()));
    EXPECT_FALSE(dir.exists("env\\favorite.txt.new"));

    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.deleteSelectedFavorite();
    form.setSelection(IDC_FAVORITE_LIST, 0);
    dlg.deleteSelectedFavorite();
    EXPECT_TRUE(dir.exists("env\\favorite.txt"));
    EXPECT_EQ(content(), "");
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesWin32Test, FileHeldWithoutSharingIsLeftAsItWas) {
    {
        auto holder = files.open(favorites(), OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        dlg.addFavorite();
    }
    EXPECT_EQ(content(), kOld);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kFileWriteFailed, favorites())}));
    EXPECT_FALSE(dir.exists("env\\favorite.txt.new"));

    // Released: the next change writes the whole list, the earlier addition included.
    form.setText(IDC_INPUT, "C:/more.txt");
    prompts.titleAnswer = std::string("More");
    dlg.addFavorite();
    EXPECT_EQ(content(), std::string(kNew) + "More\r\nC:/more.txt\r\n");
}

TEST_F(FavoritesWin32Test, ReadOnlyFileIsReadButNeverReplaced) {
    ASSERT_TRUE(SetFileAttributesA(favorites().c_str(), FILE_ATTRIBUTE_READONLY));
    form.clearEntries(IDC_FAVORITE_LIST);
    form.clearEntries(IDC_FAVORITE_LOCATIONS);
    dlg.loadFavorites();  // cannot be opened for writing: read all the same
    EXPECT_EQ(form.entry(IDC_FAVORITE_LOCATIONS, 0), "C:/news/times.html");
    EXPECT_TRUE(prompts.results.empty());

    dlg.addFavorite();
    EXPECT_EQ(content(), kOld);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kFileWriteFailed, favorites())}));
    EXPECT_FALSE(dir.exists("env\\favorite.txt.new"));
}

}  // namespace
}  // namespace vokanti::testing
