#include "core/messages.h"
#include "core/text.h"
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

using Entries = std::vector<std::string>;

// The POSIX files, except that writes to a file whose path contains `failOn` fail.
class FlakyFileSystem : public FileSystem {
public:
    std::unique_ptr<RawFile> open(const std::string& path, OpenMode mode) override {
        auto file = real.open(path, mode);
        if (!file) return nullptr;
        return std::make_unique<Flaky>(std::move(file), *this, path);
    }
    bool remove(const std::string& path) override { return real.remove(path); }
    bool replace(const std::string& s, const std::string& t) override { return real.replace(s, t); }
    bool exists(const std::string& path) override { return real.exists(path); }
    std::optional<ModStamp> modStamp(const std::string& path) override { return real.modStamp(path); }

    std::string failOn;

private:
    class Flaky : public RawFile {
    public:
        Flaky(std::unique_ptr<RawFile> file, FlakyFileSystem& owner, std::string path)
            : file_(std::move(file)), owner_(owner), path_(std::move(path)) {}
        long read(char* b, size_t n) override { return file_->read(b, n); }
        bool write(const char* d, size_t n) override {
            const bool fails = !owner_.failOn.empty() && path_.find(owner_.failOn) != std::string::npos;
            return !fails && file_->write(d, n);
        }
        bool seekToEnd() override { return file_->seekToEnd(); }
        bool truncate(uint64_t n) override { return file_->truncate(n); }

    private:
        std::unique_ptr<RawFile> file_;
        FlakyFileSystem& owner_;
        std::string path_;
    };
    PosixFileSystem real;
};

class JobTest : public DialogTest {
protected:
    void start() {
        ASSERT_TRUE(dlg.resolveProgramDir());
        dlg.loadHistories();
        dlg.writeForm();  // the number fields show their values, as after start-up
    }
    // A job on `input` and `output`, in the form and in the options alike.
    void setJob(const std::string& input, const std::string& output) {
        form.setText(IDC_INPUT, input);
        form.setText(IDC_OUTPUT, output);
        dlg.options.input = input;
        dlg.options.output = output;
    }
};

TEST_F(JobTest, AJobRecordsBothHistoriesThenRunsTheEngineInTheProgramDirectory) {
    start();
    process.currentDirectory = "/somewhere/else/";
    setJob("C:/docs/a.txt", "C:/out/a.vkndb5s");
    const std::string expected = dlg.buildCommandLine();
    process.exitCode = 0u;
    dlg.runJob();
    ASSERT_EQ(process.started, Entries{expected});
    EXPECT_EQ(process.startDirectories, Entries{programDir()});
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/docs/a.txt\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "C:/out/a.vkndb5s\r\n");
    EXPECT_EQ(form.entry(IDC_INPUT, 0), "C:/docs/a.txt");
    EXPECT_EQ(form.entry(IDC_HISTORY_LIST, 0), "C:/docs/a.txt");
    EXPECT_EQ(form.entry(IDC_OUTPUT, 0), "C:/out/a.vkndb5s");
    EXPECT_EQ(prompts.results, Entries{"ファイル作成に成功しました！"});
    EXPECT_FALSE(dlg.ended());  // the dialog stays for the next job
}

TEST_F(JobTest, EveryExitCodeIsToldAndAFailedJobStaysInTheHistories) {
    start();
    setJob("http://example.com/", "C:/out/x.csv");
    for (uint32_t code : {6u, 11u, 16u, 259u, 0xC0000005u}) {
        process.exitCode = code;
        dlg.runJob();
    }
    EXPECT_EQ(prompts.results, (Entries{"env/ignore.txtのオープンに失敗しました．",
                                        "ダウンロードに失敗しました．",
                                        "ファイル作成に失敗しました．．．",
                                        "ファイル作成に失敗しました．．．",
                                        "ファイル作成に失敗しました．．．"}));
    EXPECT_EQ(form.entryCount(IDC_HISTORY_LIST), 5);
    EXPECT_EQ(form.entry(IDC_OUTPUT, 4), "C:/out/x.csv");
}

TEST_F(JobTest, EmptyInputAndOutputWriteNoHistoryLine) {
    start();
    setJob("", "");
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 1u);
    EXPECT_EQ(readFile("env/in_history.txt"), "");
    EXPECT_EQ(readFile("env/out_history.txt"), "");
    EXPECT_EQ(form.entryCount(IDC_INPUT) + form.entryCount(IDC_OUTPUT), 0);
}

TEST_F(JobTest, AnEngineThatCannotStartIsReportedAndTheHistoriesStay) {
    start();
    setJob("C:/a.txt", "C:/a.csv");
    process.exitCode = std::nullopt;
    dlg.runJob();
    EXPECT_EQ(prompts.results, Entries{"vokan.exeの起動に失敗しました．"});
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/a.txt\r\n");
    EXPECT_EQ(readFile("env/out_history.txt"), "C:/a.csv\r\n");
}

TEST_F(JobTest, ACommandLineTooLongForThePlatformIsRefused) {
    start();
    // An input this long cannot travel on a command line of at most 32,766 characters.
    setJob("C:/" + std::string(40000, 'x') + ".txt", "");
    ASSERT_GT(dlg.buildCommandLine().size(), 32766u);
    dlg.runJob();
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(prompts.results, Entries{text::kCommandLineTooLong});
    // A job that never ran leaves no history line.
    EXPECT_EQ(readFile("env/in_history.txt"), "");

    // The longest command line the platform takes still runs.
    setJob("C:/", "");
    const size_t shortest = dlg.buildCommandLine().size();
    setJob("C:/" + std::string(32766 - shortest, 'y'), "");
    ASSERT_EQ(dlg.buildCommandLine().size(), 32766u);
    prompts.results.clear();
    dlg.runJob();
    EXPECT_EQ(process.started.size(), 1u);
}

TEST_F(JobTest, AHistoryLineThatCannotBeWrittenStopsTheJobBeforeTheEngine) {
    FlakyFileSystem flaky;
    Platform flakyPlatform{profile, flaky, process, shell, prompts};
    CVokantiDlg job(form, flakyPlatform);
    ASSERT_TRUE(job.resolveProgramDir());
    job.loadHistories();
    job.writeForm();
    form.setText(IDC_INPUT, "C:/in.txt");
    form.setText(IDC_OUTPUT, "C:/out.csv");
    job.options.input = "C:/in.txt";
    job.options.output = "C:/out.csv";

    flaky.failOn = "in_history";
    job.runJob();
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(prompts.results,
              Entries{formatText(text::kFileWriteFailed, programDir() + "env/in_history.txt")});
    EXPECT_EQ(form.entryCount(IDC_INPUT), 0);
    EXPECT_EQ(readFile("env/out_history.txt"), "");

    // The output line fails after the input line was written: the input line stays.
    prompts.results.clear();
    flaky.failOn = "out_history";
    job.runJob();
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(prompts.results,
              Entries{formatText(text::kFileWriteFailed, programDir() + "env/out_history.txt")});
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/in.txt\r\n");
    EXPECT_EQ(form.entryCount(IDC_INPUT), 1);
    EXPECT_EQ(form.entryCount(IDC_OUTPUT), 0);
}

TEST_F(JobTest, BatchStartRunsOneJobOnTheNormalisedArgumentAndEnds) {
    start();
    process.exitCode = 11u;
    dlg.batchStart("C:\\docs\\ソ\\in.html");
    EXPECT_EQ(dlg.options.input, "C:/docs/ソ/in.html");
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.startDirectories, Entries{programDir()});
    EXPECT_EQ(prompts.results, Entries{"ダウンロードに失敗しました．"});
    EXPECT_EQ(readFile("env/in_history.txt"), "C:/docs/ソ/in.html\r\n");
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_FALSE(dlg.inputHistory.isOpen());
    EXPECT_FALSE(dlg.outputHistory.isOpen());
}

}  // namespace
}  // namespace vokanti::testing
