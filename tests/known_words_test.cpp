// The learner's known words in the window: the level chosen in its dialog, on the command
// line and in the profile; the known-words file opened for editing; and adding the words of
// an output to it through the engine.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class KnownWordsTest : public DialogTest {
protected:
    KnownWordsTest() {
        dlg.EnginePath = programDir() + "vokan.exe";
        form.setText(IDC_INPUT, "C:/in.txt");
        form.setText(IDC_OUTPUT, "C:/out.csv");
    }
    void chooseLevel(std::optional<int32_t> answer) {
        prompts.levelAnswer = answer;
        send(ID_SETTINGS_KNOWN_LEVEL);
    }
    void send(int command) { dlg.onEvent(DialogEvent{EventKind::Command, kClicked, command}); }
    std::string engine() const { return programDir() + "vokan.exe"; }
};

TEST_F(KnownWordsTest, TheChosenLevelGoesAfterTheCutAndBeforeTheInputUnlessEveryWordIsWanted) {
    const std::string plain = dlg.buildCommandLine();
    EXPECT_EQ(plain, engine() + " -l 2 -L 30 -i \"C:/in.txt\" -o \"C:/out.csv\"");
    chooseLevel(2);
    EXPECT_EQ(prompts.levelsShown, std::vector<int32_t>{0});
    EXPECT_EQ(dlg.buildCommandLine(), engine() + " -l 2 -L 30 -k 2 -i \"C:/in.txt\" -o \"C:/out.csv\"");
    for (int id : {IDC_CUT, IDC_QUESTION}) {
        form.click(id);
        send(id);
    }
    EXPECT_EQ(dlg.buildCommandLine(),
              engine() + " -l 2 -L 30 -q 20 -C 40 -k 2 -i \"C:/in.txt\" -o \"C:/out.csv\"");
    // The command viewer shows the same line.
    send(ID_SHOW_COMMAND);
    EXPECT_NE(prompts.texts.back().text.find(" -C 40 -k 2 -i "), std::string::npos);
    // With -n the engine would refuse the level: it is kept but not passed.
    form.click(IDC_NO_IGNORE);
    EXPECT_EQ(dlg.buildCommandLine().find(" -k "), std::string::npos);
    form.click(IDC_NO_IGNORE);
    // Cancel keeps the level; "no level" gives back today's line byte for byte.
    chooseLevel(std::nullopt);
    EXPECT_EQ(prompts.levelsShown, (std::vector<int32_t>{0, 2}));
    EXPECT_NE(dlg.buildCommandLine().find(" -k 2 "), std::string::npos);
    for (int id : {IDC_CUT, IDC_QUESTION}) {
        form.click(id);
        send(id);
    }
    chooseLevel(0);
    EXPECT_EQ(dlg.buildCommandLine(), plain);
}

TEST_F(KnownWordsTest, TheProfileKeepsTheLevelOnlyWhileOneIsChosenAndReadsNothingElseAsALevel) {
    chooseLevel(3);
    send(ID_SETTINGS_SAVE);
    EXPECT_EQ(profile.values["known_level"], "3");
    // The keys of today come first, in today's order; the level is the last one written.
    EXPECT_EQ(profile.writes.back(), "known_level");
    const std::vector<std::string> todays(profile.writes.begin(), profile.writes.end() - 1);
    chooseLevel(0);
    profile.writes.clear();
    send(ID_SETTINGS_SAVE);
    EXPECT_EQ(profile.values.count("known_level"), 0u);
    EXPECT_EQ(profile.writes, todays);

    // Read back by the load command; anything but 1 to 3 exactly is no level.
    for (const auto& [stored, level] : std::vector<std::pair<std::string, int32_t>>{
             {"2", 2}, {"1", 1}, {"0", 0}, {"4", 0}, {" 2", 0}, {"2x", 0}, {"-1", 0}, {"", 0},
             {"99999999999999999999", 0}}) {
        profile.values["known_level"] = stored;
        send(ID_SETTINGS_LOAD);
        EXPECT_EQ(dlg.options.knownLevel, level) << stored;
    }
    profile.values.erase("known_level");
    chooseLevel(1);
    send(ID_SETTINGS_LOAD);  // a profile without the key: no level
    EXPECT_EQ(dlg.options.knownLevel, 0);
}

TEST_F(KnownWordsTest, TheKnownWordsFileIsMadeEmptyBeforeItIsOpenedAndNeverEmptiedAfter) {
    send(ID_EDIT_KNOWN);
    EXPECT_EQ(readFile("env/known.txt"), "");
    writeFile("env/known.txt", "apple\r\n");
    send(ID_EDIT_KNOWN);
    EXPECT_EQ(readFile("env/known.txt"), "apple\r\n");
    EXPECT_EQ(shell.opened, (Entries{programDir() + "env/known.txt", programDir() + "env/known.txt"}));
}

TEST_F(KnownWordsTest, AddingAnOutputsWordsRunsTheEngineAndTellsHowManyLinesTheFileGrewBy) {
    // The engine adds two words to a file that already held one.
    writeFile("env/known.txt", "apple\r\n");
    process.duringRun = [&] { writeFile("env/known.txt", "apple\r\nbook\r\ncare\r\n"); };
    send(ID_ADD_KNOWN);
    EXPECT_EQ(process.started, Entries{engine() + " -K -i \"C:/out.csv\""});
    EXPECT_EQ(process.startDirectories, Entries{programDir()});
    EXPECT_EQ(prompts.results, Entries{"既知語に2語を追加しました．"});
    // No history is written by it.
    EXPECT_EQ(form.entryCount(IDC_OUTPUT), 0);

    // A file the engine makes counts from nothing; a failing engine tells its exit code.
    std::filesystem::remove(dir.file("env/known.txt"));
    process.duringRun = [&] { writeFile("env/known.txt", "dog\r\n"); };
    send(ID_ADD_KNOWN);
    EXPECT_EQ(prompts.results.back(), "既知語に1語を追加しました．");
    process.duringRun = nullptr;
    for (const auto& [code, message] : std::vector<std::pair<uint32_t, std::string>>{
             {2, "入力ファイルのオープンに失敗しました．"},
             {18, "env/known.txtのオープンに失敗しました．"},
             {17, "env/level.txtのオープンに失敗しました．"}}) {
        process.exitCode = code;
        send(ID_ADD_KNOWN);
        EXPECT_EQ(prompts.results.back(), message);
    }
    process.exitCode = std::nullopt;
    send(ID_ADD_KNOWN);
    EXPECT_EQ(prompts.results.back(), "vokan.exeの起動に失敗しました．");

    // Without an output nothing starts.
    const size_t runs = process.started.size();
    form.setText(IDC_OUTPUT, "");
    send(ID_ADD_KNOWN);
    EXPECT_EQ(prompts.results.back(), "出力ファイルが指定されていません．");
    EXPECT_EQ(process.started.size(), runs);
}

}  // namespace
}  // namespace vokanti::testing
