// A job: the history lines, the engine run in the program directory, and the result for
// every exit code.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class JobTest : public DialogTest {
protected:
    void start() {
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
    const char* const known[] = {
        "ファイル作成に成功しました！",
        "オプションの指定が間違っています．",
        "入力ファイルのオープンに失敗しました．",
        "出力ファイルのオープンに失敗しました．",
        "辞書ファイルのオープンに失敗しました．",
        "env/dict.txtのオープンに失敗しました．",
        "env/ignore.txtのオープンに失敗しました．",
        "env/replace.txtのオープンに失敗しました．",
        "env/symbol.txtのオープンに失敗しました．",
        "辞書ファイルの改行コードがCRです．",
        "tmpファイルのオープンに失敗しました．",
        "ダウンロードに失敗しました．",
        "env/style.cssのオープンに失敗しました．",
        "env/webdict.txtのオープンに失敗しました．",
        "env/webwav.txtのオープンに失敗しました．",
        "env/label.txtのオープンに失敗しました．",
    };
    start();
    process.currentDirectory = "/somewhere/else/";
    setJob("C:/docs/a.txt", "C:/out/a.vkndb5s");
    const std::string commandLine = dlg.buildCommandLine();
    for (uint32_t code : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u,
                          16u, 259u, 0xC0000005u, 0xFFFFFFFFu}) {
        process.exitCode = code;
        dlg.runJob();
        EXPECT_EQ(prompts.results.back(), code < 16 ? known[code] : "ファイル作成に失敗しました．．．")
            << code;
    }
    EXPECT_EQ(process.started, Entries(20, commandLine));
    EXPECT_EQ(process.startDirectories, Entries(20, programDir()));
    // Every job, failed or not, is in both histories; the dialog stays for the next one.
    std::string lines;
    for (int i = 0; i < 20; ++i) lines += "C:/docs/a.txt\r\n";
    EXPECT_EQ(readFile("env/in_history.txt"), lines);
    EXPECT_EQ(entries(IDC_OUTPUT), Entries(20, "C:/out/a.vkndb5s"));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 20);
    EXPECT_FALSE(dlg.ended());

    setJob("", "");  // no history line for an empty text
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 21u);
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT), 40);
}

TEST_F(JobTest, AnEngineThatCannotStartIsReportedAndTheHistoriesStay) {
    start();
    setJob("C:/a.txt", "C:/a.csv");
    process.exitCode = std::nullopt;
    dlg.runJob();
    EXPECT_EQ(prompts.results, Entries{"vokan.exeの起動に失敗しました．"});
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"),
              "C:/a.txt\r\nC:/a.csv\r\n");
}

TEST_F(JobTest, ACommandLineTooLongForThePlatformIsRefused) {
    start();
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
    start();
    setJob("C:/in.txt", "C:/out.csv");
    for (const char* failing : {"in_history", "out_history"}) {
        faulty.onWrite = [failing](const std::string& path) {
            return path.find(failing) == std::string::npos;
        };
        prompts.results.clear();
        dlg.runJob();
        EXPECT_TRUE(process.started.empty());
        EXPECT_EQ(prompts.results,
                  Entries{programDir() + "env/" + failing + ".txtへの書き込みに失敗しました．"});
    }
    // The input line written before the output line failed stays.
    EXPECT_EQ(readFile("env/in_history.txt") + readFile("env/out_history.txt"), "C:/in.txt\r\n");
    EXPECT_EQ(form.entryCount(IDC_INPUT), 1);
    EXPECT_EQ(form.entryCount(IDC_OUTPUT), 0);
}

}  // namespace
}  // namespace vokanti::testing
