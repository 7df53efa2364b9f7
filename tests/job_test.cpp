// A job: the history lines, the engine run in the program directory, and the result for
// every exit code.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class JobTest : public DialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.resolveProgramDir());
        dlg.loadHistories();
        dlg.fillHistoryList();  // as when its page is shown
    }
    void setJob(const std::string& input, const std::string& output) {
        form.setText(IDC_INPUT, input);
        form.setText(IDC_OUTPUT, output);
    }
};

TEST_F(JobTest, RecordsBothHistoriesRunsTheEngineInTheProgramDirectoryAndTellsTheResult) {
    process.currentDirectory = "/somewhere/else/";
    setJob("C:/docs/a.txt", "C:/out/a.vkndb5s");
    const std::string commandLine = dlg.buildCommandLine();
    const std::pair<uint32_t, const char*> results[] = {
        {0, "ファイル作成に成功しました！"},
        {1, "オプションの指定が間違っています．"},
        {6, "env/ignore.txtのオープンに失敗しました．"},
        {9, "辞書ファイルの改行コードがCRです．"},
        {15, "env/label.txtのオープンに失敗しました．"},
        {16, "ファイル作成に失敗しました．．．"},
        {259, "ファイル作成に失敗しました．．．"},
        {0xFFFFFFFF, "ファイル作成に失敗しました．．．"},
    };
    std::string lines;
    for (const auto& [code, text] : results) {
        process.exitCode = code;
        dlg.runJob();
        EXPECT_EQ(prompts.results.back(), text) << code;
        lines += "C:/docs/a.txt\r\n";
    }
    EXPECT_EQ(process.started, Entries(8, commandLine));
    EXPECT_EQ(process.startDirectories, Entries(8, programDir()));
    // Every job, failed or not, is in both histories; the dialog stays for the next one.
    EXPECT_EQ(readFile("env/in_history.txt"), lines);
    EXPECT_EQ(entries(IDC_OUTPUT), Entries(8, "C:/out/a.vkndb5s"));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 8);
    EXPECT_FALSE(dlg.ended());
    setJob("", "");  // no history line for an empty text
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 9u);
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT), 16);
}

TEST_F(JobTest, AnEngineThatCannotStartIsReportedAndTheHistoriesStay) {
    setJob("C:/a.txt", "C:/a.csv");
    process.exitCode = std::nullopt;
    dlg.runJob();
    EXPECT_EQ(prompts.results, Entries{"vokan.exeの起動に失敗しました．"});
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"), "C:/a.txt\r\nC:/a.csv\r\n");
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

}  // namespace
}  // namespace vokanti::testing
