// The output name the main dialog proposes for its input.
#include "core/messages.h"

#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

constexpr const char kDesktop[] = "C:/Users/me/Desktop";

class OutputNameTest : public DialogTest {
protected:
    void SetUp() override { dlg.loadSettings(); }  // defaults: vkndb5s, switches off

    // Types `input`, sets the options and proposes; returns the output the form shows.
    std::string propose(const std::string& input, int formatRadio, bool sameDir = false) {
        form.setText(IDC_INPUT, input);
        form.click(formatRadio);
        form.setChecked(IDC_SAME_DIR, sameDir);
        dlg.proposeOutputName();
        EXPECT_EQ(dlg.options.output, form.text(IDC_OUTPUT));
        return form.text(IDC_OUTPUT);
    }
    std::string desktop(const std::string& name) const { return kDesktop + std::string("/") + name; }
};

TEST_F(OutputNameTest, LocalInputBesideItOrOnTheDesktop) {
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_HTML2), desktop("text_out.html"));
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_HTML1, true), "C:/work/text_out.html");
    EXPECT_EQ(propose("C:/work/", IDC_OUTPUT_DB, true), "C:/work/vokan_out.vkndb5s");
    EXPECT_EQ(propose("C:/work/", IDC_OUTPUT_CSV), desktop("vokan_out.csv"));
    // A typed path keeps its backslashes; only the extension changes.
    EXPECT_EQ(propose("C:\\in\\a.txt", IDC_OUTPUT_CSV, true), "C:\\in\\a.csv");
    // An https address is no URL to download: it is named like a local path.
    EXPECT_EQ(propose("https://host/a.htm", IDC_OUTPUT_DB), desktop("a.vkndb5s"));
    EXPECT_EQ(propose("C:/ソ/表.txt", IDC_OUTPUT_CSV, true), "C:/ソ/表.csv");
}

TEST_F(OutputNameTest, UrlInputGoesToTheDesktop) {
    EXPECT_EQ(propose("http://host/dir/page.htm", IDC_OUTPUT_HTML1), desktop("page_out.html"));
    EXPECT_EQ(propose("http://host", IDC_OUTPUT_DB), desktop("index.vkndb5s"));
    EXPECT_EQ(propose("http://host/dir/", IDC_OUTPUT_DB), desktop("index.vkndb5s"));
    EXPECT_EQ(propose("http://host/cgi?id=3", IDC_OUTPUT_CSV), desktop("cgi?id=3.csv"));
    // sameDir plays no part for a URL.
    EXPECT_EQ(propose("http://host/dir/page.htm", IDC_OUTPUT_CSV, true), desktop("page.csv"));
}

TEST_F(OutputNameTest, DownloadOnlyKeepsTheUrlFileName) {
    form.setText(IDC_INPUT, "http://host/dir/page.htm");
    form.click(IDC_OUTPUT_HTML1);
    form.click(IDC_DOWNLOAD_ONLY);
    dlg.onDownloadOnlyClicked();
    EXPECT_EQ(form.text(IDC_OUTPUT), desktop("page.htm"));
    // A local input ignores it.
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
}

TEST_F(OutputNameTest, DesktopFolderIsNormalised) {
    shell.desktop = "C:\\Users\\ソ\\Desktop";
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV), "C:/Users/ソ/Desktop/text.csv");
}

TEST_F(OutputNameTest, NothingChangesWithoutAnInput) {
    form.setText(IDC_OUTPUT, "C:/kept.csv");
    form.setText(IDC_QUESTION_NUM, " 5 ");
    dlg.proposeOutputName();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/kept.csv");
    EXPECT_EQ(form.text(IDC_QUESTION_NUM), " 5 ");  // the form was not written
}

TEST_F(OutputNameTest, UnknownDesktopLeavesTheOutputAlone) {
    shell.desktop.reset();
    form.setText(IDC_OUTPUT, "C:/kept.csv");
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV), "C:/kept.csv");
    EXPECT_EQ(propose("http://host/a.htm", IDC_OUTPUT_CSV), "C:/kept.csv");
    // Beside the input the desktop is not needed.
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
}

TEST_F(OutputNameTest, NoFormatCheckedIsNamedLikeTheDefault) {
    form.setText(IDC_INPUT, "C:/work/text.txt");
    form.setChecked(IDC_OUTPUT_DB, false);
    dlg.proposeOutputName();
    EXPECT_EQ(form.text(IDC_OUTPUT), desktop("text.vkndb5s"));
}

TEST_F(OutputNameTest, RejectedNumberDoesNotStopTheProposal) {
    // The cut length comes after the input in the exchange: the new input is taken.
    form.setText(IDC_CUT_LENGTH, "x");
    EXPECT_EQ(propose("C:/work/text.txt", IDC_OUTPUT_CSV, true), "C:/work/text.csv");
    EXPECT_EQ(prompts.results, std::vector<std::string>{text::kIntegerRequired});
    // A number before the input stops the reading first: the input read last time counts.
    form.setText(IDC_IGNORE_SHORT, "x");
    EXPECT_EQ(propose("C:/work/other.txt", IDC_OUTPUT_HTML1, true), "C:/work/text_out.html");
    EXPECT_EQ(prompts.results.size(), 2u);
}

TEST_F(OutputNameTest, LongInputsAreHandledWhole) {
    std::string dir = "C:";
    while (dir.size() < 3000) dir += "/a directory name";
    EXPECT_EQ(propose(dir + "/text.txt", IDC_OUTPUT_CSV), desktop("text.csv"));
    // A base name longer than a path part may be is cut to 255 bytes, on a character.
    const std::string longName = std::string(254, 'n') + "ソ";
    EXPECT_EQ(propose("C:/w/" + longName + ".txt", IDC_OUTPUT_CSV, true),
              "C:/w/" + std::string(254, 'n') + ".csv");
    const std::string longUrl = "http://host/" + std::string(2000, 'u') + ".htm";
    form.setChecked(IDC_DOWNLOAD_ONLY, true);
    EXPECT_EQ(propose(longUrl, IDC_OUTPUT_CSV), desktop(std::string(2000, 'u') + ".htm"));
}

TEST_F(OutputNameTest, ReproposesOnlyAnOutputAlreadyExchanged) {
    form.setText(IDC_INPUT, "C:/work/text.txt");
    form.setText(IDC_OUTPUT, "C:/typed.vkndb5s");  // typed, not yet read
    form.click(IDC_OUTPUT_CSV);
    dlg.reproposeIfOutputSet();
    EXPECT_EQ(form.text(IDC_OUTPUT), "C:/typed.vkndb5s");

    dlg.readForm();
    dlg.reproposeIfOutputSet();
    EXPECT_EQ(form.text(IDC_OUTPUT), desktop("text.csv"));

    form.setText(IDC_OUTPUT, "");
    dlg.readForm();
    form.click(IDC_OUTPUT_HTML1);
    dlg.reproposeIfOutputSet();
    EXPECT_EQ(form.text(IDC_OUTPUT), "");
}

}  // namespace
}  // namespace vokanti::testing
