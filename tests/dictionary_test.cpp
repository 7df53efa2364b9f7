// The dictionary box over real files: loading env/dict.txt, the added entries and their
// counters, the reload when the file changed, and the end of the dialog when it is missing.
#include <sys/time.h>

#include "core/messages.h"
#include "core/text.h"
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class DictionaryTest : public DialogTest {
protected:
    DictionaryTest() {
        dlg.ProgramDir = programDir();
        dlg.writeForm();  // the number fields hold valid values, as after start-up
    }

    std::string dictPath() const { return programDir() + "env/dict.txt"; }

    // Writes env/dict.txt and gives it the last-write time `seconds`.
    void writeDictionaryList(const std::string& content, time_t seconds) {
        writeFile("env/dict.txt", content);
        const timeval times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimes(dictPath().c_str(), times), 0);
    }

    // The dictionaries given to the engine: the quoted texts after each " -d ".
    static std::vector<std::string> dictionaryArguments(const std::string& commandLine) {
        std::vector<std::string> out;
        const std::string marker = " -d \"";
        for (size_t at = commandLine.find(marker); at != std::string::npos;
             at = commandLine.find(marker, at + 1)) {
            const size_t from = at + marker.size();
            out.push_back(commandLine.substr(from, commandLine.find('"', from) - from));
        }
        return out;
    }
};

TEST_F(DictionaryTest, LoadsTheLinesInFileOrderAndShowsTheFirst) {
    writeDictionaryList("C:/dic/eijiro.txt\r\nC:/dic/waei.txt\nC:/dic/ryakugo.txt", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    EXPECT_EQ(entries(IDC_DICTIONARY),
              (std::vector<std::string>{"C:/dic/eijiro.txt", "C:/dic/waei.txt",
                                        "C:/dic/ryakugo.txt"}));
    EXPECT_EQ(dlg.BaseDictionaryCount, 3);
    EXPECT_EQ(dlg.AddedDictionaryCount, 0);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "C:/dic/eijiro.txt");
    EXPECT_EQ(dlg.options.dictionary, "C:/dic/eijiro.txt");
    EXPECT_EQ(dlg.dictStamp, ModStamp{1000});
    EXPECT_FALSE(dlg.ended());

    writeDictionaryList("", 2000);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 0);
    EXPECT_EQ(dlg.BaseDictionaryCount, 0);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "");
    EXPECT_EQ(dlg.options.dictionary, "");
}

TEST_F(DictionaryTest, ChosenAndTypedDictionariesFormTheAddedSection) {
    writeDictionaryList("A.txt\r\nB.txt\r\nC.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());

    prompts.fileAnswers.push_back(std::string("C:\\dic\\eiwa.txt"));
    dlg.browseDictionary();
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "ファイルの選択");
    EXPECT_EQ(prompts.fileDialogs[0].filter,
              "PDIC Text Format (*.txt) |*.txt|全てのファイル (*.*)|*.*||");
    EXPECT_FALSE(prompts.fileDialogs[0].fileMustExist);
    EXPECT_EQ(form.entry(IDC_DICTIONARY, 3), "C:/dic/eiwa.txt");
    EXPECT_EQ(form.text(IDC_DICTIONARY), "C:/dic/eiwa.txt");

    // Typed text is added exactly as typed, backslashes included.
    form.setText(IDC_DICTIONARY, "C:\\dic\\eiwa.txt");
    dlg.addTypedDictionary();
    EXPECT_EQ(form.entry(IDC_DICTIONARY, 4), "C:\\dic\\eiwa.txt");
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 5);
    EXPECT_EQ(dlg.BaseDictionaryCount, 3);
    EXPECT_EQ(dlg.AddedDictionaryCount, 2);
    dlg.EnginePath = programDir() + "vokan.exe";
    EXPECT_EQ(dictionaryArguments(dlg.buildCommandLine()),
              (std::vector<std::string>{"C:/dic/eiwa.txt", "C:\\dic\\eiwa.txt"}));

    // One removal takes the last added entry, whatever is selected, and shows entry 0.
    form.setSelection(IDC_DICTIONARY, 3);
    dlg.removeAddedDictionary();
    EXPECT_EQ(entries(IDC_DICTIONARY),
              (std::vector<std::string>{"A.txt", "B.txt", "C.txt", "C:/dic/eiwa.txt"}));
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "A.txt");
    EXPECT_EQ(dictionaryArguments(dlg.buildCommandLine()),
              (std::vector<std::string>{"C:/dic/eiwa.txt"}));

    dlg.removeAddedDictionary();
    dlg.removeAddedDictionary();  // nothing left to remove: the base stays whole
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 3);
    EXPECT_EQ(dlg.AddedDictionaryCount, 0);
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(DictionaryTest, CancelledDialogAddsNothingAndRestoresTheExchangedText) {
    writeDictionaryList("A.txt\r\nB.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    form.setText(IDC_DICTIONARY, "typed but not added");
    dlg.browseDictionary();  // no answer: cancelled
    EXPECT_EQ(form.entryCount(IDC_DICTIONARY), 2);
    EXPECT_EQ(dlg.AddedDictionaryCount, 0);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "A.txt");

    dlg.removeAddedDictionary();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"A.txt", "B.txt"}));
}

TEST_F(DictionaryTest, EmptyTypedTextIsAddedAndLeavesTheBoxEmpty) {
    writeDictionaryList("A.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    form.setText(IDC_DICTIONARY, "");
    dlg.addTypedDictionary();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"A.txt", ""}));
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "");
}

TEST_F(DictionaryTest, DropDownReloadsOnlyAfterTheFileChanged) {
    writeDictionaryList("A.txt\r\nB.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    form.setText(IDC_DICTIONARY, "X.txt");
    dlg.addTypedDictionary();
    form.setText(IDC_DICTIONARY, "shown text");

    // Same stamp: nothing is read, even though the content differs.
    writeDictionaryList("other.txt\r\n", 1000);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"A.txt", "B.txt", "X.txt"}));
    EXPECT_EQ(dlg.AddedDictionaryCount, 1);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "shown text");

    // Edited from outside: the new list replaces everything, the added entries included.
    writeDictionaryList("N1.txt\r\nN2.txt\r\n", 1005);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"N1.txt", "N2.txt"}));
    EXPECT_EQ(dlg.BaseDictionaryCount, 2);
    EXPECT_EQ(dlg.AddedDictionaryCount, 0);
    EXPECT_EQ(form.text(IDC_DICTIONARY), "N1.txt");
    EXPECT_EQ(dlg.options.dictionary, "N1.txt");
    EXPECT_EQ(dlg.dictStamp, ModStamp{1005});

    // A stamp that moves backwards is a change too.
    writeDictionaryList("old.txt\r\n", 900);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"old.txt"}));
    EXPECT_FALSE(dlg.ended());
}

TEST_F(DictionaryTest, MissingListAtStartUpEndsTheDialogWithoutReadingIt) {
    ASSERT_FALSE(dlg.loadDictionaryList());
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kNotFound, dictPath())}));
    EXPECT_FALSE(fileExists("env/dict.txt"));
}

TEST_F(DictionaryTest, ListDeletedWhileRunningEndsTheDialogAtTheNextDropDown) {
    writeDictionaryList("A.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    ASSERT_EQ(std::remove(dictPath().c_str()), 0);
    dlg.reloadDictionaryListIfChanged();
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_EQ(prompts.results,
              (std::vector<std::string>{formatText(text::kNotFound, dictPath())}));
    EXPECT_FALSE(fileExists("env/dict.txt"));
}

TEST_F(DictionaryTest, ListHeldByAnotherProgramIsReportedAndReadAtTheNextDropDown) {
    writeDictionaryList("A.txt\r\n", 1000);
    ASSERT_TRUE(dlg.loadDictionaryList());
    form.setText(IDC_DICTIONARY, "X.txt");
    dlg.addTypedDictionary();

    writeDictionaryList("B.txt\r\n", 1010);
    {
        auto holder = files.open(dictPath(), OpenMode::Read);  // exclusive, like an editor lock
        ASSERT_NE(holder, nullptr);
        dlg.reloadDictionaryListIfChanged();
        EXPECT_EQ(prompts.results,
                  (std::vector<std::string>{formatText(text::kFileReadFailed, dictPath())}));
        EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"A.txt", "X.txt"}));
        EXPECT_EQ(dlg.AddedDictionaryCount, 1);
        EXPECT_FALSE(dlg.ended());
    }
    dlg.reloadDictionaryListIfChanged();
    EXPECT_EQ(entries(IDC_DICTIONARY), (std::vector<std::string>{"B.txt"}));
    EXPECT_EQ(prompts.results.size(), 1u);
}

}  // namespace
}  // namespace vokanti::testing
