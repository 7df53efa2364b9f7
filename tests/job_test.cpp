// A job: the history lines, the engine run in the program directory, the result, and the
// batch start.
#include "support/dialog_fixture.h"
#include "support/faulty_file_system.h"

namespace vokanti::testing {
namespace {

class JobTest : public DialogTest {
protected:
    void start(CVokantiDlg& job) {
        ASSERT_TRUE(job.resolveProgramDir());
        job.loadHistories();
        job.writeForm();  // the number fields show their values, as after start-up
    }
    void setJob(const std::string& input, const std::string& output) {
        form.setText(IDC_INPUT, input);
        form.setText(IDC_OUTPUT, output);
    }
};

TEST_F(JobTest, RecordsBothHistoriesRunsTheEngineInTheProgramDirectoryAndTellsTheResult) {
    start(dlg);
    process.currentDirectory = "/somewhere/else/";
    setJob("C:/docs/a.txt", "C:/out/a.vkndb5s");
    const std::string expected = dlg.buildCommandLine();
    for (uint32_t code : {0u, 6u, 11u, 16u, 259u}) {
        process.exitCode = code;
        dlg.runJob();
    }
    EXPECT_EQ(process.started, Entries(5, expected));
    EXPECT_EQ(process.startDirectories, Entries(5, programDir()));
    EXPECT_EQ(prompts.results, (Entries{"ファイル作成に成功しました！",
                                        "env/ignore.txtのオープンに失敗しました．",
                                        "ダウンロードに失敗しました．",
                                        "ファイル作成に失敗しました．．．",
                                        "ファイル作成に失敗しました．．．"}));
    // A failed job stays in the histories too.
    std::string fiveLines;
    for (int i = 0; i < 5; ++i) fiveLines += "C:/docs/a.txt\r\n";
    EXPECT_EQ(readFile("env/in_history.txt"), fiveLines);
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 5);
    EXPECT_EQ(form.entry(IDC_OUTPUT, 4), "C:/out/a.vkndb5s");
    EXPECT_FALSE(dlg.ended());  // the dialog stays for the next job

    setJob("", "");  // no history line for an empty text
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 6u);
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT), 10);
}

TEST_F(JobTest, AnEngineThatCannotStartIsReportedAndTheHistoriesStay) {
    start(dlg);
    setJob("C:/a.txt", "C:/a.csv");
    process.exitCode = std::nullopt;
    dlg.runJob();
    EXPECT_EQ(prompts.results, Entries{"vokan.exeの起動に失敗しました．"});
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"),
              "C:/a.txt\r\nC:/a.csv\r\n");
}

TEST_F(JobTest, ACommandLineTooLongForThePlatformIsRefused) {
    start(dlg);
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
    FaultyFileSystem faulty(files);
    Platform faultyPlatform{profile, faulty, process, shell, prompts};
    CVokantiDlg job(form, faultyPlatform);
    start(job);
    setJob("C:/in.txt", "C:/out.csv");
    for (const char* failing : {"in_history", "out_history"}) {
        faulty.onWrite = [failing](const std::string& path) {
            return path.find(failing) == std::string::npos;
        };
        prompts.results.clear();
        job.runJob();
        EXPECT_TRUE(process.started.empty());
        EXPECT_EQ(prompts.results,
                  Entries{programDir() + "env/" + failing + ".txtへの書き込みに失敗しました．"});
    }
    // The input line written before the output line failed stays.
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/in.txt\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "");
    EXPECT_EQ(form.entryCount(IDC_INPUT), 1);
    EXPECT_EQ(form.entryCount(IDC_OUTPUT), 0);
}

TEST_F(JobTest, BatchStartRunsOneJobOnTheNormalisedArgumentAndEnds) {
    start(dlg);
    dlg.batchStart("C:\\docs\\ソ\\in.html");
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_NE(process.started[0].find(" -i \"C:/docs/ソ/in.html\""), std::string::npos);
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/docs/ソ/in.html\r\n");
    EXPECT_EQ(prompts.results, Entries{"ファイル作成に成功しました！"});
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_FALSE(dlg.inputHistory.isOpen() || dlg.outputHistory.isOpen());
}

}  // namespace
}  // namespace vokanti::testing
