// The main dialog's settings: the form exchange, the profile and the option rules.
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
    ASSERT_TRUE(dlg.readForm());
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

}  // namespace
}  // namespace vokanti::testing
