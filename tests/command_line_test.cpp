// The engine command line as the main dialog builds it from its form.
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

TEST_F(CommandLineTest, EveryArgumentInOrder) {
    form.setText(IDC_INPUT, "C:/in/text.txt");
    form.setText(IDC_OUTPUT, "C:/out/text.vkndb5s");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 2 -L 30"
                                      " -i \"C:/in/text.txt\" -o \"C:/out/text.vkndb5s\"");

    for (int id : {IDC_MATCH_IDIOM, IDC_INPUT_TEXT, IDC_OUTPUT_HTML2, IDC_NO_DICT,
                   IDC_INPUT_LIST_ONLY, IDC_NO_IGNORE, IDC_SORT_DICTIONARY, IDC_QUESTION,
                   IDC_DOWNLOAD_ONLY, IDC_CUT}) {
        form.click(id);
    }
    form.setText(IDC_INPUT, "http://host/a.htm");
    form.setText(IDC_OUTPUT, "C:/o.html");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -J -T -X -y -N -n -S -q 20 -D -C 40"
                                      " -i \"http://host/a.htm\" -o \"C:/o.html\"");

    form.click(IDC_MATCH_WORD_IDIOM);
    form.click(IDC_OUTPUT_CSV);
    EXPECT_EQ(dlg.buildCommandLine().substr(0, 29), "C:/Apps/vokan.exe -j -T -c -y");
    form.click(IDC_OUTPUT_HTML1);
    EXPECT_EQ(dlg.buildCommandLine().substr(0, 29), "C:/Apps/vokan.exe -j -T -x -y");
}

TEST_F(CommandLineTest, ClampsNumbersAndKeepsTheBoundedValues) {
    form.setText(IDC_IGNORE_SHORT, "-5");
    form.setText(IDC_IGNORE_LONG, "5000");
    form.click(IDC_CUT);
    form.setText(IDC_CUT_LENGTH, "2000");
    form.click(IDC_QUESTION);
    form.setText(IDC_QUESTION_NUM, "0");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 0 -L 1024 -q 0 -C 1021");
    // The bounded values show at the next writing of the form, not before.
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "-5");
    dlg.writeForm();
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT) + " " + form.text(IDC_IGNORE_LONG) + " " + form.text(IDC_CUT_LENGTH),
              "0 1024 1021");

    form.setText(IDC_CUT_LENGTH, "-1");
    form.setText(IDC_QUESTION_NUM, "-3");  // not bounded
    form.setText(IDC_IGNORE_SHORT, "50");  // may exceed ignoreLong
    form.setText(IDC_IGNORE_LONG, "10");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 50 -L 10 -q -3 -C 0");
    // -n replaces -l and -L and leaves the numbers unbounded.
    form.click(IDC_NO_IGNORE);
    form.setText(IDC_IGNORE_SHORT, "-5");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -n -q -3 -C 0");
    EXPECT_EQ(dlg.options.ignoreShort, -5);
}

TEST_F(CommandLineTest, QuotedEnginePathAndChoicesWithNoRadioChecked) {
    dlg.EnginePath = "C:/Program Files/Vokanti/vokan.exe";
    for (int id : {IDC_MATCH_WORD, IDC_INPUT_HTML, IDC_OUTPUT_DB}) form.setChecked(id, false);
    EXPECT_EQ(dlg.buildCommandLine(), "\"C:/Program Files/Vokanti/vokan.exe\" -l 2 -L 30");
}

}  // namespace
}  // namespace vokanti::testing
