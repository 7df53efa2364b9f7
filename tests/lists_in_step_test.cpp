// The lists and the data behind them stay in step when a list control refuses entries (no
// memory left for them): every change reaches both or neither, and the user is told. Also
// what a start-up with missing or unreadable list files leaves for later.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

const std::string kTwo = "Times\r\nC:/news/times.html\r\nMemo\r\nC:/doc/memo.txt\r\n";

class InStepTest : public DialogTest {
protected:
    InStepTest() { form.appendEntries(IDC_LIST_TABS, {"お気に入り", "入力履歴"}); }
    void start() {
        ASSERT_TRUE(dlg.resolveProgramDir());
        dlg.loadHistories();
        dlg.fillHistoryList();
        writeFile("env/dict.txt", "A.txt\r\nB.txt\r\n", 1000);
        ASSERT_TRUE(dlg.loadDictionaryList());
        dlg.loadFavorites();
        prompts.results.clear();
    }
    // Lets list `id` hold no more entries than it holds now.
    void fill(int id) { form.limitEntries(id, form.entryCount(id)); }
    void addFavorite(const std::string& location, const std::string& title) {
        form.setText(IDC_INPUT, location);
        prompts.titleAnswer = title;
        dlg.addFavorite();
    }
};

TEST_F(InStepTest, ARefusedEntryChangesNeitherTheListNorItsData) {
    writeFile("env/favorite.txt", kTwo, 1000);
    start();

    // Favorites: the titles take the entry, the hidden locations refuse it.
    fill(IDC_FAVORITE_LOCATIONS);
    addFavorite("C:/new.txt", "New");
    EXPECT_EQ(prompts.results, Entries{"一覧に項目を追加できませんでした．"});
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), (Entries{"Times", "Memo"}));
    EXPECT_EQ(dlg.favorites().size(), 2u);
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
    // A double-click still takes the favorite the user sees.
    form.setSelection(IDC_FAVORITE_LIST, 1);
    dlg.takeInputFromFavorite();
    EXPECT_EQ(form.text(IDC_INPUT), "C:/doc/memo.txt");

    // Dictionaries: nothing added, so nothing extra reaches the engine.
    fill(IDC_DICTIONARY);
    form.setText(IDC_DICTIONARY, "C:/dic/extra.txt");
    dlg.addTypedDictionary();
    EXPECT_EQ(dlg.dictionaryList().AddedDictionaryCount(), 0);
    EXPECT_EQ(dlg.buildCommandLine().find(" -d "), std::string::npos);

    // Histories: the history list refuses after the input box took the entry; the job stops
    // before the engine with neither file, model nor box changed.
    prompts.results.clear();
    fill(IDC_HISTORY_LIST);
    form.setText(IDC_INPUT, "C:/in.txt");
    form.setText(IDC_OUTPUT, "C:/out.csv");
    dlg.runJob();
    EXPECT_EQ(prompts.results, Entries{"一覧に項目を追加できませんでした．"});
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(readFile("env/in_history.txt"), "");
    // With room again the same job runs and both lists show it.
    form.limitEntries(IDC_HISTORY_LIST, 100);
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 1u);
    EXPECT_EQ(entries(IDC_HISTORY_LIST), Entries{"C:/in.txt"});
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/in.txt\r\n");
}

TEST_F(InStepTest, AListThatCannotShowAWholeFileShowsNoneAndItsDataLetsGo) {
    writeFile("env/in_history.txt", "one\r\ntwo\r\n");
    writeFile("env/favorite.txt", kTwo, 1000);
    writeFile("env/dict.txt", "A.txt\r\nB.txt\r\nC.txt\r\n", 1000);
    form.limitEntries(IDC_INPUT, 1);
    form.limitEntries(IDC_FAVORITE_LOCATIONS, 1);
    form.limitEntries(IDC_DICTIONARY, 2);
    ASSERT_TRUE(dlg.resolveProgramDir());
    dlg.loadHistories();
    ASSERT_TRUE(dlg.loadDictionaryList());
    dlg.loadFavorites();
    const std::string env = programDir() + "env/";
    EXPECT_EQ(prompts.results, (Entries{env + "in_history.txtの内容を一覧に表示できませんでした．",
                                        env + "dict.txtの内容を一覧に表示できませんでした．",
                                        env + "favorite.txtの内容を一覧に表示できませんでした．"}));
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_FAVORITE_LIST) + form.entryCount(IDC_DICTIONARY), 0);

    // The input text is not found in the empty history, so writing the form keeps it.
    form.setText(IDC_INPUT, "two");
    dlg.readForm();
    dlg.writeForm();
    EXPECT_EQ(form.text(IDC_INPUT), "two");
    // Favorites that could not be shown are not rewritten: the file keeps both.
    prompts.results.clear();
    addFavorite("C:/new.txt", "New");
    EXPECT_EQ(prompts.results, Entries{env + "favorite.txtを読み込めませんでした．"});
    EXPECT_EQ(prompts.titleDialogs, 0);
    EXPECT_EQ(readFile("env/favorite.txt"), kTwo);
    // With room again, the next look at each list reads its file once more.
    form.limitEntries(IDC_FAVORITE_LOCATIONS, 100);
    form.limitEntries(IDC_DICTIONARY, 100);
    form.setSelection(IDC_LIST_TABS, 0);
    dlg.applyListTab();
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), (Entries{"Times", "Memo"}));
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "B.txt", "C.txt"}));
    // The history file keeps its lines, and a new record goes after them.
    form.limitEntries(IDC_INPUT, 100);
    ASSERT_TRUE(dlg.recordInputHistory("three"));
    EXPECT_EQ(entries(IDC_INPUT), Entries{"three"});
    EXPECT_EQ(readFile("env/in_history.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(InStepTest, StartUpWithoutFavoritesReadsTheNewFileAtItsFirstShowing) {
    ASSERT_TRUE(dlg.resolveProgramDir());
    dlg.loadFavorites();  // missing: created empty, and no stamp is kept for it
    EXPECT_FALSE(dlg.favorites().stamp().has_value());
    // Whatever another program wrote meanwhile, even within the same second, is shown.
    const auto created = files.readModStamp(programDir() + "env/favorite.txt");
    ASSERT_TRUE(created.has_value());
    writeFile("env/favorite.txt", kTwo, static_cast<time_t>(*created));
    form.setSelection(IDC_LIST_TABS, 0);
    dlg.applyListTab();
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), (Entries{"Times", "Memo"}));
    EXPECT_TRUE(dlg.favorites().stamp().has_value());
}

TEST_F(InStepTest, AnUnreadableHistorySaysThisRunsJobsAreNotAddedToIt) {
    writeFile("env/out_history.txt", "C:/old.csv\r\n");
    faulty.onRead = [](const std::string& path) { return path.find("out_history") == std::string::npos; };
    ASSERT_TRUE(dlg.resolveProgramDir());
    dlg.loadHistories();
    faulty.onRead = nullptr;
    const std::string path = programDir() + "env/out_history.txt";
    EXPECT_EQ(prompts.results,
              Entries{path + "を読み込めませんでした．Vokantiを終了するまで，作成した記録はこの履歴に追加されません．"});
    // And so it is: the job runs, the box shows its output, the file is left as it was.
    form.setText(IDC_INPUT, "C:/in.txt");
    form.setText(IDC_OUTPUT, "C:/out.csv");
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 1u);
    EXPECT_EQ(entries(IDC_OUTPUT), Entries{"C:/out.csv"});
    EXPECT_EQ(readFile("env/out_history.txt"), "C:/old.csv\r\n");
}

}  // namespace
}  // namespace vokanti::testing
