// The main dialog's options: the form exchange, the profile and the option rules, the engine
// command line built from them, and the output name proposed for the input.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class SettingsTest : public DialogTest {
protected:
    void SetUp() override {
        dlg.EnginePath = "C:/Apps/vokan.exe";
        dlg.loadSettings();  // no profile: the defaults
    }
    // The checked radio buttons and switches, in this order.
    std::vector<int> checked() const {
        std::vector<int> out;
        for (int id : {IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM, IDC_INPUT_HTML,
                       IDC_INPUT_TEXT, IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1,
                       IDC_OUTPUT_HTML2, IDC_INPUT_LIST_ONLY, IDC_NO_IGNORE, IDC_SAME_DIR,
                       IDC_SORT_DICTIONARY, IDC_QUESTION, IDC_DOWNLOAD_ONLY, IDC_CUT, IDC_NO_DICT}) {
            if (form.checked(id)) out.push_back(id);
        }
        return out;
    }
    std::string numbers() const {
        return form.text(IDC_IGNORE_LONG) + " " + form.text(IDC_IGNORE_SHORT) + " " +
               form.text(IDC_QUESTION_NUM) + " " + form.text(IDC_CUT_LENGTH);
    }
};

TEST_F(SettingsTest, LoadingTakesTheDefaultsAndTheHandEditedProfile) {
    EXPECT_EQ(checked(), (std::vector<int>{IDC_MATCH_WORD, IDC_INPUT_HTML, IDC_OUTPUT_DB}));
    EXPECT_EQ(numbers(), "30 2 20 40");
    EXPECT_FALSE(form.enabled(IDC_QUESTION_NUM) || form.enabled(IDC_CUT_LENGTH));
    EXPECT_TRUE(form.enabled(IDC_IGNORE_SHORT) && form.enabled(IDC_IGNORE_LONG));

    // Two formats checked by hand: both show, the first in the engine's order is used.
    profile.values["html1"] = "1";
    dlg.loadSettings();
    EXPECT_TRUE(form.checked(IDC_OUTPUT_DB) && form.checked(IDC_OUTPUT_HTML1));
    form.setText(IDC_INPUT, "C:/w/a.txt");
    dlg.proposeOutputName();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/a.vkndb5s");

    // The ignore list off forces the bounds 0 and 1024, shown, disabled and saved.
    profile.values["ignore"] = "1";
    profile.values["ignore_short"] = "5";
    dlg.loadSettings();
    EXPECT_EQ(numbers(), "1024 0 20 40");
    EXPECT_FALSE(form.enabled(IDC_IGNORE_SHORT) || form.enabled(IDC_IGNORE_LONG));
    dlg.saveSettings();
    EXPECT_EQ(profile.values["ignore_short"] + profile.values["ignore_long"], "01024");
    form.click(IDC_NO_IGNORE);  // turned off: enabled again, the values kept
    dlg.applyIgnoreListRule();
    EXPECT_TRUE(form.enabled(IDC_IGNORE_SHORT) && form.enabled(IDC_IGNORE_LONG));
    EXPECT_EQ(numbers(), "1024 0 20 40");
}

TEST_F(SettingsTest, SavingWritesEveryKeyInItsOrderAndLoadingRestoresThem) {
    form.setText(IDC_INPUT, "C:/w/a.txt");
    const auto changed = {IDC_MATCH_IDIOM, IDC_INPUT_TEXT, IDC_OUTPUT_CSV, IDC_SAME_DIR,
                          IDC_QUESTION, IDC_DOWNLOAD_ONLY, IDC_CUT};
    for (int id : changed) form.click(id);
    form.setText(IDC_QUESTION_NUM, "7");
    form.setText(IDC_CUT_LENGTH, "-8");
    dlg.saveSettings();
    EXPECT_EQ(profile.writes,
              (Entries{"word", "word-idiom", "idiom", "html", "text", "vkndb5s", "csv", "html1",
                       "html2", "replace", "ignore", "sort-dictionary", "question", "download",
                       "same", "cut", "nodict", "ignore_long", "ignore_short", "question_num",
                       "cut_length"}));
    EXPECT_EQ(profile.values["word"] + profile.values["idiom"] + profile.values["same"], "011");
    EXPECT_EQ(profile.values["ignore_long"] + profile.values["cut_length"], "30-8");

    for (int id : {IDC_MATCH_WORD, IDC_INPUT_HTML, IDC_OUTPUT_HTML2}) form.click(id);
    for (int id : {IDC_QUESTION, IDC_SAME_DIR, IDC_CUT, IDC_DOWNLOAD_ONLY}) form.click(id);
    form.setText(IDC_QUESTION_NUM, "99");
    dlg.loadSettings();
    EXPECT_EQ(checked(), std::vector<int>(changed));
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM) && form.enabled(IDC_CUT_LENGTH));
    EXPECT_EQ(numbers(), "30 2 7 -8");
    // Loading ends with a proposal for the input last read from the form.
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/w/a.csv");

    profile.writesSucceed = false;
    dlg.saveSettings();
    EXPECT_EQ(profile.writes.size(), 42u);  // every key is still tried
    EXPECT_EQ(prompts.results, Entries{text::kSettingsSaveFailed});
}

TEST_F(SettingsTest, NoDictPresetForcesWordsHtml1AndTheInputList) {
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_OUTPUT_CSV);
    form.setText(IDC_INPUT, "C:/w/a.txt");
    form.setText(IDC_OUTPUT, "C:/w/a.csv");
    dlg.readForm();
    form.click(IDC_NO_DICT);
    dlg.applyNoDictPreset();
    EXPECT_EQ(checked(), (std::vector<int>{IDC_MATCH_WORD, IDC_INPUT_HTML, IDC_OUTPUT_HTML1,
                                           IDC_INPUT_LIST_ONLY, IDC_NO_DICT}));
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/a_out.html");
    // Turning it off leaves the choices as they are.
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_NO_DICT);
    dlg.applyNoDictPreset();
    EXPECT_EQ(checked(), (std::vector<int>{IDC_MATCH_IDIOM, IDC_INPUT_HTML, IDC_OUTPUT_HTML1,
                                           IDC_INPUT_LIST_ONLY}));
}

TEST_F(SettingsTest, RejectedIntegerStopsTheExchangeAndTheJobKeepsEarlierValues) {
    form.click(IDC_QUESTION);
    form.click(IDC_CUT);
    const auto setTexts = [&](const char* dictionary, const char* input, const char* output) {
        form.setText(IDC_DICTIONARY, dictionary);
        form.setText(IDC_INPUT, input);
        form.setText(IDC_OUTPUT, output);
    };
    setTexts("C:/old.dic", "C:/old.txt", "C:/old.csv");
    dlg.readForm();
    ASSERT_TRUE(prompts.results.empty());
    setTexts("C:/new.dic", "C:/new.txt", "C:/new.csv");
    form.setText(IDC_IGNORE_SHORT, "4");
    form.setText(IDC_QUESTION_NUM, "abc");
    form.setText(IDC_CUT_LENGTH, "99");
    EXPECT_EQ(dlg.buildCommandLine(), "C:/Apps/vokan.exe -t -H -p -l 4 -L 30 -q 20 -C 40"
                                      " -i \"C:/old.txt\" -o \"C:/old.csv\"");
    EXPECT_EQ(prompts.results, Entries{text::kIntegerRequired});
    EXPECT_EQ(form.focusedWithSelection(), IDC_QUESTION_NUM);
    EXPECT_EQ(dlg.options.dictionary, "C:/old.dic");
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), "abc");  // left for correction
}

// The engine command line as the dialog builds it from its form.
using CommandLineTest = SettingsTest;

// The defaults' command line is checked on the program's batch start.
TEST_F(CommandLineTest, EveryArgumentInOrder) {
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
    // A quoted engine path; choices with no radio checked have no argument.
    dlg.EnginePath = "C:/Program Files/Vokanti/vokan.exe";
    for (int id : {IDC_MATCH_WORD_IDIOM, IDC_INPUT_TEXT, IDC_OUTPUT_HTML1}) form.setChecked(id, false);
    form.setText(IDC_INPUT, "");
    form.setText(IDC_OUTPUT, "");
    EXPECT_EQ(dlg.buildCommandLine(), "\"C:/Program Files/Vokanti/vokan.exe\" -y -N -n -S -q 20 -D -C 40");
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

const std::string kDesktop = "C:/Users/me/Desktop/";

// The output name the dialog proposes for its input.
class OutputNameTest : public SettingsTest {
protected:
    // Types `input`, sets the options and proposes; returns the output the form shows.
    std::string propose(const std::string& input, int formatRadio, bool sameDir = false, bool downloadOnly = false) {
        form.setText(IDC_INPUT, input);
        form.click(formatRadio);
        form.setChecked(IDC_SAME_DIR, sameDir);
        form.setChecked(IDC_DOWNLOAD_ONLY, downloadOnly);
        dlg.proposeOutputName();
        EXPECT_EQ(dlg.options.output, form.text(IDC_OUTPUT));
        return form.text(IDC_OUTPUT);
    }
};

TEST_F(OutputNameTest, NamesBesideTheInputOrOnTheDesktop) {
    std::string longDir = "C:";
    while (longDir.size() < 3000) longDir += "/a directory name";
    const std::string longUrlName = std::string(2000, 'u') + ".htm";
    const struct { std::string input; int format; bool sameDir, downloadOnly; std::string expected; } cases[] = {
        {"C:/work/text.txt", IDC_OUTPUT_CSV, true, false, "C:/work/text.csv"},
        {"C:/work/text.txt", IDC_OUTPUT_HTML2, false, false, kDesktop + "text_out.html"},
        {"C:/work/text.txt", IDC_OUTPUT_HTML1, true, true, "C:/work/text_out.html"},
        {"C:/work/", IDC_OUTPUT_CSV, false, false, kDesktop + "vokan_out.csv"},
        {"C:\\in\\a.txt", IDC_OUTPUT_CSV, true, false, "C:\\in\\a.csv"},  // typed: kept
        {"C:/ソ/表.txt", IDC_OUTPUT_CSV, true, false, "C:/ソ/表.csv"},
        {"C:/w/dir.d/a.b.c", IDC_OUTPUT_CSV, true, false, "C:/w/dir.d/a.b.csv"},
        {"https://host/a.htm", IDC_OUTPUT_DB, false, false, kDesktop + "a.vkndb5s"},  // no URL
        // A URL goes to the desktop whatever sameDir says.
        {"http://host/dir/page.htm", IDC_OUTPUT_HTML1, false, false, kDesktop + "page_out.html"},
        {"http://host/dir/page.htm", IDC_OUTPUT_HTML1, false, true, kDesktop + "page.htm"},
        {"http://host", IDC_OUTPUT_DB, false, false, kDesktop + "index.vkndb5s"},
        // A URL's file name never leaves the desktop folder and is a name Windows can create.
        {"http://host/cgi?id=3", IDC_OUTPUT_CSV, false, false, kDesktop + "cgi_id=3.csv"},
        {"http://host/a/..", IDC_OUTPUT_CSV, false, true, kDesktop + "index.html"},
        {"http://host/x:y*z\"<>|\t.htm", IDC_OUTPUT_CSV, false, true, kDesktop + "x_y_z_____.htm"},
        {"http://host/ソ\\表.htm", IDC_OUTPUT_CSV, false, true, kDesktop + "ソ_表.htm"},
        // Long inputs are taken whole; a base name is cut to 255 bytes on a character.
        {longDir + "/text.txt", IDC_OUTPUT_CSV, false, false, kDesktop + "text.csv"},
        {"http://host/" + longUrlName, IDC_OUTPUT_CSV, false, true, kDesktop + longUrlName},
        {"C:/w/" + std::string(254, 'n') + "ソ.txt", IDC_OUTPUT_CSV, true, false,
         "C:/w/" + std::string(254, 'n') + ".csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(propose(c.input, c.format, c.sameDir, c.downloadOnly), c.expected) << c.input;
    }
    shell.desktop = "C:\\Users\\ソ\\Desktop";  // normalised
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV), "C:/Users/ソ/Desktop/text.csv");
}

TEST_F(OutputNameTest, OutputIsKeptWhenNoNameCanBeMadeAndARejectedNumberStopsNoProposal) {
    form.setText(IDC_OUTPUT, "C:/kept.csv");
    form.setText(IDC_QUESTION_NUM, " 5 ");
    dlg.proposeOutputName();  // no input
    EXPECT_EQ(form.text(IDC_OUTPUT) + form.text(IDC_QUESTION_NUM), "C:/kept.csv 5 ");  // not written
    shell.desktop.reset();  // needed and unknown
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV), "C:/kept.csv");
    EXPECT_EQ(propose("http://host/a.htm", IDC_OUTPUT_CSV), "C:/kept.csv");
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
    form.setChecked(IDC_OUTPUT_CSV, false);  // no format checked: named like the default
    dlg.proposeOutputName();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/work/text.vkndb5s");

    // A rejected number does not stop the proposal. The cut length comes after the input in the exchange: the new input is taken.
    form.setText(IDC_CUT_LENGTH, "x");
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
    EXPECT_EQ(prompts.results, Entries{text::kIntegerRequired});
    // A number before the input stops the reading first: the input read last time counts.
    form.setText(IDC_IGNORE_SHORT, "x");
    EXPECT_EQ(propose("C:/work/other.txt", IDC_OUTPUT_HTML1, true), "C:/work/text_out.html");
}

TEST_F(OutputNameTest, ReproposesOnlyAnOutputAlreadyExchanged) {
    form.setText(IDC_INPUT, "C:/work/text.txt");
    form.click(IDC_OUTPUT_CSV);
    // Typed but not yet read: kept; read: proposed again; emptied and read: left empty.
    for (const auto& [output, read, expected] :
         std::vector<std::tuple<std::string, bool, std::string>>{{"C:/typed.vkndb5s", false, "C:/typed.vkndb5s"},
                                                                 {"C:/typed.vkndb5s", true, kDesktop + "text.csv"},
                                                                 {"", true, ""}}) {
        form.setText(IDC_OUTPUT, output);
        if (read) dlg.readForm();
        dlg.reproposeIfOutputSet();
        EXPECT_EQ(form.text(IDC_OUTPUT), expected);
    }
}

}  // namespace
}  // namespace vokanti::testing
