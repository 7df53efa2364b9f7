// The dialog's dictionary box and favorites over real files: env/dict.txt loaded, added to
// and reloaded when it changed; the favorites' pairs of lines, loading and reloading on their
// page, adding, deleting, and rewrites that fail or are interrupted; the end of the dialog
// when either file is missing.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

const std::string kTwo = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";
const std::string kThree = kTwo + "New\r\nC:/new.txt\r\n";

class FavoritesTest : public DialogTest {
protected:
    FavoritesTest() { form.appendEntries(IDC_LIST_TABS, {"お気に入り", "入力履歴"}); }
    std::string path() const { return programDir() + "env/favorite.txt"; }
    void writeFavorites(const std::string& content, time_t stamp) { writeFile("env/favorite.txt", content, stamp); }
    // What the user does by clicking a tab: 0 the favorites, 1 the history.
    void selectPage(int page) {
        form.setSelection(IDC_LIST_TABS, page);
        dlg.applyListTab();
    }
    // Adds the input `location` under `title`, as the user would.
    void add(const std::string& location, const std::string& title) {
        form.setText(IDC_INPUT, location);
        prompts.titleAnswer = title;
        dlg.addFavorite();
    }
    Entries titles() const { return entries(IDC_FAVORITE_LIST); }
};

TEST_F(FavoritesTest, PairsOfLinesBecomeTitlesAndLocations) {
    dlg.loadFavorites();  // missing: created empty
    EXPECT_TRUE(fileExists("env/favorite.txt"));
    // Blank lines keep their place; an odd last line is a title without a location.
    writeFavorites("A\r\n\r\n\nB-loc\r\nC", 1000);
    dlg.loadFavorites();
    EXPECT_EQ(titles(), (Entries{"A", "", "C"}));
    EXPECT_EQ(entries(IDC_FAVORITE_LOCATIONS), (Entries{"", "B-loc", ""}));

    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/B-loc.vkndb5s");
    // A favorite without a location empties the input; the proposal then changes nothing.
    form.setSelection(IDC_FAVORITE_LIST, 2);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(form.text(IDC_INPUT) + form.text(IDC_OUTPUT), "C:/Users/me/Desktop/B-loc.vkndb5s");
}

TEST_F(FavoritesTest, AddingAndDeletingRewriteTheWholeFile) {
    const std::string longTitle(3000, 'T');
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    dlg.addFavorite();  // no input: no dialog
    form.setText(IDC_INPUT, "C:/new.txt");
    dlg.addFavorite();  // cancelled
    add("C:/new.txt", "");
    EXPECT_EQ(prompts.titleDialogs, 2);
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
    add("C:/new.txt", longTitle);  // taken as typed
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo + longTitle + "\r\nC:/new.txt\r\n");
    EXPECT_EQ(dlg.favorites().stamp(), files.readModStamp(path()));
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 3000 * MemoryForm::kCharWidth + 10);

    dlg.deleteSelectedFavorite();  // nothing selected: no question
    form.setSelection(IDC_FAVORITE_LIST, 2);
    prompts.confirmAnswer = false;
    dlg.deleteSelectedFavorite();
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, "お気に入りの削除");
    EXPECT_EQ(prompts.questions[0].text, "お気に入り\"" + longTitle + "\"を削除してもよろしいですか？");
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);
    prompts.confirmAnswer = true;
    dlg.deleteSelectedFavorite();
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
    for (const char* left : {"Memo\r\nC:/doc/memo.txt\r\n", ""}) {
        form.setSelection(IDC_FAVORITE_LIST, 0);
        dlg.deleteSelectedFavorite();
        EXPECT_EQ(readFile("env/favorite.txt"), left);
    }
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LOCATIONS), 0);
    EXPECT_TRUE(fileExists("env/favorite.txt") && !fileExists("env/favorite.txt.new") && prompts.results.empty());
}

TEST_F(FavoritesTest, OwnRewriteNeverReloadsButAnOutsideEditDoes) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    add("C:/in.txt", "In");
    // Other content under the stamp of our own rewrite: the page switch reads nothing.
    writeFavorites("Other\r\nC:/other.txt\r\n", static_cast<time_t>(*dlg.favorites().stamp()));
    selectPage(1);
    selectPage(0);
    EXPECT_EQ(titles(), (Entries{"Times", "Memo", "In"}));

    // Edited from outside: the favorites page shows the file, and the scroll range follows.
    writeFavorites("A much longer title\r\nC:/a.txt\r\n", 5000);
    selectPage(1);
    EXPECT_EQ(form.entryCount(IDC_FAVORITE_LIST), 3);  // the history page reloads nothing
    selectPage(0);
    EXPECT_EQ(titles(), Entries{"A much longer title"});
    EXPECT_EQ(entries(IDC_FAVORITE_LOCATIONS), Entries{"C:/a.txt"});
    EXPECT_EQ(form.horizontalExtent(IDC_FAVORITE_LIST), 19 * MemoryForm::kCharWidth + 10);

    // Held by another program: reported, kept, and read at the next selection.
    writeFavorites("New\r\nC:/new.txt\r\n", 6000);
    {
        auto holder = files.open(path(), OpenMode::Read);
        selectPage(0);
        EXPECT_EQ(prompts.results, Entries{path() + "を読み込めませんでした．"});
        EXPECT_EQ(titles(), Entries{"A much longer title"});
    }
    selectPage(0);
    EXPECT_EQ(titles(), Entries{"New"});
    // Changes not yet shown are overwritten by the next rewrite.
    writeFavorites("Unseen\r\nC:/unseen.txt\r\n", 7000);
    add("C:/in2.txt", "In2");
    EXPECT_EQ(readFile("env/favorite.txt"), "New\r\nC:/new.txt\r\nIn2\r\nC:/in2.txt\r\n");
    EXPECT_FALSE(dlg.ended());
}

TEST_F(FavoritesTest, FileRemovedFromOutsideIsNotRecreatedAndEndsTheDialogOnItsPage) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    ASSERT_EQ(std::remove(path().c_str()), 0);
    add("C:/in.txt", "In");
    EXPECT_EQ(prompts.results, Entries{path() + "を削除できませんでした．"});
    EXPECT_FALSE(fileExists("env/favorite.txt") || fileExists("env/favorite.txt.new"));
    selectPage(1);
    EXPECT_FALSE(dlg.ended());
    selectPage(0);
    EXPECT_TRUE(dlg.ended() && dlg.result() == kResultCancel);
    EXPECT_EQ(prompts.results.back(), path() + "が見つかりません．");
    EXPECT_FALSE(fileExists("env/favorite.txt"));
}

// Fails (or with `kill`, kills the process at) the fourth write, halfway through the list.
std::function<bool(const std::string&)> atFourthWrite(bool kill) {
    return [kill, n = 0](const std::string&) mutable {
        if (n++ != 3) return true;
        if (kill) ::raise(SIGKILL);
        return false;
    };
}

// A rewrite run in a child process that is killed at a chosen point leaves the old list or
// the new one, whole; a rewrite that fails leaves the previous file byte for byte.
TEST_F(FavoritesTest, KilledOrFailedRewriteLeavesTheOldOrTheNewFileWhole) {
    writeFavorites(kTwo, 1000);
    dlg.loadFavorites();
    const auto kill = [] { ::raise(SIGKILL); };
    for (int point : {2, 0, 1}) {  // after the replace, mid-write, before the replace
        writeFavorites(kTwo, 1000);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (point == 0) faulty.onWrite = atFourthWrite(true);
            if (point == 1) faulty.onReplace = [&] { kill(); return true; };
            if (point == 2) faulty.afterReplace = kill;
            add("C:/new.txt", "New");
            ::_exit(0);  // not reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << point;
        EXPECT_EQ(readFile("env/favorite.txt"), point == 2 ? kThree : kTwo) << point;
    }
    // A new file left by a killed rewrite does not stand in the way of the next one.
    ASSERT_TRUE(fileExists("env/favorite.txt.new"));
    add("C:/new.txt", "New");
    EXPECT_EQ(readFile("env/favorite.txt"), kThree);
    EXPECT_TRUE(prompts.results.empty());

    const auto stamp = dlg.favorites().stamp();
    for (int fault = 0; fault < 2; ++fault) {  // the fourth write fails, the replace fails
        faulty.onWrite = fault == 0 ? atFourthWrite(false) : nullptr;
        faulty.onReplace = [fault] { return fault == 0; };
        add("C:/other.txt", "Other");
        EXPECT_EQ(readFile("env/favorite.txt"), kThree) << fault;
        EXPECT_EQ(prompts.results.back(), path() + "への書き込みに失敗しました．");
        EXPECT_TRUE(!fileExists("env/favorite.txt.new") && dlg.favorites().stamp() == stamp);
    }
}

class DictionaryTest : public DialogTest {
protected:
    DictionaryTest() { dlg.EnginePath = programDir() + "vokan.exe"; }
    std::string dictPath() const { return programDir() + "env/dict.txt"; }
    // The command line's part from the first " -d " on.
    std::string dictionaryArguments() {
        const std::string line = dlg.buildCommandLine();
        return line.substr(std::min(line.find(" -d "), line.size()));
    }
    void reloadWith(const std::string& content, time_t stamp) {
        writeFile("env/dict.txt", content, stamp);
        dlg.reloadDictionaryListIfChanged();
    }
};

TEST_F(DictionaryTest, ChosenAndTypedDictionariesFormTheAddedSection) {
    ASSERT_FALSE(dlg.loadDictionaryList());  // missing at start-up: the dialog ends
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(prompts.results, Entries{dictPath() + "が見つかりません．"});
    prompts.results.clear();
    writeFile("env/dict.txt", "A.txt\r\nB.txt\nC.txt");
    ASSERT_TRUE(dlg.loadDictionaryList());
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "B.txt", "C.txt"}));
    EXPECT_EQ(form.text(IDC_DICTIONARY), "A.txt");
    EXPECT_EQ(dictionaryArguments(), "");  // the listed ones are the engine's own

    form.setText(IDC_DICTIONARY, "typed but not added");
    dlg.browseDictionary();  // cancelled: nothing added, the exchanged text shown again
    EXPECT_EQ(form.text(IDC_DICTIONARY), "A.txt");
    prompts.fileAnswers.push_back(std::string("C:\\dic\\eiwa.txt"));
    dlg.browseDictionary();
    EXPECT_FALSE(prompts.fileDialogs[1].fileMustExist);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "C:/dic/eiwa.txt");
    form.setText(IDC_DICTIONARY, "C:\\dic\\typed.txt");  // added exactly as typed
    dlg.addTypedDictionary();
    // Only the added ones travel, after the output, in the order they were added.
    EXPECT_EQ(dictionaryArguments(), " -d \"C:/dic/eiwa.txt\" -d \"C:\\dic\\typed.txt\"");

    // One removal takes the last added entry, whatever is selected, and shows entry 0.
    form.setSelection(IDC_DICTIONARY, 3);
    dlg.removeAddedDictionary();
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "B.txt", "C.txt", "C:/dic/eiwa.txt"}));
    EXPECT_EQ(form.text(IDC_DICTIONARY), "A.txt");
    EXPECT_EQ(dictionaryArguments(), " -d \"C:/dic/eiwa.txt\"");
    dlg.removeAddedDictionary();
    dlg.removeAddedDictionary();  // nothing left to remove: the listed ones stay
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 3);
    form.setText(IDC_DICTIONARY, "");  // an empty text is added too
    dlg.addTypedDictionary();
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "B.txt", "C.txt", ""}));
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(DictionaryTest, DropDownReloadsOnlyAfterTheFileChanged) {
    writeFile("env/dict.txt", "A.txt\r\nB.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    form.setText(IDC_DICTIONARY, "X.txt");
    dlg.addTypedDictionary();
    form.setText(IDC_DICTIONARY, "shown text");
    reloadWith("other.txt\r\n", 1000);  // same stamp: nothing is read
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "B.txt", "X.txt"}));
    EXPECT_EQ(form.text(IDC_DICTIONARY), "shown text");
    // Edited from outside: the new list replaces everything, the added entries included.
    reloadWith("N1.txt\r\nN2.txt\r\n", 1005);
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"N1.txt", "N2.txt"}));
    EXPECT_EQ(dlg.dictionaryList().AddedDictionaryCount(), 0);
    EXPECT_EQ(dlg.options.dictionary, "N1.txt");
    reloadWith("old.txt\r\n", 900);  // a stamp that moves backwards is a change too
    EXPECT_EQ(entries(IDC_DICTIONARY), Entries{"old.txt"});
    {  // held by another program: reported, kept, and read at the next drop-down
        writeFile("env/dict.txt", "B.txt\r\n", 2000);
        auto holder = files.open(dictPath(), OpenMode::Read);
        ASSERT_NE(holder, nullptr);
        dlg.reloadDictionaryListIfChanged();
        EXPECT_EQ(prompts.results, Entries{dictPath() + "を読み込めませんでした．"});
        EXPECT_EQ(entries(IDC_DICTIONARY), Entries{"old.txt"});
    }
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), Entries{"B.txt"});
    reloadWith("", 3000);
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 0);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "");
    EXPECT_FALSE(dlg.ended());
    // Deleted while running: the next drop-down ends the dialog without creating it.
    ASSERT_EQ(std::remove(dictPath().c_str()), 0);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(prompts.results.back(), dictPath() + "が見つかりません．");
    EXPECT_FALSE(fileExists("env/dict.txt"));
}

}  // namespace
}  // namespace vokanti::testing
