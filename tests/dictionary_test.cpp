// The dictionary box over real files: loading env/dict.txt, the added entries and their
// counters, the reload when the file changed, and the end of the dialog when it is missing.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

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
    EXPECT_EQ(dlg.dictionaryList().addedCount(), 0u);
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
