#include <sys/stat.h>
#include <unistd.h>

#include "core/messages.h"
#include "core/text.h"
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

using Entries = std::vector<std::string>;

class HistoryTest : public DialogTest {
protected:
    void start() {
        ASSERT_TRUE(dlg.resolveProgramDir());
        dlg.loadHistories();
    }
    long long sizeOf(const std::string& relative) const {
        struct stat st {};
        return ::stat((dir.path() + "/" + relative).c_str(), &st) == 0 ? st.st_size : -1;
    }
};

TEST_F(HistoryTest, ProgramDirectoryFromAModulePathWithBackslashes) {
    process.modulePath = dir.path() + "\\Vokanti.exe";
    ASSERT_TRUE(dlg.resolveProgramDir());
    EXPECT_EQ(dlg.ProgramDir, programDir());
    EXPECT_EQ(dlg.EnginePath, programDir() + "vokan.exe");
    EXPECT_EQ(dlg.envPath("env/in_history.txt"), programDir() + "env/in_history.txt");
    EXPECT_FALSE(dlg.ended());
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(HistoryTest, AMissingEngineEndsTheDialogWithItsFullPath) {
    // The second bytes of ソ and 表 are 0x5C and stay as they are.
    process.modulePath = "C:\\Apps\\ソ表\\Vokanti.exe";
    EXPECT_FALSE(dlg.resolveProgramDir());
    EXPECT_EQ(dlg.ProgramDir, "C:/Apps/ソ表/");
    EXPECT_EQ(dlg.EnginePath, "C:/Apps/ソ表/vokan.exe");
    EXPECT_EQ(prompts.results, Entries{formatText(text::kNotFound, "C:/Apps/ソ表/vokan.exe")});
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
}

TEST_F(HistoryTest, AnUnknownProgramDirectoryNeverFindsAnEngineElsewhere) {
    process.modulePath = "";
    writeFile("vokan.exe", "");
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);  // an engine in the current directory
    EXPECT_FALSE(dlg.resolveProgramDir());
    EXPECT_EQ(prompts.results, Entries{formatText(text::kNotFound, "vokan.exe")});
    EXPECT_TRUE(dlg.ended());
    ASSERT_EQ(::chdir("/"), 0);
}

TEST_F(HistoryTest, ModulePathsLongerThanAnyBufferAreTakenWhole) {
    const std::string deep = "C:\\" + std::string(1500, 'x') + "\\";
    process.modulePath = deep + "Vokanti.exe";
    EXPECT_FALSE(dlg.resolveProgramDir());
    EXPECT_EQ(dlg.EnginePath, "C:/" + std::string(1500, 'x') + "/vokan.exe");
}

TEST_F(HistoryTest, ListsShowTheNewestFirstAndTheFilesStayHeld) {
    writeFile("env/in_history.txt", "one\r\ntwo\r\n\r\nthree");
    writeFile("env/out_history.txt", "a.csv\nb.csv\n");
    form.setText(IDC_INPUT, "typed");
    start();
    EXPECT_EQ(entries(IDC_INPUT), (Entries{"three", "", "two", "one"}));
    EXPECT_EQ(entries(IDC_HISTORY_LIST), (Entries{"three", "", "two", "one"}));
    EXPECT_EQ(entries(IDC_OUTPUT), (Entries{"b.csv", "a.csv"}));
    EXPECT_EQ(form.text(IDC_INPUT), "");
    EXPECT_EQ(form.text(IDC_OUTPUT), "");
    EXPECT_TRUE(dlg.inputHistory.isOpen());
    EXPECT_TRUE(dlg.outputHistory.isOpen());
    ListFile other(files);
    EXPECT_FALSE(other.open(programDir() + "env/in_history.txt", OpenMode::Read));
    EXPECT_FALSE(other.open(programDir() + "env/out_history.txt", OpenMode::Read));
    dlg.closeHistories();
    EXPECT_TRUE(other.open(programDir() + "env/in_history.txt", OpenMode::Read));
}

TEST_F(HistoryTest, MissingHistoriesAreCreatedEmpty) {
    start();
    EXPECT_EQ(form.entryCount(IDC_INPUT), 0);
    EXPECT_EQ(form.entryCount(IDC_OUTPUT), 0);
    EXPECT_EQ(sizeOf("env/in_history.txt"), 0);
    EXPECT_EQ(sizeOf("env/out_history.txt"), 0);
}

TEST_F(HistoryTest, RecordingAppendsALineAtOnceAndPutsItOnTop) {
    writeFile("env/in_history.txt", "old");  // no terminator after the last line
    start();
    ASSERT_TRUE(dlg.recordInputHistory("C:/docs/a.txt"));
    // On disk while the file is still open.
    EXPECT_EQ(readFile("env/in_history.txt"), "oldC:/docs/a.txt\r\n");
    ASSERT_TRUE(dlg.recordInputHistory("C:/docs/a.txt"));
    ASSERT_TRUE(dlg.recordOutputHistory("C:/out/a.csv"));
    EXPECT_EQ(readFile("env/in_history.txt"), "oldC:/docs/a.txt\r\nC:/docs/a.txt\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "C:/out/a.csv\r\n");
    EXPECT_EQ(entries(IDC_INPUT), (Entries{"C:/docs/a.txt", "C:/docs/a.txt", "old"}));
    EXPECT_EQ(entries(IDC_HISTORY_LIST), (Entries{"C:/docs/a.txt", "C:/docs/a.txt", "old"}));
    EXPECT_EQ(entries(IDC_OUTPUT), Entries{"C:/out/a.csv"});
    EXPECT_EQ(form.horizontalExtent(IDC_HISTORY_LIST), 13 * MemoryForm::kCharWidth + 10);
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(HistoryTest, ClearingLeavesTwoEmptyFilesAndEmptyLists) {
    writeFile("env/in_history.txt", "a\r\nb\r\n");
    writeFile("env/out_history.txt", "c\r\n");
    start();
    form.setText(IDC_INPUT, "a");
    form.setText(IDC_OUTPUT, "c");
    dlg.updateHorizontalExtent(IDC_HISTORY_LIST);
    dlg.clearHistory();
    EXPECT_EQ(sizeOf("env/in_history.txt"), 0);
    EXPECT_EQ(sizeOf("env/out_history.txt"), 0);
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT) +
                  form.entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(form.text(IDC_INPUT), "");
    EXPECT_EQ(form.text(IDC_OUTPUT), "");
    EXPECT_EQ(form.horizontalExtent(IDC_HISTORY_LIST), 10);
    EXPECT_TRUE(prompts.results.empty());
    // The new files are held and recorded to.
    ASSERT_TRUE(dlg.recordInputHistory("x"));
    EXPECT_EQ(readFile("env/in_history.txt"), "x\r\n");
    ListFile other(files);
    EXPECT_FALSE(other.open(programDir() + "env/out_history.txt", OpenMode::Read));
}

// A form whose font draws "W" four times as wide as any other byte.
class ProportionalForm : public MemoryForm {
public:
    int textWidth(int, const std::string& text) const override {
        int width = 0;
        for (char c : text) width += c == 'W' ? 20 : 5;
        return width;
    }
};

TEST_F(HistoryTest, TheExtentFollowsTheFirstOfTheLongestEntriesInBytes) {
    ProportionalForm proportional;
    addMainDialogControls(proportional);
    CVokantiDlg other(proportional, platform);
    other.updateHorizontalExtent(IDC_HISTORY_LIST);
    EXPECT_EQ(proportional.horizontalExtent(IDC_HISTORY_LIST), 10);
    for (const char* e : {"iii", "iiii", "WWWW", "WWW"}) proportional.appendEntry(IDC_HISTORY_LIST, e);
    other.updateHorizontalExtent(IDC_HISTORY_LIST);
    EXPECT_EQ(proportional.horizontalExtent(IDC_HISTORY_LIST), 4 * 5 + 10);
    // A double-byte character counts two bytes.
    proportional.appendEntry(IDC_FAVORITE_LIST, "abc");
    proportional.appendEntry(IDC_FAVORITE_LIST, "ソ表");
    other.updateHorizontalExtent(IDC_FAVORITE_LIST);
    EXPECT_EQ(proportional.horizontalExtent(IDC_FAVORITE_LIST), 4 * 5 + 10);
}

TEST_F(HistoryTest, ASecondInstanceStartsEmptyAndLeavesTheFirstInstancesFilesAlone) {
    writeFile("env/in_history.txt", "first\r\n");
    writeFile("env/out_history.txt", "first.csv\r\n");
    start();

    MemoryForm secondForm;
    addMainDialogControls(secondForm);
    CVokantiDlg second(secondForm, platform);
    ASSERT_TRUE(second.resolveProgramDir());
    second.loadHistories();
    EXPECT_EQ(secondForm.entryCount(IDC_INPUT), 0);
    EXPECT_EQ(secondForm.entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(secondForm.entryCount(IDC_OUTPUT), 0);
    EXPECT_FALSE(second.inputHistory.isOpen());
    // Recording is skipped without a message; the job's entries still show in this window.
    EXPECT_TRUE(second.recordInputHistory("second"));
    EXPECT_TRUE(second.recordOutputHistory("second.csv"));
    EXPECT_TRUE(prompts.results.empty());
    EXPECT_EQ(entries(IDC_INPUT), Entries{"first"});
    EXPECT_EQ(secondForm.entry(IDC_INPUT, 0), "second");

    ASSERT_TRUE(dlg.recordInputHistory("first again"));
    EXPECT_EQ(readFile("env/in_history.txt"), "first\r\nfirst again\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "first.csv\r\n");

    // Clearing in the second instance cannot remove the held files: it says so and
    // leaves them as they are.
    second.clearHistory();
    EXPECT_EQ(prompts.results,
              Entries{formatText(text::kFileRemoveFailed, programDir() + "env/in_history.txt")});
    EXPECT_EQ(readFile("env/in_history.txt"), "first\r\nfirst again\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "first.csv\r\n");
}

TEST_F(HistoryTest, TakingAnEntryFromTheHistoryList) {
    const std::string longEntry = "C:/" + std::string(3000, 'p') + ".txt";
    writeFile("env/in_history.txt", longEntry + "\r\nC:/b.txt\r\n");
    start();
    dlg.writeForm();
    dlg.options.input = "unchanged";
    dlg.takeInputFromHistory();  // nothing selected
    EXPECT_EQ(dlg.options.input, "unchanged");
    form.setSelection(IDC_HISTORY_LIST, 1);
    dlg.takeInputFromHistory();
    EXPECT_EQ(dlg.options.input, longEntry);
    EXPECT_TRUE(prompts.results.empty());

    // A rejected number is reported and the user's form is left as it is.
    form.setText(IDC_IGNORE_LONG, "abc");
    form.setText(IDC_OUTPUT, "typed.csv");
    form.setSelection(IDC_HISTORY_LIST, 0);
    dlg.takeInputFromHistory();
    EXPECT_EQ(prompts.results, Entries{text::kIntegerRequired});
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "abc");
    EXPECT_EQ(form.text(IDC_OUTPUT), "typed.csv");
    EXPECT_EQ(dlg.options.input, longEntry);
}

}  // namespace
}  // namespace vokanti::testing
