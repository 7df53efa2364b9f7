// The output name the main dialog proposes for its input.
#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

const std::string kDesktop = "C:/Users/me/Desktop/";

class OutputNameTest : public DialogTest {
protected:
    void SetUp() override { dlg.loadSettings(); }  // defaults: vkndb5s, switches off

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
        {"C:/work/", IDC_OUTPUT_DB, true, false, "C:/work/vokan_out.vkndb5s"},
        {"C:/work/", IDC_OUTPUT_CSV, false, false, kDesktop + "vokan_out.csv"},
        {"C:\\in\\a.txt", IDC_OUTPUT_CSV, true, false, "C:\\in\\a.csv"},  // typed: kept
        {"C:/ソ/表.txt", IDC_OUTPUT_CSV, true, false, "C:/ソ/表.csv"},
        {"C:/w/dir.d/a.b.c", IDC_OUTPUT_CSV, true, false, "C:/w/dir.d/a.b.csv"},
        {"https://host/a.htm", IDC_OUTPUT_DB, false, false, kDesktop + "a.vkndb5s"},  // no URL
        // A URL goes to the desktop whatever sameDir says.
        {"http://host/dir/page.htm", IDC_OUTPUT_HTML1, false, false, kDesktop + "page_out.html"},
        {"http://host/dir/page.htm", IDC_OUTPUT_CSV, true, false, kDesktop + "page.csv"},
        {"http://host/dir/page.htm", IDC_OUTPUT_HTML1, false, true, kDesktop + "page.htm"},
        {"http://host", IDC_OUTPUT_DB, false, false, kDesktop + "index.vkndb5s"},
        {"http://host/dir/", IDC_OUTPUT_DB, false, false, kDesktop + "index.vkndb5s"},
        // A URL's file name never leaves the desktop folder and is a name Windows can create.
        {"http://host/cgi?id=3", IDC_OUTPUT_CSV, false, false, kDesktop + "cgi_id=3.csv"},
        {"http://host/a/..", IDC_OUTPUT_CSV, false, true, kDesktop + "index.html"},
        {"http://host/a/.", IDC_OUTPUT_CSV, false, false, kDesktop + "index.csv"},
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

TEST_F(OutputNameTest, OutputIsKeptWhenNoNameCanBeMade) {
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
}

TEST_F(OutputNameTest, RejectedNumberDoesNotStopTheProposal) {
    // The cut length comes after the input in the exchange: the new input is taken.
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
