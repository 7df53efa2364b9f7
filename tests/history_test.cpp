// The program directory, the two history files and their lists, the list extents, and a job:
// its history lines, the engine run in the program directory, and the result it tells.
#include <unistd.h>

#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class HistoryTest : public DialogTest {
protected:
    void start() {
        ASSERT_TRUE(dlg.resolveProgramDir());
        dlg.loadHistories();
        dlg.fillHistoryList();  // as when its page is shown
    }
    bool held(const std::string& relative) { return !ListFile(files).open(programDir() + relative, OpenMode::Read); }
};

TEST_F(HistoryTest, ProgramDirectoryAndAMissingEngine) {
    process.modulePath = dir.path() + "\\Vokanti.exe";
    ASSERT_TRUE(dlg.resolveProgramDir());
    EXPECT_EQ(dlg.ProgramDir, programDir());
    EXPECT_EQ(dlg.EnginePath, programDir() + "vokan.exe");
    // Second bytes 0x5C (ソ, 表) stay; a path longer than any buffer is taken whole.
    const std::string deep = "C:/" + std::string(1500, 'x') + "/ソ表/";
    process.modulePath = "C:\\" + std::string(1500, 'x') + "\\ソ表\\Vokanti.exe";
    EXPECT_FALSE(dlg.resolveProgramDir());
    EXPECT_EQ(dlg.ProgramDir, deep);
    EXPECT_EQ(prompts.results, Entries{deep + "vokan.exeが見つかりません．"});
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    // Without a program directory an engine in the current directory is not taken.
    process.modulePath = "";
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    EXPECT_FALSE(dlg.resolveProgramDir());
    ASSERT_EQ(::chdir("/"), 0);
    EXPECT_EQ(prompts.results.back(), "vokan.exeが見つかりません．");
}

TEST_F(HistoryTest, ListsShowTheNewestFirstAndRecordingAppendsALineAtOnce) {
    writeFile("env/in_history.txt", "one\r\ntwo\r\n\r\nthree");  // no terminator at the end
    form.setText(IDC_INPUT, "typed");
    start();  // out_history.txt is missing: created empty
    EXPECT_EQ(entries(IDC_INPUT), (Entries{"three", "", "two", "one"}));
    EXPECT_EQ(entries(IDC_HISTORY_LIST), entries(IDC_INPUT));
    EXPECT_EQ(form.text(IDC_INPUT), "");
    EXPECT_TRUE(held("env/in_history.txt") && held("env/out_history.txt"));
    ASSERT_TRUE(dlg.recordInputHistory("C:/docs/a.txt"));
    // The last line had no line end: it gets one, so the record stays a line of its own.
    EXPECT_EQ(readFile("env/in_history.txt"), "one\r\ntwo\r\n\r\nthree\r\nC:/docs/a.txt\r\n");
    ASSERT_TRUE(dlg.recordOutputHistory("b.csv") && dlg.recordOutputHistory("C:/out/a.csv"));
    EXPECT_EQ(readFile("env/out_history.txt"), "b.csv\r\nC:/out/a.csv\r\n");
    EXPECT_EQ(entries(IDC_HISTORY_LIST), (Entries{"C:/docs/a.txt", "three", "", "two", "one"}));
    EXPECT_EQ(entries(IDC_INPUT), entries(IDC_HISTORY_LIST));
    EXPECT_EQ(form.horizontalExtent(IDC_HISTORY_LIST), 13 * MemoryForm::kCharWidth + 10);
    dlg.closeHistories();
    EXPECT_FALSE(held("env/in_history.txt"));
    start();
    EXPECT_EQ(entries(IDC_OUTPUT), (Entries{"C:/out/a.csv", "b.csv"}));
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(HistoryTest, ClearingLeavesTwoEmptyHeldFilesAndEmptyListsButNotAnotherInstancesFiles) {
    writeFile("env/in_history.txt", "a\r\nb\r\n");
    writeFile("env/out_history.txt", "c\r\n");
    start();
    form.setText(IDC_OUTPUT, "c");
    dlg.updateHorizontalExtent(IDC_HISTORY_LIST);
    dlg.clearHistory();
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"), "");
    EXPECT_TRUE(held("env/in_history.txt") && held("env/out_history.txt"));
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT) + form.entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(form.text(IDC_OUTPUT), "");
    EXPECT_EQ(form.horizontalExtent(IDC_HISTORY_LIST), 10);
    ASSERT_TRUE(dlg.recordInputHistory("x"));
    EXPECT_EQ(readFile("env/in_history.txt"), "x\r\n");
    EXPECT_TRUE(prompts.results.empty());

    // A second instance starts with empty lists and records nothing (seen end to end);
    // clearing there cannot remove this instance's held files, and says so.
    MemoryForm secondForm;
    addMainDialogControls(secondForm);
    CVokantiDlg secondDialog(secondForm, platform);
    DialogAccess second(secondDialog);
    ASSERT_TRUE(second.resolveProgramDir());
    second.loadHistories();
    EXPECT_TRUE(second.recordInputHistory("second"));  // skipped without a message
    second.clearHistory();
    EXPECT_EQ(prompts.results, Entries{programDir() + "env/in_history.txtを削除できませんでした．"});
    EXPECT_EQ(readFile("env/in_history.txt"), "x\r\n");
}

class JobTest : public HistoryTest {
protected:
    void SetUp() override { start(); }
    void setJob(const std::string& input, const std::string& output) {
        form.setText(IDC_INPUT, input);
        form.setText(IDC_OUTPUT, output);
    }
};

TEST_F(JobTest, RecordsBothHistoriesRunsTheEngineInTheProgramDirectoryAndTellsTheResult) {
    process.currentDirectory = "/somewhere/else/";
    setJob("C:/docs/a.txt", "C:/out/a.vkndb5s");
    const std::string commandLine = dlg.buildCommandLine();
    // An engine that cannot be started (no exit code) is reported; its job is recorded too.
    const std::pair<std::optional<uint32_t>, const char*> results[] = {
        {0, "ファイル作成に成功しました！"},
        {1, "オプションの指定が間違っています．"},
        {6, "env/ignore.txtのオープンに失敗しました．"},
        {15, "env/label.txtのオープンに失敗しました．"},
        {16, "ファイル作成に失敗しました．．．"},
        {0xFFFFFFFF, "ファイル作成に失敗しました．．．"},
        {std::nullopt, "vokan.exeの起動に失敗しました．"},
    };
    std::string lines;
    for (const auto& [code, text] : results) {
        process.exitCode = code;
        dlg.runJob();
        EXPECT_EQ(prompts.results.back(), text) << code.value_or(12345);
        lines += "C:/docs/a.txt\r\n";
    }
    EXPECT_EQ(process.started, Entries(7, commandLine));
    EXPECT_EQ(process.startDirectories, Entries(7, programDir()));
    // Every job, failed or not, is in both histories; the dialog stays for the next one.
    EXPECT_EQ(readFile("env/in_history.txt"), lines);
    EXPECT_EQ(entries(IDC_OUTPUT), Entries(7, "C:/out/a.vkndb5s"));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 7);
    EXPECT_FALSE(dlg.ended());
    setJob("", "");  // no history line for an empty text
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 8u);
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT), 14);
}

TEST_F(JobTest, ACommandLineTooLongForThePlatformIsRefused) {
    setJob("C:/" + std::string(40000, 'x') + ".txt", "");
    dlg.runJob();
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(prompts.results, Entries{text::kCommandLineTooLong});
    EXPECT_EQ(readFile("env/in_history.txt"), "");  // a job that never ran left no line
    // The longest command line the platform takes (32,766 characters) still runs, whole.
    setJob("C:/", "");
    const std::string input = "C:/" + std::string(32766 - dlg.buildCommandLine().size(), 'y');
    setJob(input, "");
    dlg.runJob();
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.started[0].size(), 32766u);
    EXPECT_NE(process.started[0].find(input), std::string::npos);
}

TEST_F(JobTest, AHistoryLineThatCannotBeWrittenStopsTheJobBeforeTheEngine) {
    setJob("C:/in.txt", "C:/out.csv");
    for (const char* failing : {"in_history", "out_history"}) {
        faulty.onWrite = [failing](const std::string& path) { return path.find(failing) == std::string::npos; };
        prompts.results.clear();
        dlg.runJob();
        EXPECT_TRUE(process.started.empty());
        EXPECT_EQ(prompts.results, Entries{programDir() + "env/" + failing + ".txtへの書き込みに失敗しました．"});
    }
    // The input line written before the output line failed stays.
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"), "C:/in.txt\r\n");
    EXPECT_TRUE(form.entryCount(IDC_INPUT) == 1 && form.entryCount(IDC_OUTPUT) == 0);
}

TEST_F(JobTest, CancelWhileTheEngineRunsAsksAndAStopRemovesOnlyTheTemporaryFile) {
    writeFile("out.csv", "the list of yesterday");
    writeFile("out.csv.vokan-tmp", "half a list");
    setJob("C:/in.txt", "out.csv");  // relative: the engine writes it in the program directory
    const auto cancel = [&] { dlg.onEvent(DialogEvent{EventKind::Command, kClicked, IDC_CANCEL}); };
    process.duringRun = cancel;

    // No: the engine runs on and its own end is shown.
    prompts.yesNoAnswer = false;
    dlg.runJob();
    EXPECT_EQ(prompts.yesNoQuestions, Entries{"作成を中止しますか？"});
    EXPECT_EQ(process.stopCalls, 0);
    EXPECT_EQ(prompts.results, Entries{"ファイル作成に成功しました！"});
    EXPECT_TRUE(fileExists("out.csv.vokan-tmp"));

    // Yes: stopped; the output stays as it was, the temporary file goes, the dialog stays and
    // the histories keep the job's lines. A second Cancel while asked asks nothing more.
    prompts.yesNoAnswer = true;
    prompts.duringYesNo = cancel;
    dlg.runJob();
    EXPECT_EQ(prompts.yesNoQuestions.size(), 2u);
    EXPECT_EQ(prompts.results.back(), "作成を中止しました．");
    EXPECT_EQ(readFile("out.csv"), "the list of yesterday");
    EXPECT_FALSE(fileExists("out.csv.vokan-tmp"));
    EXPECT_FALSE(dlg.ended());
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/in.txt\r\nC:/in.txt\r\n");

    // The engine ended by itself while the question was open: that end is shown.
    process.endedByItself = true;
    process.exitCode = 11;
    dlg.runJob();
    EXPECT_EQ(prompts.results.back(), "ダウンロードに失敗しました．");

    // Cancel with no engine running ends the dialog as always.
    process.duringRun = nullptr;
    cancel();
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(prompts.yesNoQuestions.size(), 3u);
}

TEST_F(JobTest, AStoppedRunRemovesTheTemporaryFileOfAnAbsoluteOutputAndReportsOneItCannot) {
    std::filesystem::create_directory(dir.file("sub"));
    writeFile("sub/out.csv.vokan-tmp", "half");
    ASSERT_TRUE(fileExists("sub/out.csv.vokan-tmp"));
    setJob("C:/in.txt", programDir() + "sub/out.csv");
    process.duringRun = [&] { dlg.onEvent(DialogEvent{EventKind::Command, kClicked, IDC_CANCEL}); };
    dlg.runJob();
    EXPECT_FALSE(fileExists("sub/out.csv.vokan-tmp"));
    EXPECT_EQ(prompts.results, Entries{"作成を中止しました．"});

    writeFile("sub/out.csv.vokan-tmp", "half");
    faulty.onRemove = [](const std::string&) { return false; };
    dlg.runJob();
    const std::string temporary = programDir() + "sub/out.csv.vokan-tmp";
    EXPECT_EQ(prompts.results, (Entries{"作成を中止しました．", temporary + "を削除できませんでした．",
                                        "作成を中止しました．"}));
}

}  // namespace
}  // namespace vokanti::testing
