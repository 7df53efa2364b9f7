// The main dialog's settings: the form exchange, the profile and the option rules.
#include "core/exchange.h"
#include "core/messages.h"
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

class SettingsTest : public DialogTest {
protected:
    void SetUp() override { dlg.EnginePath = "C:/Apps/vokan.exe"; }

    std::vector<int> checkedAmong(std::initializer_list<int> ids) const {
        std::vector<int> out;
        for (int id : ids) {
            if (form.checked(id)) out.push_back(id);
        }
        return out;
    }
    static constexpr std::initializer_list<int> kSwitches = {
        IDC_INPUT_LIST_ONLY, IDC_NO_IGNORE, IDC_SAME_DIR, IDC_SORT_DICTIONARY,
        IDC_QUESTION,        IDC_DOWNLOAD_ONLY, IDC_CUT,  IDC_NO_DICT};
};

TEST_F(SettingsTest, DefaultsWithoutAProfile) {
    dlg.loadSettings();
    EXPECT_EQ(checkedAmong({IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM}),
              std::vector<int>{IDC_MATCH_WORD});
    EXPECT_EQ(checkedAmong({IDC_INPUT_HTML, IDC_INPUT_TEXT}), std::vector<int>{IDC_INPUT_HTML});
    EXPECT_EQ(checkedAmong({IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1, IDC_OUTPUT_HTML2}),
              std::vector<int>{IDC_OUTPUT_DB});
    EXPECT_TRUE(checkedAmong(kSwitches).empty());
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "30");
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "2");
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), "20");
    EXPECT_EQ(form.text(IDC_CUT_LENGTH), "40");
    EXPECT_FALSE(form.enabled(IDC_QUESTION_NUM));
    EXPECT_FALSE(form.enabled(IDC_CUT_LENGTH));
    EXPECT_TRUE(form.enabled(IDC_IGNORE_SHORT));
    EXPECT_TRUE(form.enabled(IDC_IGNORE_LONG));
    EXPECT_EQ(form.text(IDC_OUTPUT), "");
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(SettingsTest, LoadingRestoresWhatSavingStored) {
    dlg.loadSettings();
    form.setText(IDC_INPUT, "C:/w/a.txt");
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_INPUT_TEXT);
    form.click(IDC_OUTPUT_CSV);
    form.click(IDC_QUESTION);
    form.click(IDC_SAME_DIR);
    form.click(IDC_CUT);
    form.setText(IDC_QUESTION_NUM, "7");
    form.setText(IDC_CUT_LENGTH, "-8");
    dlg.saveSettings();

    form.click(IDC_MATCH_WORD);
    form.click(IDC_INPUT_HTML);
    form.click(IDC_OUTPUT_HTML2);
    for (int id : {IDC_QUESTION, IDC_SAME_DIR, IDC_CUT}) form.click(id);
    form.setText(IDC_QUESTION_NUM, "99");
    dlg.loadSettings();
    EXPECT_EQ(checkedAmong({IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM}),
              std::vector<int>{IDC_MATCH_IDIOM});
    EXPECT_EQ(checkedAmong({IDC_INPUT_HTML, IDC_INPUT_TEXT}), std::vector<int>{IDC_INPUT_TEXT});
    EXPECT_EQ(checkedAmong({IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1, IDC_OUTPUT_HTML2}),
              std::vector<int>{IDC_OUTPUT_CSV});
    EXPECT_EQ(checkedAmong(kSwitches), (std::vector<int>{IDC_SAME_DIR, IDC_QUESTION, IDC_CUT}));
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM));
    EXPECT_TRUE(form.enabled(IDC_CUT_LENGTH));
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), "7");
    EXPECT_EQ(form.text(IDC_CUT_LENGTH), "-8");
    // Loading ends with a proposal for the input last read from the form.
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/w/a.csv");
}

TEST_F(SettingsTest, SavingWritesEveryKeyInItsOrder) {
    dlg.loadSettings();
    form.click(IDC_DOWNLOAD_ONLY);
    dlg.saveSettings();
    EXPECT_EQ(profile.writes,
              (std::vector<std::string>{"word", "word-idiom", "idiom", "html", "text", "vkndb5s",
                                        "csv", "html1", "html2", "replace", "ignore",
                                        "sort-dictionary", "question", "download", "same", "cut",
                                        "nodict", "ignore_long", "ignore_short", "question_num",
                                        "cut_length"}));
    EXPECT_EQ(profile.get("word"), 1);
    EXPECT_EQ(profile.get("idiom"), 0);
    EXPECT_EQ(profile.get("download"), 1);
    EXPECT_EQ(profile.get("same"), 0);
    EXPECT_EQ(profile.get("ignore_long"), 30);
    EXPECT_EQ(profile.values.count("Vokanti/cut_length"), 1u);
}

TEST_F(SettingsTest, HandEditedProfileWithTwoFormatsUsesTheFirst) {
    profile.set("vkndb5s", 1);
    profile.set("html1", 1);
    dlg.loadSettings();
    EXPECT_TRUE(form.checked(IDC_OUTPUT_DB));
    EXPECT_TRUE(form.checked(IDC_OUTPUT_HTML1));
    form.setText(IDC_INPUT, "C:/w/a.txt");
    dlg.proposeOutputName();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/a.vkndb5s");
    const std::string line = dlg.buildCommandLine();
    EXPECT_NE(line.find(" -p "), std::string::npos);
    EXPECT_EQ(line.find(" -x"), std::string::npos);
}

TEST_F(SettingsTest, NoIgnoreInTheProfileForcesTheIgnoreBounds) {
    profile.set("ignore", 1);
    profile.set("ignore_short", 5);
    profile.set("ignore_long", 9);
    dlg.loadSettings();
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "0");
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "1024");
    EXPECT_FALSE(form.enabled(IDC_IGNORE_SHORT));
    EXPECT_FALSE(form.enabled(IDC_IGNORE_LONG));
    dlg.saveSettings();
    EXPECT_EQ(profile.get("ignore_short"), 0);
    EXPECT_EQ(profile.get("ignore_long"), 1024);
}

TEST_F(SettingsTest, RulesEnableTheNumberFields) {
    dlg.loadSettings();
    form.click(IDC_QUESTION);
    dlg.applyQuestionRule();
    EXPECT_TRUE(form.enabled(IDC_QUESTION_NUM));
    form.click(IDC_QUESTION);
    dlg.applyQuestionRule();
    EXPECT_FALSE(form.enabled(IDC_QUESTION_NUM));

    form.click(IDC_CUT);
    dlg.applyCutRule();
    EXPECT_TRUE(form.enabled(IDC_CUT_LENGTH));
    form.click(IDC_CUT);
    dlg.applyCutRule();
    EXPECT_FALSE(form.enabled(IDC_CUT_LENGTH));

    form.setText(IDC_IGNORE_SHORT, "3");
    form.click(IDC_NO_IGNORE);
    dlg.applyIgnoreListRule();
    EXPECT_FALSE(form.enabled(IDC_IGNORE_SHORT));
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "0");
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "1024");
    // Turning it off enables the fields again and leaves their values.
    form.click(IDC_NO_IGNORE);
    dlg.applyIgnoreListRule();
    EXPECT_TRUE(form.enabled(IDC_IGNORE_SHORT) && form.enabled(IDC_IGNORE_LONG));
    EXPECT_EQ(form.text(IDC_IGNORE_SHORT), "0");
    EXPECT_EQ(form.text(IDC_IGNORE_LONG), "1024");
}

TEST_F(SettingsTest, NoDictPresetForcesWordsHtml1AndTheInputList) {
    dlg.loadSettings();
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_OUTPUT_CSV);
    form.setText(IDC_INPUT, "C:/w/a.txt");
    form.setText(IDC_OUTPUT, "C:/w/a.csv");
    dlg.readForm();

    form.click(IDC_NO_DICT);
    dlg.applyNoDictPreset();
    EXPECT_EQ(checkedAmong({IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM}),
              std::vector<int>{IDC_MATCH_WORD});
    EXPECT_EQ(checkedAmong({IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1, IDC_OUTPUT_HTML2}),
              std::vector<int>{IDC_OUTPUT_HTML1});
    EXPECT_TRUE(form.checked(IDC_INPUT_LIST_ONLY));
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/Users/me/Desktop/a_out.html");

    // Turning it off leaves the choices as they are.
    form.click(IDC_MATCH_IDIOM);
    form.click(IDC_NO_DICT);
    dlg.applyNoDictPreset();
    EXPECT_TRUE(form.checked(IDC_MATCH_IDIOM));
    EXPECT_TRUE(form.checked(IDC_OUTPUT_HTML1));
    EXPECT_TRUE(form.checked(IDC_INPUT_LIST_ONLY));
}

TEST_F(SettingsTest, RejectedIntegerStopsTheExchangeAndTheJobKeepsEarlierValues) {
    dlg.loadSettings();
    form.click(IDC_QUESTION);
    form.click(IDC_CUT);
    form.setText(IDC_DICTIONARY, "C:/old.dic");
    form.setText(IDC_INPUT, "C:/old.txt");
    form.setText(IDC_OUTPUT, "C:/old.csv");
    ASSERT_TRUE(dlg.readForm());

    form.setText(IDC_IGNORE_SHORT, "4");
    form.setText(IDC_QUESTION_NUM, "abc");
    form.setText(IDC_DICTIONARY, "C:/new.dic");
    form.setText(IDC_INPUT, "C:/new.txt");
    form.setText(IDC_OUTPUT, "C:/new.csv");
    form.setText(IDC_CUT_LENGTH, "99");
    EXPECT_EQ(dlg.buildCommandLine(),
              "C:/Apps/vokan.exe -t -H -p -l 4 -L 30 -q 20 -C 40"
              " -i \"C:/old.txt\" -o \"C:/old.csv\"");
    EXPECT_EQ(prompts.results, std::vector<std::string>{text::kIntegerRequired});
    EXPECT_EQ(form.focusedWithSelection(), IDC_QUESTION_NUM);
    EXPECT_EQ(dlg.options.dictionary, "C:/old.dic");
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), "abc");  // the field is left for correction
}

TEST_F(SettingsTest, ExchangeOrderPutsTheTextsBeforeTheCutLength) {
    JobOptions options;
    dlg.writeForm();
    form.setText(IDC_INPUT, "C:/in.txt");
    form.setText(IDC_CUT_LENGTH, "");
    EXPECT_EQ(readExchange(form, options), IDC_CUT_LENGTH);
    EXPECT_EQ(options.input, "C:/in.txt");
    EXPECT_EQ(options.cutLength, 40);
    form.setText(IDC_IGNORE_SHORT, "+0");
    form.setText(IDC_INPUT, "C:/other.txt");
    EXPECT_EQ(readExchange(form, options), IDC_IGNORE_SHORT);
    EXPECT_EQ(options.input, "C:/in.txt");
}

TEST_F(SettingsTest, WritingAComboSelectsAnEqualEntryOnly) {
    form.appendEntries(IDC_INPUT, {"C:/work/text.txt.bak", "C:/Work/Text.txt"});
    dlg.options.input = "c:/work/text.txt";
    dlg.writeForm();
    EXPECT_EQ(form.selection(IDC_INPUT), 1);
    EXPECT_EQ(form.text(IDC_INPUT), "C:/Work/Text.txt");

    dlg.options.input = "C:/work/te";  // a beginning of both entries, equal to neither
    dlg.writeForm();
    EXPECT_EQ(form.text(IDC_INPUT), "C:/work/te");

    dlg.options.input.clear();
    dlg.writeForm();
    EXPECT_EQ(form.text(IDC_INPUT), "");
}

class FailingProfile : public FakeProfile {
public:
    bool writeInt(const char* section, const char* key, int32_t value) override {
        FakeProfile::writeInt(section, key, value);
        return false;
    }
};

TEST_F(SettingsTest, FailedSaveIsReportedOnce) {
    FailingProfile failing;
    Platform failingPlatform{failing, files, process, shell, prompts};
    CVokantiDlg other{form, failingPlatform};
    other.loadSettings();
    other.saveSettings();
    EXPECT_EQ(failing.writes.size(), 21u);
    EXPECT_EQ(prompts.results, std::vector<std::string>{text::kSettingsSaveFailed});
}

}  // namespace
}  // namespace vokanti::testing
