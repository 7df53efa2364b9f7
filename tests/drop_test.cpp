// Documents, links and dictionaries dropped on the main dialog.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class DropTest : public DialogTest {
protected:
    void SetUp() override {
        writeFile("env/dict.txt", "A.txt\r\n");
        ASSERT_TRUE(dlg.loadDictionaryList());
        form.click(IDC_OUTPUT_CSV);
        form.setChecked(IDC_SAME_DIR, true);
    }
    static Drop files(std::vector<Drop::File> dropped, bool onDictionary = false) {
        Drop drop;
        drop.files = std::move(dropped);
        drop.onDictionary = onDictionary;
        return drop;
    }
    static Drop text(const std::string& dropped) {
        Drop drop;
        drop.text = dropped;
        return drop;
    }
};

TEST_F(DropTest, AFileOrALinkBecomesTheInputWithItsOutputProposed) {
    dialog.takeDrop(files({{"C:\\docs\\ソ表.txt"}}));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/docs/ソ表.txt");
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/docs/ソ表.csv");
    EXPECT_TRUE(prompts.results.empty());

    // Several: the first, and a note that one document is taken at a time.
    dialog.takeDrop(files({{"C:\\a\\first.html"}, {"C:\\a\\second.txt"}}));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/a/first.html");
    EXPECT_EQ(prompts.results, Entries{"一度に扱える文書は1つだけです．最初のファイルC:\\a\\first.htmlを入力にしました．"});

    // A link, as a browser may drop it (blanks, a line end), goes to the desktop like a typed URL.
    dialog.takeDrop(text("  http://host/dir/page.htm\r\n"));
    EXPECT_EQ(form.text(IDC_INPUT), "http://host/dir/page.htm");
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/page.csv");
    // Histories change only when a job runs.
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 0);
}

TEST_F(DropTest, AFolderOtherTextOrADropDuringAJobChangesNothing) {
    form.setText(IDC_INPUT, "C:/kept.txt");
    dialog.takeDrop(files({{"C:\\docs", true}, {"C:\\docs\\a.txt"}}));
    dialog.takeDrop(text("just some words http://x"));
    dialog.takeDrop(text("ftp://host/a.txt"));
    EXPECT_EQ(form.text(IDC_INPUT), "C:/kept.txt");
    EXPECT_EQ(prompts.results.size(), 3u);
    EXPECT_EQ(prompts.results[0], "C:\\docsはフォルダです．入力にはファイルかURLをドロップしてください．");

    // While the engine runs the window takes nothing dropped.
    process.duringRun = [&] {
        EXPECT_FALSE(dialog.acceptsDrop());
        dialog.takeDrop(files({{"C:\\during.txt"}}));
    };
    dialog.takeDrop(files({{"C:\\before.txt"}}));
    dlg.runJob();
    EXPECT_EQ(form.text(IDC_INPUT), "C:/before.txt");
    EXPECT_TRUE(dialog.acceptsDrop());
}

TEST_F(DropTest, TextFilesOnTheDictionaryBoxAreAddedAsTheButtonAddsThem) {
    dialog.takeDrop(files({{"C:\\dic\\eiwa.TXT"}, {"C:\\dic\\readme.pdf"}, {"C:\\dic\\waei.txt"}}, true));
    EXPECT_EQ(entries(IDC_DICTIONARY), (Entries{"A.txt", "C:/dic/eiwa.TXT", "C:/dic/waei.txt"}));
    EXPECT_EQ(form.text(IDC_DICTIONARY), "C:/dic/waei.txt");
    EXPECT_EQ(prompts.results, Entries{"C:\\dic\\readme.pdfは辞書として追加できません．"
                                       "辞書にはPDICテキスト形式のファイル(*.txt)をドロップしてください．"});
    EXPECT_EQ(form.text(IDC_INPUT), "");
}

}  // namespace
}  // namespace vokanti::testing
