// Every entry of the main dialog's message map reaches its operation, and OK and Cancel fall
// to the framework. The operations themselves are tested where they live; the window's own
// events (icon, drag icon, system and context menus) on the real window under Wine.
#include "support/dialog_fixture.h"
#include "ui/home_page.h"

namespace vokanti::testing {
namespace {

class FakeHost : public MainWindowHost {
public:
    bool paintMinimisedIcon() override { return false; }
    intptr_t dragIcon() override { return 0; }
    bool trackContextMenu(int, int) override { return true; }
    void placeListTabs() override { ++placements; }
    void showDuringInitialisation() override { ++shows; }
    void engineRunning(bool running) override { runningCalls.push_back(running); }
    int placements = 0, shows = 0;
    std::vector<bool> runningCalls;
};

class RoutingTest : public DialogTest {
protected:
    void SetUp() override {
        writeFile("env/dict.txt", "C:/dic/a.txt\r\n");
        writeFile("env/favorite.txt", "Times\r\nC:/news/times.html\r\n");
        writeFile("env/in_history.txt", "C:/old/in.txt\r\n");
        dlg.setHost(&host);
        ASSERT_TRUE(dlg.initDialog());
        ASSERT_FALSE(dlg.ended());
    }
    EventResult send(const DialogEvent& e) { return dlg.onEvent(e); }
    EventResult send(int id, int code = kClicked) { return send({EventKind::Command, code, id}); }
    // A user's click on a button: its state changes, then the click is delivered.
    void click(int id) {
        form.click(id);
        send(id);
    }
    void showPage(int page) {
        form.setSelection(IDC_LIST_TABS, page);
        EXPECT_EQ(send({EventKind::Notify, kTabSelChange, IDC_LIST_TABS}).handled, true);
    }

    FakeHost host;
};

TEST_F(RoutingTest, StartUpFillsTheListsShowsTheFavoritesPageAndRefreshReappliesThem) {
    EXPECT_EQ(entries(IDC_LIST_TABS), (Entries{"お気に入り", "入力履歴"}));
    EXPECT_EQ(host.placements, 1);
    EXPECT_TRUE(form.visible(IDC_FAVORITE_LIST) && !form.visible(IDC_HISTORY_LIST));
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), Entries{"Times"});
    EXPECT_EQ(form.text(IDC_DICTIONARY) + form.text(IDC_CUT_LENGTH), "C:/dic/a.txt40");
    // The hidden history list is filled when its page is first shown.
    EXPECT_EQ(entries(IDC_HISTORY_LIST), Entries{});
    showPage(1);
    EXPECT_EQ(entries(IDC_HISTORY_LIST), Entries{"C:/old/in.txt"});

    // Refresh reapplies the rules and the page, and reloads favorites changed from outside;
    // with no input it proposes nothing.
    showPage(0);
    form.setText(IDC_OUTPUT, "kept.csv");
    form.setChecked(IDC_QUESTION, true);
    writeFile("env/favorite.txt", "A\r\na\r\nB\r\nb\r\n", 1000);
    send(ID_REFRESH);
    EXPECT_EQ(form.text(IDC_OUTPUT), "kept.csv");
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM));
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), (Entries{"A", "B"}));
    form.setSelection(IDC_LIST_TABS, 1);
    send(ID_REFRESH);
    EXPECT_TRUE(form.visible(IDC_HISTORY_LIST));
}

TEST_F(RoutingTest, OptionClicksReachTheirRules) {
    click(IDC_NO_IGNORE);
    EXPECT_FALSE(form.enabled(IDC_IGNORE_SHORT));
    click(IDC_QUESTION);
    click(IDC_CUT);
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM) && form.enabled(IDC_CUT_LENGTH));
    form.setText(IDC_INPUT, "C:/work/text.txt");
    const std::pair<int, const char*> proposals[] = {
        {IDC_SAME_DIR, "C:/work/text.vkndb5s"}, {IDC_OUTPUT_CSV, "C:/work/text.csv"},
        {IDC_OUTPUT_HTML1, "C:/work/text_out.html"}, {IDC_OUTPUT_DB, "C:/work/text.vkndb5s"},
        {IDC_OUTPUT_HTML2, "C:/work/text_out.html"}};
    for (const auto& [id, expected] : proposals) {
        click(id);
        EXPECT_EQ(form.text(IDC_OUTPUT), expected) << id;
    }
    form.setText(IDC_INPUT, "http://host/dir/page.htm");
    click(IDC_DOWNLOAD_ONLY);
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/page.htm");
    click(IDC_NO_DICT);
    EXPECT_TRUE(form.checked(IDC_INPUT_LIST_ONLY));
}

TEST_F(RoutingTest, FileChoosersListsAndDictionaryCommandsReachTheirOperations) {
    prompts.fileAnswers = {std::string("C:\\in\\a.txt"), std::nullopt, std::string("D:\\out\\new.csv"),
                           std::nullopt, std::nullopt, std::string("C:\\dic\\b.txt")};
    for (int id : {IDC_BROWSE_INPUT, ID_SELECT_INPUT, ID_SELECT_OUTPUT, IDC_BROWSE_OUTPUT, ID_SELECT_DICTIONARY,
                   IDC_BROWSE_DICTIONARY}) {
        send(id);
    }
    // Each dialog by its filter's first two words; "!": only an existing file may be chosen.
    std::string filters;
    for (const auto& request : prompts.fileDialogs) {
        filters += request.filter.substr(0, request.filter.find(' ', 6)) + (request.fileMustExist ? "! " : " ");
    }
    EXPECT_EQ(filters, "vokan Input! vokan Input! vokan Output vokan Output PDIC Text PDIC Text ");
    // The input is taken and an output proposed for it; a cancelled dialog changes nothing.
    EXPECT_EQ(form.text(IDC_INPUT) + " " + form.text(IDC_OUTPUT), "C:/in/a.txt D:/out/new.csv");

    send(IDC_ADD_DICTIONARY);
    send(IDC_REMOVE_DICTIONARY);
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"C:/dic/a.txt", "C:/dic/b.txt"}));
    writeFile("env/dict.txt", "", 1000);  // edited from outside
    send(IDC_DICTIONARY, kComboDropDown);
    EXPECT_EQ(entries(IDC_DICTIONARY), Entries{});

    form.setSelection(IDC_INPUT, 0);
    send(IDC_INPUT, kComboSelChange);
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/in.vkndb5s");
    form.setSelection(IDC_FAVORITE_LIST, 0);
    send(IDC_FAVORITE_LIST, kListDoubleClick);
    EXPECT_EQ(form.text(IDC_INPUT), "C:/news/times.html");
    showPage(1);
    form.setSelection(IDC_HISTORY_LIST, 0);
    send(IDC_HISTORY_LIST, kListDoubleClick);
    EXPECT_EQ(form.text(IDC_INPUT), "C:/old/in.txt");
}

// After the message the pick goes on with what the options then hold: the fields after
// the rejected one (the output among them) keep the values read before.
TEST_F(RoutingTest, APickGoesOnWithTheRecordAfterARejectedNumber) {
    form.setText(IDC_IGNORE_SHORT, "abc");
    form.setText(IDC_OUTPUT, "typed.csv");
    prompts.fileAnswers = {std::string("C:\\in\\b.txt")};
    send(ID_SELECT_INPUT);
    EXPECT_EQ(prompts.results, Entries{text::kIntegerRequired});
    EXPECT_EQ(form.focusedWithSelection(), IDC_IGNORE_SHORT);
    EXPECT_EQ(form.text(IDC_INPUT) + "|" + form.text(IDC_OUTPUT), "C:/in/b.txt|C:/Users/me/Desktop/b.vkndb5s");
}

TEST_F(RoutingTest, MenuCommandsReachSettingsHistoriesShellAndJob) {
    profile.values["csv"] = "1";
    profile.values["vkndb5s"] = "0";
    send(ID_SETTINGS_LOAD);
    EXPECT_TRUE(form.checked(IDC_OUTPUT_CSV));
    form.setText(IDC_QUESTION_NUM, "7");
    send(ID_SETTINGS_SAVE);
    EXPECT_EQ(profile.values["question_num"], "7");

    form.setText(IDC_INPUT, "C:/in/b.txt");
    form.setText(IDC_OUTPUT, "C:/out/b.csv");
    for (int id : {ID_EDIT_FAVORITES, ID_EDIT_IGNORE, ID_EDIT_REPLACE, ID_EDIT_SYMBOL, ID_EDIT_DICTLIST, ID_EDIT_STYLE,
                   ID_EDIT_WEBDICT, ID_ONLINE_HELP, IDC_OPEN_INPUT, ID_MENU_OPEN_INPUT, IDC_OPEN_OUTPUT,
                   ID_MENU_OPEN_OUTPUT}) {
        send(id);
    }
    const std::string env = programDir() + "env/";
    EXPECT_EQ(shell.opened, (Entries{env + "favorite.txt", env + "ignore.txt", env + "replace.txt", env + "symbol.txt",
                                     env + "dict.txt", env + "style.css", env + "webdict.txt", VOKANTI_HOME_PAGE,
                                     "C:/in/b.txt", "C:/in/b.txt", "C:/out/b.csv", "C:/out/b.csv"}));
    for (int id : {IDC_ADD_FAVORITE, ID_MENU_ADD_FAVORITE}) send(id);
    EXPECT_EQ(prompts.titleDialogs, 2);
    // The about box from the help menu and from the system menu; the platform's own system
    // commands are left to it.
    send(ID_ABOUT);
    EXPECT_TRUE(send({EventKind::SysCommand, 0, 0, IDM_ABOUTBOX}).handled);
    EXPECT_FALSE(send({EventKind::SysCommand, 0, 0, 0xF060}).handled);  // SC_CLOSE
    EXPECT_EQ(prompts.aboutBoxes, 2);

    send(ID_SHOW_COMMAND);
    ASSERT_EQ(prompts.texts.size(), 1u);
    EXPECT_EQ(prompts.texts[0].caption, "vokanの実行コマンド");
    EXPECT_EQ(prompts.texts[0].text.rfind(programDir() + "vokan.exe -t -H -c", 0), 0u);
    showPage(1);
    send(ID_START);
    send(IDC_OK);  // the start button and the Enter key
    EXPECT_EQ(process.started.size(), 2u);
    // The window knows while each engine run lasts (it takes no drops then).
    EXPECT_EQ(host.runningCalls, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 3);
    send(ID_HISTORY_CLEAR);
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 0);

    send(IDC_CANCEL);
    EXPECT_TRUE(dlg.ended());
    // The histories are closed: another opener can have them.
    EXPECT_TRUE(ListFile(files).open(programDir() + "env/in_history.txt", OpenMode::Read));
    dlg.beginRun();
    send(ID_EXIT);
    EXPECT_TRUE(dlg.ended() && dlg.result() == kResultCancel);
}

}  // namespace
}  // namespace vokanti::testing
