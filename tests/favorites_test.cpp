// Favorites over real files: the pairs of lines, loading and reloading on the favorites page,
// adding, deleting, the selection rule, the missing-file end, and rewrites that fail or are
// interrupted.
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/messages.h"
#include "core/text.h"
#include "support/dialog_fixture.h"
#include "support/faulty_file_system.h"

namespace vokanti::testing {
namespace {

constexpr char kTwoFavorites[] = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
constexpr int kFavoritesPage = 0;
constexpr int kHistoryPage = 1;

class FavoritesTest : public DialogTest {
protected:
    FavoritesTest() {
        dlg.ProgramDir = programDir();
        dlg.writeForm();  // the number fields hold valid values, as after start-up
        form.appendEntry(IDC_LIST_TABS, "お気に入り");
        form.appendEntry(IDC_LIST_TABS, "入力履歴");
    }

    std::string favoritesPath() const { return programDir() + "env/favorite.txt"; }

    // Writes env/favorite.txt and gives it the last-write time `seconds`.
    void writeFavorites(const std::string& content, time_t seconds) {
        writeFile("env/favorite.txt", content);
        setModTime(seconds);
    }
    void setModTime(time_t seconds) {
        const timeval times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimes(favoritesPath().c_str(), times), 0);
    }
    // What the user does by clicking a tab.
    void selectPage(CVokantiDlg& dialog, int page) {
        form.setSelection(IDC_LIST_TABS, page);
        dialog.applyListTab();
    }
    void selectPage(int page) { selectPage(dlg, page); }

    std::vector<std::string> titles() const { return entries(IDC_FAVORITE_LIST); }
    std::vector<std::string> locations() const { return entries(IDC_FAVORITE_LOCATIONS); }
    bool newFileLeft() const { return fileExists("env/favorite.txt.new"); }
};

TEST_F(FavoritesTest, PairsOfLinesBecomeTitlesAndLocations) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    EXPECT_EQ(titles(), (std::vector<std::string>{"Times", "Memo"}));
    EXPECT_EQ(locations(), (std::vector<std::string>{"C:/news/times.html", "C:/doc/memo.txt"}));
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});

    // Blank lines keep their place; an odd last line is a title without a location.
    writeFavorites("A\r\n\r\n\nB-loc\r\nC", 1001);
    selectPage(kFavoritesPage);
    EXPECT_EQ(titles(), (std::vector<std::string>{"A", "", "C"}));
    EXPECT_EQ(locations(), (std::vector<std::string>{"", "B-loc", ""}));
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, MissingFileAtStartUpIsCreatedEmpty) {
    dlg.loadFavorites();
    EXPECT_TRUE(fileExists("env/favorite.txt"));
    EXPECT_EQ(readFile("env/favorite.txt"), "");
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 0);
    EXPECT_FALSE(dlg.favoriteStamp.has_value());
    selectPage(kFavoritesPage);
    EXPECT_FALSE(dlg.ended());
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, DoubleClickTakesTheLocationAsInput) {
    writeFavorites(std::string(kTwoFavorites) + "Odd\r\n", 1000);
    dlg.loadFavorites();
    form.setText(IDC_INPUT, "kept.txt");
    dlg.takeInputFromFavorite();  // nothing selected
    EXPECT_EQ(form.text(IDC_INPUT), "kept.txt");

    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(dlg.options.input, "C:/doc/memo.txt");
    EXPECT_EQ(form.text(IDC_INPUT), "C:/doc/memo.txt");
    const std::string proposed = form.text(IDC_OUTPUT);
    EXPECT_NE(proposed.find("memo"), std::string::npos) << proposed;

    // A favorite without a location empties the input; the proposal then changes nothing.
    form.setSelection(IDC_FAVORITE_LIST, 2);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(dlg.options.input, "");
    EXPECT_EQ(form.text(IDC_INPUT), "");
    EXPECT_EQ(form.text(IDC_OUTPUT), proposed);
}

TEST_F(FavoritesTest, AddingAsksForATitleAndRewritesTheWholeFile) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();

    form.setText(IDC_INPUT, "");
    dlg.addFavorite();
    EXPECT_EQ(prompts.titleDialogs, 0);  // no input: no dialog

    form.setText(IDC_INPUT, "http://example.com/a.html");
    dlg.addFavorite();                   // cancelled
    prompts.titleAnswer = std::string();
    dlg.addFavorite();                   // confirmed with an empty title
    EXPECT_EQ(prompts.titleDialogs, 2);
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 2);
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LOCATIONS), 2);
    EXPECT_EQ(readFile("env/favorite.txt"), kTwoFavorites);
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});

    prompts.titleAnswer = std::string(" News ");  // taken as typed
    dlg.addFavorite();
    EXPECT_EQ(titles(), (std::vector<std::string>{"Times", "Memo", " News "}));
    EXPECT_EQ(locations().back(), "http://example.com/a.html");
    EXPECT_EQ(readFile("env/favorite.txt"),
              std::string(kTwoFavorites) + " News \r\nhttp://example.com/a.html\r\n");
    EXPECT_EQ(dlg.favoriteStamp, files.modStamp(favoritesPath()));
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 6 * MemoryForm::kCharWidth + 10);
    EXPECT_FALSE(newFileLeft());
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, OwnRewriteNeverReloadsButAnOutsideEditDoes) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    form.setText(IDC_INPUT, "C:/in.txt");
    prompts.titleAnswer = std::string("In");
    dlg.addFavorite();
    ASSERT_TRUE(dlg.favoriteStamp.has_value());

    // Other content under the stamp of our own rewrite: the page switch reads nothing.
    writeFavorites("Other\r\nC:/other.txt\r\n", static_cast<time_t>(*dlg.favoriteStamp));
    selectPage(kHistoryPage);
    EXPECT_FALSE(form.visible(IDC_FAVORITE_LIST));
    EXPECT_TRUE(form.visible(IDC_HISTORY_LIST));
    selectPage(kFavoritesPage);
    EXPECT_TRUE(form.visible(IDC_FAVORITE_LIST));
    EXPECT_FALSE(form.visible(IDC_HISTORY_LIST));
    EXPECT_EQ(titles(), (std::vector<std::string>{"Times", "Memo", "In"}));

    // Edited from outside: the next selection of the favorites page shows the file, and the
    // scroll range follows the new longest title.
    writeFavorites("A much longer title\r\nC:/a.txt\r\nB\r\nC:/b.txt\r\n", 5000);
    selectPage(kHistoryPage);
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);  // the history page reloads nothing
    selectPage(kFavoritesPage);
    EXPECT_EQ(titles(), (std::vector<std::string>{"A much longer title", "B"}));
    EXPECT_EQ(locations(), (std::vector<std::string>{"C:/a.txt", "C:/b.txt"}));
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 19 * MemoryForm::kCharWidth + 10);
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{5000});

    // A stamp that moves backwards is a change too.
    writeFavorites("Back\r\nC:/back.txt\r\n", 4000);
    selectPage(kFavoritesPage);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Back"}));

    // Changes not yet reloaded are overwritten by the next rewrite.
    writeFavorites("Unseen\r\nC:/unseen.txt\r\n", 6000);
    form.setText(IDC_INPUT, "C:/in2.txt");
    prompts.titleAnswer = std::string("In2");
    dlg.addFavorite();
    EXPECT_EQ(readFile("env/favorite.txt"), "Back\r\nC:/back.txt\r\nIn2\r\nC:/in2.txt\r\n");
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, DeletingAsksWithTheWholeTitleAndRewritesTheFile) {
    const std::string longTitle(3000, 'T');
    writeFavorites(std::string(kTwoFavorites) + longTitle + "\r\nC:/long.txt\r\n", 1000);
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
    EXPECT_EQ(titles(), (std::vector<std::string>{"Memo"}));
    EXPECT_EQ(locations(), (std::vector<std::string>{"C:/doc/memo.txt"}));
    EXPECT_EQ(readFile("env/favorite.txt"), "Memo\r\nC:/doc/memo.txt\r\n");

    form.setSelection(IDC_FAVORITE_LIST, 0);
    dlg.deleteSelectedFavorite();
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LOCATIONS), 0);
    EXPECT_TRUE(fileExists("env/favorite.txt"));
    EXPECT_EQ(readFile("env/favorite.txt"), "");
    EXPECT_FALSE(newFileLeft());
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(FavoritesTest, ClickOutsideTheListClearsTheSelection) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.clearFavoriteSelection();
    EXPECT_EQ(form.selection(IDC_FAVORITE_LIST), -1);
    dlg.deleteSelectedFavorite();
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 2);
}

TEST_F(FavoritesTest, MissingFileOnTheFavoritesPageEndsTheDialog) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    ASSERT_EQ(std::remove(favoritesPath().c_str()), 0);

    selectPage(kHistoryPage);
    EXPECT_FALSE(dlg.ended());
    selectPage(kFavoritesPage);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kNotFound, favoritesPath())}));
    EXPECT_FALSE(fileExists("env/favorite.txt"));
}

TEST_F(FavoritesTest, FileRemovedFromOutsideIsReportedAndNotRecreatedByARewrite) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    ASSERT_EQ(std::remove(favoritesPath().c_str()), 0);

    form.setText(IDC_INPUT, "C:/in.txt");
    prompts.titleAnswer = std::string("In");
    dlg.addFavorite();
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kFileRemoveFailed, favoritesPath())}));
    EXPECT_FALSE(fileExists("env/favorite.txt"));
    EXPECT_FALSE(newFileLeft());
    EXPECT_EQ(titles(), (std::vector<std::string>{"Times", "Memo", "In"}));
    EXPECT_EQ(dlg.favoriteStamp, ModStamp{1000});
}

TEST_F(FavoritesTest, FileHeldByAnotherProgramIsReportedAndReadLater) {
    writeFavorites(kTwoFavorites, 1000);
    dlg.loadFavorites();
    writeFavorites("New\r\nC:/new.txt\r\n", 2000);
    {
        auto holder = files.open(favoritesPath(), OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        selectPage(kFavoritesPage);
        EXPECT_EQ(prompts.results,
                  (std::vector<std::string>{formatText(text::kFileReadFailed, favoritesPath())}));
        EXPECT_EQ(titles(), (std::vector<std::string>{"Times", "Memo"}));
        EXPECT_FALSE(dlg.ended());
    }
    selectPage(kFavoritesPage);
    EXPECT_EQ(titles(), (std::vector<std::string>{"New"}));
    EXPECT_EQ(prompts.results.size(), 1u);
}

// --- Rewrites that fail or are interrupted --------------------------------------------------

class FavoritesFaultTest : public FavoritesTest {
protected:
    FavoritesFaultTest() {
        writeFavorites(kOld, 1000);
        faultyDlg.ProgramDir = programDir();
        faultyDlg.loadFavorites();
        form.setText(IDC_INPUT, "C:/new.txt");
        prompts.titleAnswer = std::string("New");
    }

    static constexpr char kOld[] = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
    static constexpr char kNew[] =
        "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\nNew\r\nC:/new.txt\r\n";

    FaultyFileSystem faulty{files};
    Platform faultyPlatform{profile, faulty, process, shell, prompts};
    CVokantiDlg faultyDlg{form, faultyPlatform};
};

TEST_F(FavoritesFaultTest, FailedWriteLeavesThePreviousFileByteForByte) {
    faulty.onWrite = [](int number) { return number != 3; };
    faultyDlg.addFavorite();
    EXPECT_EQ(readFile("env/favorite.txt"), kOld);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kFileWriteFailed, favoritesPath())}));
    EXPECT_FALSE(newFileLeft());
    EXPECT_EQ(faultyDlg.favoriteStamp, ModStamp{1000});
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);  // the list keeps the change
}

TEST_F(FavoritesFaultTest, FailedReplaceLeavesThePreviousFileByteForByte) {
    faulty.onReplace = [](const std::string&, const std::string&) { return false; };
    faultyDlg.addFavorite();
    EXPECT_EQ(readFile("env/favorite.txt"), kOld);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kFileWriteFailed, favoritesPath())}));
    EXPECT_FALSE(newFileLeft());
    EXPECT_EQ(faultyDlg.favoriteStamp, ModStamp{1000});
}

// A child process runs the rewrite and is killed at a chosen point; the favorites file must
// then hold the old list or the new one, whole.
TEST_F(FavoritesFaultTest, KilledRewriteLeavesTheOldOrTheNewFileWhole) {
    enum class KillPoint { MidWrite, BeforeReplace, AfterReplace };
    const struct {
        KillPoint point;
        const char* expected;
    } cases[] = {
        {KillPoint::AfterReplace, kNew},
        {KillPoint::MidWrite, kOld},
        {KillPoint::BeforeReplace, kOld},
    };
    for (const auto& c : cases) {
        writeFavorites(kOld, 1000);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const auto kill = [] { ::raise(SIGKILL); };
            if (c.point == KillPoint::MidWrite) {
                faulty.onWrite = [&](int number) {
                    if (number == 3) kill();  // half of the new content written
                    return true;
                };
            } else if (c.point == KillPoint::BeforeReplace) {
                faulty.onReplace = [&](const std::string&, const std::string&) {
                    kill();
                    return true;
                };
            } else {
                faulty.afterReplace = kill;
            }
            faultyDlg.addFavorite();
            ::_exit(0);  // not reached when the kill point was passed
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "kill point " << static_cast<int>(c.point);
        EXPECT_EQ(readFile("env/favorite.txt"), c.expected)
            << "kill point " << static_cast<int>(c.point);
    }

    // A new file left by a killed rewrite does not stand in the way of the next one.
    ASSERT_TRUE(newFileLeft());
    faultyDlg.addFavorite();
    EXPECT_EQ(readFile("env/favorite.txt"), kNew);
    EXPECT_FALSE(newFileLeft());
    EXPECT_TRUE(prompts.results.empty());
}

}  // namespace
}  // namespace vokanti::testing
