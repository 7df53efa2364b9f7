// The engine command line as the main dialog builds it from its form.
#include "core/command_line.h"

#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class CommandLineTest : public DialogTest {
protected:
    void SetUp() override {
        dlg.EnginePath = "C:/Apps/vokan.exe";
        dlg.loadSettings();  // no profile: the default options
    }
};

TEST_F(CommandLineTest, DefaultsWithInputAndOutput) {
    form.setText(IDC_INPUT, "C:/in/text.txt");
    form.setText(IDC_OUTPUT, "C:/out/text.vkndb5s");
    EXPECT_EQ(dlg.buildCommandLine(),
              "C:/Apps/vokan.exe -t -H -p -l 2 -L 30"
              " -i \"C:/in/text.txt\" -o \"C:/out/text.vkndb5s\"");
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(CommandLineTest, EveryArgumentInOrder) {
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_INPUT_TEXT);
    form.click(IDC_OUTPUT_HTML2);
    for (int id : {IDC_NO_DICT, IDC_INPUT_LIST_ONLY, IDC_NO_IGNORE, IDC_SORT_DICTIONARY,
                   IDC_QUESTION, IDC_DOWNLOAD_ONLY, IDC_CUT}) {
        form.click(id);
    }
    form.setText(IDC_INPUT, "http://host/a.htm");
    form.setText(IDC_OUTPUT, "C:/o.html");
    form.appendEntries(IDC_DICTIONARY, {"C:/base0.txt", "C:/base1.txt", "C:/base2.txt",
                                        "C:/added 3.txt", "C:/added4.txt"});
    dlg.BaseDictionaryCount = 3;
    dlg.AddedDictionaryCount = 2;
    EXPECT_EQ(dlg.buildCommandLine(),
              "C:/Apps/vokan.exe -J -T -X -y -N -n -S -q 20 -D -C 40"
              " -i \"http://host/a.htm\" -o \"C:/o.html\""
              " -d \"C:/added 3.txt\" -d \"C:/added4.txt\"");

    form.click(IDC_MATCH_WORD_IDIOM);
    form.click(IDC_OUTPUT_CSV);
    EXPECT_EQ(dlg.buildCommandLine().substr(0, 29), "C:/Apps/vokan.exe -j -T -c -y");
    form.click(IDC_OUTPUT_HTML1);
    EXPECT_NE(dlg.buildCommandLine().find(" -x -y"), std::string::npos);
}

TEST_F(CommandLineTest, ClampsNumbersAndKeepsTheBoundedValues) {
    form.setText(IDC_IGNORE_SHORT, "-5");
    form.setText(IDC_IGNORE_LONG, "5000");
    form.click(IDC_CUT);
    form.setText(IDC_CUT_LENGTH, "2000");
    form.click(IDC_QUESTION);
    form.setText(IDC_QUESTION_NUM, "0");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 0 -L 1024 -q 0 -C 1021");
    EXPECT_EQ(dlg.options.ignoreShort, 0);
    EXPECT_EQ(dlg.options.ignoreLong, 1024);
    EXPECT_EQ(dlg.options.cutLength, 1021);
    // The bounded values show at the next writing of the form, not before.
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "-5");
    dlg.writeForm();
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "0");
    EXPECT_EQ(form.text(IDC_CUT_LENGTH), "1021");

    form.setText(IDC_CUT_LENGTH, "-1");
    form.setText(IDC_QUESTION_NUM, "-3");  // not bounded
    form.setText(IDC_IGNORE_SHORT, "50");  // may exceed ignoreLong
    form.setText(IDC_IGNORE_LONG, "10");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 50 -L 10 -q -3 -C 0");
}

TEST_F(CommandLineTest, NoIgnoreLeavesTheNumbersOut) {
    form.click(IDC_NO_IGNORE);
    form.setText(IDC_IGNORE_SHORT, "-5");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -n");
    EXPECT_EQ(dlg.options.ignoreShort, -5);
}

TEST_F(CommandLineTest, OnlyAddedDictionariesTravel) {
    form.appendEntries(IDC_DICTIONARY, {"C:/base0.txt", "C:/base1.txt"});
    dlg.BaseDictionaryCount = 2;
    dlg.AddedDictionaryCount = 0;
    EXPECT_EQ(dlg.buildCommandLine().find(" -d "), std::string::npos);
    // Counts that promise more entries than the list holds pass only the entries there are.
    form.appendEntry(IDC_DICTIONARY, "C:/added.txt");
    dlg.AddedDictionaryCount = 3;
    const std::string line = dlg.buildCommandLine();
    EXPECT_EQ(line.substr(line.find(" -d ")), " -d \"C:/added.txt\"");
}

TEST_F(CommandLineTest, EnginePathWithASpaceIsQuoted) {
    dlg.EnginePath = "C:/Program Files/Vokanti/vokan.exe";
    EXPECT_EQ(dlg.buildCommandLine(),
              "\"C:/Program Files/Vokanti/vokan.exe\" -t -H -p -l 2 -L 30");
}

TEST_F(CommandLineTest, ChoicesWithNoRadioCheckedAddNothing) {
    for (int id : {IDC_MATCH_WORD, IDC_INPUT_HTML, IDC_OUTPUT_DB}) form.setChecked(id, false);
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -l 2 -L 30");
}

TEST_F(CommandLineTest, LongPathsTravelWhole) {
    const std::string input = "C:/" + std::string(3000, 'i') + "/ソ.txt";
    form.setText(IDC_INPUT, input);
    const std::string line = dlg.buildCommandLine();
    EXPECT_GT(line.size(), 3000u);
    EXPECT_EQ(line.substr(line.size() - input.size() - 6), " -i \"" + input + "\"");
}

}  // namespace
}  // namespace vokanti::testing
