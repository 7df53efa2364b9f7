// Every entry of the main dialog's message map reaches its operation, OK and Cancel fall to
// the framework, and the pre-translation acts on the Delete key and the left button.
#include <functional>

#include "core/messages.h"
#include "core/text.h"
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class FakeHost : public MainWindowHost {
public:
    bool paintMinimisedIcon() override {
        ++paints;
        return minimised;
    }
    intptr_t dragIcon() override { return 0x1234; }
    bool trackContextMenu(int x, int y) override {
        menuAt = {x, y};
        return true;
    }
    void placeListTabs() override { ++placements; }

    bool minimised = false;
    int paints = 0;
    int placements = 0;
    std::pair<int, int> menuAt{-1, -1};
};

DialogEvent command(int id, int code = kClicked) {
    DialogEvent e;
    e.kind = EventKind::Command;
    e.id = id;
    e.code = code;
    return e;
}

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
    // A user's click on a button: its state changes, then the click is delivered.
    EventResult userClick(int id) {
        form.click(id);
        return send(command(id));
    }
    void typeInput(const std::string& input) { form.setText(IDC_INPUT, input); }

    FakeHost host;
};

TEST_F(RoutingTest, StartUpFillsTheListsTabsAndNumbers) {
    EXPECT_EQ(entries(IDC_LIST_TABS), (std::vector<std::string>{"お気に入り", "入力履歴"}));
    EXPECT_EQ(form.selection(IDC_LIST_TABS), 0);
    EXPECT_EQ(host.placements, 1);
    EXPECT_TRUE(form.visible(IDC_FAVORITE_LIST));
    EXPECT_FALSE(form.visible(IDC_HISTORY_LIST));
    EXPECT_FALSE(form.visible(IDC_FAVORITE_LOCATIONS));
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), std::vector<std::string>{"Times"});
    EXPECT_EQ(entries(IDC_HISTORY_LIST), std::vector<std::string>{"C:/old/in.txt"});
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "30");
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "2");
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), "20");
    EXPECT_EQ(form.text(IDC_CUT_LENGTH), "40");
    EXPECT_EQ(form.text(IDC_DICTIONARY), "C:/dic/a.txt");
}

TEST_F(RoutingTest, WindowMessagesReachTheIconTheAboutBoxAndTheContextMenu) {
    DialogEvent about;
    about.kind = EventKind::SysCommand;
    about.sysCommand = IDM_ABOUTBOX | 0x3;  // the low four bits are the platform's
    EXPECT_TRUE(send(about).handled);
    EXPECT_EQ(prompts.aboutBoxes, 1);
    DialogEvent minimise = about;
    minimise.sysCommand = 0xF020;
    EXPECT_FALSE(send(minimise).handled);  // the platform's own processing
    EXPECT_EQ(prompts.aboutBoxes, 1);

    DialogEvent paint;
    paint.kind = EventKind::Paint;
    EXPECT_FALSE(send(paint).handled);
    host.minimised = true;
    EXPECT_TRUE(send(paint).handled);
    EXPECT_EQ(host.paints, 2);

    DialogEvent drag;
    drag.kind = EventKind::QueryDragIcon;
    EXPECT_EQ(send(drag).result, 0x1234);

    DialogEvent menu;
    menu.kind = EventKind::ContextMenu;
    menu.x = 120;
    menu.y = 45;
    EXPECT_TRUE(send(menu).handled);
    EXPECT_EQ(host.menuAt, std::make_pair(120, 45));

    EXPECT_TRUE(send(command(ID_ABOUT)).handled);
    EXPECT_EQ(prompts.aboutBoxes, 2);
}

TEST_F(RoutingTest, OptionClicksReachTheirRules) {
    userClick(IDC_NO_IGNORE);
    EXPECT_FALSE(form.enabled(IDC_IGNORE_SHORT));
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "1024");
    userClick(IDC_QUESTION);
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM));
    userClick(IDC_CUT);
    EXPECT_TRUE(form.enabled(IDC_CUT_LENGTH));

    typeInput("C:/work/text.txt");
    userClick(IDC_SAME_DIR);
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/work/text.vkndb5s");
    const std::pair<int, const char*> formats[] = {{IDC_OUTPUT_CSV, "C:/work/text.csv"},
                                                   {IDC_OUTPUT_HTML1, "C:/work/text_out.html"},
                                                   {IDC_OUTPUT_DB, "C:/work/text.vkndb5s"},
                                                   {IDC_OUTPUT_HTML2, "C:/work/text_out.html"}};
    for (const auto& [id, expected] : formats) {
        userClick(id);
        EXPECT_EQ(form.text(IDC_OUTPUT), expected) << id;
    }
    userClick(IDC_SAME_DIR);  // off: the desktop
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/text_out.html");

    typeInput("http://host/dir/page.htm");
    userClick(IDC_DOWNLOAD_ONLY);
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/page.htm");

    userClick(IDC_NO_DICT);
    EXPECT_TRUE(form.checked(IDC_INPUT_LIST_ONLY));
    EXPECT_TRUE(form.checked(IDC_OUTPUT_HTML1));
    EXPECT_FALSE(form.checked(IDC_OUTPUT_HTML2));
}

TEST_F(RoutingTest, FileChoosersAndListsSetTheInput) {
    prompts.fileAnswers = {std::string("C:\\in\\a.txt"), std::nullopt};
    send(command(IDC_BROWSE_INPUT));
    EXPECT_EQ(prompts.fileDialogs.back().title, "ファイルの選択");
    EXPECT_TRUE(prompts.fileDialogs.back().fileMustExist);
    EXPECT_EQ(prompts.fileDialogs.back().filter.rfind("vokan Input File", 0), 0u);
    EXPECT_EQ(form.text(IDC_INPUT), "C:/in/a.txt");
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/a.vkndb5s");
    send(command(ID_SELECT_INPUT));  // cancelled: nothing changes
    EXPECT_EQ(prompts.fileDialogs.size(), 2u);
    EXPECT_EQ(form.text(IDC_INPUT), "C:/in/a.txt");

    prompts.fileAnswers = {std::string("D:\\out\\new.csv")};
    send(command(ID_SELECT_OUTPUT));
    EXPECT_FALSE(prompts.fileDialogs.back().fileMustExist);
    EXPECT_EQ(prompts.fileDialogs.back().filter.rfind("vokan Output File", 0), 0u);
    EXPECT_EQ(form.text(IDC_OUTPUT), "D:/out/new.csv");
    send(command(IDC_BROWSE_OUTPUT));
    EXPECT_EQ(prompts.fileDialogs.size(), 4u);

    form.setSelection(IDC_INPUT, 0);
    send(command(IDC_INPUT, kComboSelChange));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/old/in.txt");
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/in.vkndb5s");

    form.setSelection(IDC_FAVORITE_LIST, 0);
    send(command(IDC_FAVORITE_LIST, kListDoubleClick));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/news/times.html");

    form.setSelection(IDC_HISTORY_LIST, 0);
    send(command(IDC_HISTORY_LIST, kListDoubleClick));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/old/in.txt");

    form.setSelection(IDC_LIST_TABS, 1);
    DialogEvent tab;
    tab.kind = EventKind::Notify;
    tab.code = kTabSelChange;
    tab.id = IDC_LIST_TABS;
    const EventResult answered = send(tab);
    EXPECT_TRUE(answered.handled);
    EXPECT_EQ(answered.result, 0);
    EXPECT_TRUE(form.visible(IDC_HISTORY_LIST));
    EXPECT_FALSE(form.visible(IDC_FAVORITE_LIST));
}

TEST_F(RoutingTest, DictionaryCommandsReachTheDictionaryList) {
    prompts.fileAnswers = {std::string("C:\\dic\\b.txt")};
    send(command(IDC_BROWSE_DICTIONARY));
    EXPECT_EQ(prompts.fileDialogs.back().filter.rfind("PDIC Text Format", 0), 0u);
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    send(command(ID_SELECT_DICTIONARY));  // cancelled
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    form.setText(IDC_DICTIONARY, "C:\\dic\\c.txt");
    send(command(IDC_ADD_DICTIONARY));
    EXPECT_EQ(dlg.AddedDictionaryCount, 2);
    send(command(IDC_REMOVE_DICTIONARY));
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    writeFile("env/dict.txt", "C:/dic/x.txt\r\nC:/dic/y.txt\r\n");
    dlg.dictStamp = 0;  // as if written a long time before
    send(command(IDC_DICTIONARY, kComboDropDown));
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"C:/dic/x.txt", "C:/dic/y.txt"}));
    EXPECT_EQ(dlg.AddedDictionaryCount, 0);
}

TEST_F(RoutingTest, MenuCommandsReachSettingsHistoriesShellAndJob) {
    profile.set("csv", 1);
    profile.set("vkndb5s", 0);
    send(command(ID_SETTINGS_LOAD));
    EXPECT_TRUE(form.checked(IDC_OUTPUT_CSV));
    form.setText(IDC_QUESTION_NUM, "7");
    send(command(ID_SETTINGS_SAVE));
    EXPECT_EQ(profile.get("question_num"), 7);

    const std::pair<int, const char*> edits[] = {
        {ID_EDIT_FAVORITES, "env/favorite.txt"}, {ID_EDIT_IGNORE, "env/ignore.txt"},
        {ID_EDIT_REPLACE, "env/replace.txt"},    {ID_EDIT_SYMBOL, "env/symbol.txt"},
        {ID_EDIT_DICTLIST, "env/dict.txt"},      {ID_EDIT_STYLE, "env/style.css"},
        {ID_EDIT_WEBDICT, "env/webdict.txt"}};
    for (const auto& [id, file] : edits) {
        send(command(id));
        EXPECT_EQ(shell.requests.back().file, programDir() + file);
    }
    send(command(ID_ONLINE_HELP));
    EXPECT_EQ(shell.requests.back().file, kHomePageUrl);

    typeInput("C:/in/b.txt");
    form.setText(IDC_OUTPUT, "C:/out/b.csv");
    for (int id : {IDC_OPEN_INPUT, ID_MENU_OPEN_INPUT}) {
        send(command(id));
        EXPECT_EQ(shell.requests.back().file, "C:/in/b.txt");
    }
    for (int id : {IDC_OPEN_OUTPUT, ID_MENU_OPEN_OUTPUT}) {
        send(command(id));
        EXPECT_EQ(shell.requests.back().file, "C:/out/b.csv");
    }
    prompts.titleAnswer = std::nullopt;
    send(command(IDC_ADD_FAVORITE));
    send(command(ID_MENU_ADD_FAVORITE));
    EXPECT_EQ(prompts.titleDialogs, 2);

    send(command(ID_SHOW_COMMAND));
    ASSERT_EQ(prompts.texts.size(), 1u);
    EXPECT_EQ(prompts.texts[0].caption, "vokanの実行コマンド");
    EXPECT_EQ(prompts.texts[0].text.rfind(programDir() + "vokan.exe -t -H -c", 0), 0u);

    send(command(ID_START));
    send(command(IDC_OK));  // the start button and the Enter key
    EXPECT_EQ(process.started.size(), 2u);
    EXPECT_EQ(entries(IDC_HISTORY_LIST).size(), 3u);

    send(command(ID_HISTORY_CLEAR));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(readFile("env/in_history.txt"), "");

    form.setChecked(IDC_QUESTION, true);
    send(command(ID_REFRESH));
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM));

    EXPECT_FALSE(dlg.ended());
    send(command(ID_EXIT));
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
}

TEST_F(RoutingTest, CancelEndsTheDialogAndClosesTheHistories) {
    send(command(IDC_CANCEL));
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_FALSE(dlg.inputHistory.isOpen());
    EXPECT_FALSE(dlg.outputHistory.isOpen());
}

TEST_F(RoutingTest, DeleteAsksOnlyWhileTheLastClickSelectedAFavorite) {
    QueuedMessage press{QueuedMessage::Kind::LButtonDown, 0};
    QueuedMessage del{QueuedMessage::Kind::KeyDown, kKeyDelete};
    // A press on the favorites list: cleared first, then the list selects the entry.
    EXPECT_FALSE(dlg.preTranslate(press));
    form.setSelection(IDC_FAVORITE_LIST, 0);
    prompts.confirmAnswer = false;
    EXPECT_FALSE(dlg.preTranslate(del));  // the key still goes on to the focused control
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, "お気に入りの削除");
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), std::vector<std::string>{"Times"});

    dlg.preTranslate(press);  // a press anywhere else
    EXPECT_EQ(form.selection(IDC_FAVORITE_LIST), -1);
    dlg.preTranslate(del);
    EXPECT_EQ(prompts.questions.size(), 1u);
    dlg.preTranslate({QueuedMessage::Kind::KeyDown, 'A'});
    EXPECT_EQ(prompts.questions.size(), 1u);
}

TEST_F(DialogTest, StartUpStopsAtAMissingEngineBeforeAnyListFileIsTouched) {
    std::remove((dir.path() + "/vokan.exe").c_str());
    writeFile("env/dict.txt", "C:/dic/a.txt\r\n");
    EXPECT_TRUE(dlg.initDialog());
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(prompts.results,
              std::vector<std::string>{formatText(text::kNotFound, programDir() + "vokan.exe")});
    EXPECT_FALSE(fileExists("env/in_history.txt"));
    EXPECT_FALSE(fileExists("env/favorite.txt"));
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 0);
}

}  // namespace
}  // namespace vokanti::testing
