// Favorites over real files: the pairs of lines, loading and reloading on the favorites page,
// adding, deleting, the missing-file end, and rewrites that fail or are interrupted.
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/dialog_fixture.h"
#include "support/faulty_file_system.h"

namespace vokanti::testing {
namespace {

constexpr char kTwo[] = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
constexpr char kThree[] =
    "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\nNew\r\nC:/new.txt\r\n";

class FavoritesTest : public DialogTest {
protected:
    FavoritesTest() {
        dlg.ProgramDir = programDir();
        dlg.writeForm();  // the number fields hold valid values, as after start-up
        form.appendEntries(IDC_LIST_TABS, {"お気に入り", "入力履歴"});
    }
    std::string path() const { return programDir() + "env/favorite.txt"; }

    // Writes env/favorite.txt with the last-write time `seconds`.
    void writeFavorites(const std::string& content, time_t seconds) {
        writeFile("env/favorite.txt", content);
        const timeval times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimes(path().c_str(), times), 0);
    }
    // What the user does by clicking a tab: 0 the favorites, 1 the history.
    void selectPage(int page) {
        form.setSelection(IDC_LIST_TABS, page);
        dlg.applyListTab();
    }
    // Adds the input `location` under `title`, as the user would.
    void add(CVokantiDlg& dialog, const std::string& location, const std::string& title) {
        form.setText(IDC_INPUT, location);
        prompts.titleAnswer = title;
        dialog.addFavorite();
    }
    Entries titles() const { return entries(IDC_FAVORITE_LIST); }
    Entries locations() const { return entries(IDC_FAVORITE_LOCATIONS); }
};

TEST_F(FavoritesTest, PairsOfLinesBecomeTitlesAndLocations) {
    dlg.loadFavorites();  // missing: created empty
    EXPECT_TRUE(fileExists("env/favorite.txt"));
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 0);

    // Blank lines keep their place; an odd last line is a title without a location.
    writeFavorites("A\r\n\r\n\nB-loc\r\nC", 1000);
    dlg.loadFavorites();
    EXPECT_EQ(titles(), (Entries{"A", "", "C"}));
    EXPECT_EQ(locations(), (Entries{"", "B-loc", ""}));
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});

    form.setText(IDC_INPUT, "kept.txt");
    dlg.takeInputFromFavorite();  // nothing selected
    EXPECT_EQ(form.text(IDC_INPUT), "kept.txt");
    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(form.text(IDC_INPUT), "B-loc");
    const std::string proposed = form.text(IDC_OUTPUT);
    EXPECT_EQ(proposed, "C:/Users/me/Desktop/B-loc.vkndb5s");
    // A favorite without a location empties the input; the proposal then changes nothing.
    form.setSelection(IDC_FAVORITE_LIST, 2);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(form.text(IDC_INPUT), "");
    EXPECT_EQ(form.text(IDC_OUTPUT), proposed);
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, AddingAsksForATitleAndRewritesTheWholeFile) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    dlg.addFavorite();  // no input: no dialog
    EXPECT_EQ(prompts.titleDialogs, 0);
    form.setText(IDC_INPUT, "C:/new.txt");
    dlg.addFavorite();  // cancelled
    add(dlg, "C:/new.txt", "");
    EXPECT_EQ(prompts.titleDialogs, 2);
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});

    add(dlg, "C:/new.txt", " News ");  // taken as typed
    EXPECT_EQ(titles(), (Entries{"Times", "Memo", " News "}));
    EXPECT_EQ(readFile("env/favorite.txt"), std::string(kTwo) + " News \r\nC:/new.txt\r\n");
    EXPECT_EQ(dlg.favoriteStamp, files.modStamp(path()));
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 6 * MemoryForm::kCharWidth + 10);
    EXPECT_FALSE(fileExists("env/favorite.txt.new"));
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, OwnRewriteNeverReloadsButAnOutsideEditDoes) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    add(dlg, "C:/in.txt", "In");
    // Other content under the stamp of our own rewrite: the page switch reads nothing.
    writeFavorites("Other\r\nC:/other.txt\r\n", static_cast<time_t>(*dlg.favoriteStamp));
    selectPage(1);
    EXPECT_FALSE(form.visible(IDC_FAVORITE_LIST));
    EXPECT_TRUE(form.visible(IDC_HISTORY_LIST));
    selectPage(0);
    EXPECT_TRUE(form.visible(IDC_FAVORITE_LIST));
    EXPECT_FALSE(form.visible(IDC_HISTORY_LIST));
    EXPECT_EQ(titles(), (Entries{"Times", "Memo", "In"}));

    // Edited from outside: the favorites page shows the file, and the scroll range follows.
    writeFavorites("A much longer title\r\nC:/a.txt\r\nB\r\nC:/b.txt\r\n", 5000);
    selectPage(1);
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);  // the history page reloads nothing
    selectPage(0);
    EXPECT_EQ(titles(), (Entries{"A much longer title", "B"}));
    EXPECT_EQ(locations(), (Entries{"C:/a.txt", "C:/b.txt"}));
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 19 * MemoryForm::kCharWidth + 10);

    writeFavorites("Back\r\nC:/back.txt\r\n", 4000);  // a stamp moving backwards: a change
    selectPage(0);
    EXPECT_EQ(titles(), Entries{"Back"});

    // Held by another program: reported, kept, and read at the next selection.
    writeFavorites("New\r\nC:/new.txt\r\n", 6000);
    {
        auto holder = files.open(path(), OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        selectPage(0);
        EXPECT_EQ(prompts.results, Entries{path() + "を読み込めませんでした．"});
        EXPECT_EQ(titles(), Entries{"Back"});
    }
    selectPage(0);
    EXPECT_EQ(titles(), Entries{"New"});

    // Changes not yet shown are overwritten by the next rewrite.
    writeFavorites("Unseen\r\nC:/unseen.txt\r\n", 7000);
    add(dlg, "C:/in2.txt", "In2");
    EXPECT_EQ(readFile("env/favorite.txt"), "New\r\nC:/new.txt\r\nIn2\r\nC:/in2.txt\r\n");
    EXPECT_FALSE(dlg.ended());
}

TEST_F(FavoritesTest, DeletingAsksWithTheWholeTitleAndRewritesTheFile) {
    const std::string longTitle(3000, 'T');
    writeFavorites(std::string(kTwo) + longTitle + "\r\nC:/long.txt\r\n", 1000);
    dlg.loadFavorites();
    dlg.deleteSelectedFavorite();  // nothing selected
    EXPECT_TRUE(prompts.questions.empty());

    form.setSelection(IDC_FAVORITE_LIST, 2);
    prompts.confirmAnswer = false;
    dlg.deleteSelectedFavorite();
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, "お気に入りの削除");
    EXPECT_EQ(prompts.questions[0].text, "お気に入り\"" + longTitle + "\"を削除してもよろしいですか？");
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});

    prompts.confirmAnswer = true;
    dlg.deleteSelectedFavorite();
    form.setSelection(IDC_FAVORITE_LIST, 0);
    dlg.deleteSelectedFavorite();
    EXPECT_EQ(titles(), Entries{"Memo"});
    EXPECT_EQ(locations(), Entries{"C:/doc/memo.txt"});
    EXPECT_EQ(readFile("env/favorite.txt"), "Memo\r\nC:/doc/memo.txt\r\n");
    form.setSelection(IDC_FAVORITE_LIST, 0);
    dlg.deleteSelectedFavorite();
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LOCATIONS), 0);
    EXPECT_TRUE(fileExists("env/favorite.txt"));
    EXPECT_EQ(readFile("env/favorite.txt"), "");
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, FileRemovedFromOutsideIsNotRecreatedAndEndsTheDialogOnItsPage) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    ASSERT_EQ(std::remove(path().c_str()), 0);
    add(dlg, "C:/in.txt", "In");
    EXPECT_EQ(prompts.results, Entries{path() + "を削除できませんでした．"});
    EXPECT_EQ(titles(), (Entries{"Times", "Memo", "In"}));
    EXPECT_FALSE(fileExists("env/favorite.txt") || fileExists("env/favorite.txt.new"));

    selectPage(1);
    EXPECT_FALSE(dlg.ended());
    selectPage(0);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_EQ(prompts.results.back(), path() + "が見つかりません．");
    EXPECT_FALSE(fileExists("env/favorite.txt"));
}

class FavoritesFaultTest : public FavoritesTest {
protected:
    FavoritesFaultTest() {
        writeFavorites(kTwo, 1000);
        faultyDlg.ProgramDir = programDir();
        faultyDlg.loadFavorites();
    }
    FaultyFileSystem faulty{files};
    Platform faultyPlatform{profile, faulty, process, shell, prompts};
    CVokantiDlg faultyDlg{form, faultyPlatform};
};

// Fails (or with `kill`, kills the process at) the fourth write, halfway through the list.
std::function<bool(const std::string&)> atFourthWrite(bool kill) {
    return [kill, n = 0](const std::string&) mutable {
        if (n++ != 3) return true;
        if (kill) ::raise(SIGKILL);
        return false;
    };
}

TEST_F(FavoritesFaultTest, FailedWriteOrReplaceLeavesThePreviousFileByteForByte) {
    for (int fault = 0; fault < 2; ++fault) {
        SCOPED_TRACE(fault);
        faulty.onWrite = fault == 0 ? atFourthWrite(false) : nullptr;
        faulty.onReplace = [fault] { return fault == 0; };
        prompts.results.clear();
        add(faultyDlg, "C:/new.txt", "New");
        EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
        EXPECT_EQ(prompts.results, Entries{path() + "への書き込みに失敗しました．"});
        EXPECT_FALSE(fileExists("env/favorite.txt.new"));
        EXPECT_EQ(faultyDlg.favoriteStamp, ModStamp{1000});
    }
}

// A child process runs the rewrite and is killed at a chosen point; the favorites file must
// then hold the old list or the new one, whole.
TEST_F(FavoritesFaultTest, KilledRewriteLeavesTheOldOrTheNewFileWhole) {
    const auto kill = [] { ::raise(SIGKILL); };
    for (int point : {2, 0, 1}) {  // after the replace, mid-write, before the replace
        writeFavorites(kTwo, 1000);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (point == 0) faulty.onWrite = atFourthWrite(true);
            if (point == 1) faulty.onReplace = [&] { kill(); return true; };
            if (point == 2) faulty.afterReplace = kill;
            add(faultyDlg, "C:/new.txt", "New");
            ::_exit(0);  // not reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << point;
        EXPECT_EQ(readFile("env/favorite.txt"), point == 2 ? kThree : kTwo) << point;
    }
    // A new file left by a killed rewrite does not stand in the way of the next one.
    ASSERT_TRUE(fileExists("env/favorite.txt.new"));
    add(faultyDlg, "C:/new.txt", "New");
    EXPECT_EQ(readFile("env/favorite.txt"), kThree);
    EXPECT_FALSE(fileExists("env/favorite.txt.new"));
    EXPECT_TRUE(prompts.results.empty());
}

}  // namespace
}  // namespace vokanti::testing
