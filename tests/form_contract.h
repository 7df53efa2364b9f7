#pragma once
// The contract of a Form, written once and run against every implementation: natively
// against MemoryForm, under Wine against Win32Form over a real main-dialog window. Include
// it in one source file of a test binary and instantiate FormContract there with factories.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/form.h"

namespace vokanti::testing {

using Entries = std::vector<std::string>;

// A form laid out like the main dialog, with what the suite needs to observe that the
// form interface itself does not tell.
class FormUnderTest {
public:
    virtual ~FormUnderTest() = default;
    virtual Form& form() = 0;
    // The control that has the keyboard focus with its whole text selected; 0 when none.
    virtual int focusedWithWholeTextSelected() = 0;
    // The entries a list shows, top first, as the user sees them.
    virtual Entries entries(int id) = 0;
};

struct FormImplementation {
    const char* name;  // a test-name part: letters and digits only
    std::unique_ptr<FormUnderTest> (*make)();
};

inline void PrintTo(const FormImplementation& implementation, std::ostream* out) { *out << implementation.name; }
inline std::string formImplementationName(const ::testing::TestParamInfo<FormImplementation>& info) {
    return info.param.name;
}

class FormContract : public ::testing::TestWithParam<FormImplementation> {
protected:
    void SetUp() override { ASSERT_NE(subject = GetParam().make(), nullptr); }
    Form& form() { return subject->form(); }
    Entries entries(int id) { return subject->entries(id); }

    std::unique_ptr<FormUnderTest> subject;
};

TEST_P(FormContract, StatesSetByCodeReadBackAndLeaveTheGroupAlone) {
    for (int id : {IDC_OUTPUT_HTML1, IDC_OUTPUT_DB, IDC_NO_DICT}) form().setChecked(id, true);
    EXPECT_TRUE(form().checked(IDC_OUTPUT_HTML1) && form().checked(IDC_OUTPUT_DB) && form().checked(IDC_NO_DICT));
    EXPECT_FALSE(form().checked(IDC_OUTPUT_CSV));
    form().setChecked(IDC_OUTPUT_DB, false);
    EXPECT_TRUE(!form().checked(IDC_OUTPUT_DB) && form().checked(IDC_OUTPUT_HTML1));

    EXPECT_TRUE(form().enabled(IDC_QUESTION_NUM) && form().visible(IDC_HISTORY_LIST));
    EXPECT_EQ(form().horizontalExtent(IDC_HISTORY_LIST), 0);
    for (bool on : {false, true}) {
        form().setEnabled(IDC_QUESTION_NUM, on);
        form().setVisible(IDC_HISTORY_LIST, on);
        form().setHorizontalExtent(IDC_HISTORY_LIST, on ? 0 : 1234);
        EXPECT_EQ(form().enabled(IDC_QUESTION_NUM), on);
        EXPECT_EQ(form().visible(IDC_HISTORY_LIST), on);
        EXPECT_EQ(form().horizontalExtent(IDC_HISTORY_LIST), on ? 0 : 1234);
    }
}

TEST_P(FormContract, ListEntriesInsertAppendAndDelete) {
    for (int id : {IDC_INPUT, IDC_HISTORY_LIST}) {
        SCOPED_TRACE(id);
        // Entries a control takes are reported as taken.
        EXPECT_TRUE(form().insertEntry(id, 0, "b") && form().insertEntry(id, 0, "a"));
        EXPECT_TRUE(form().appendEntries(id, {"d"}) && form().appendEntries(id, {}));
        form().insertEntry(id, 2, "c");
        form().insertEntry(id, 4, "e");   // the count: appends
        form().insertEntry(id, 9, "zz");  // beyond the end: nothing
        EXPECT_EQ(entries(id), (Entries{"a", "b", "c", "d", "e"}));
        form().deleteEntry(id, 1);
        form().deleteEntry(id, 7);  // no such entry: nothing
        EXPECT_EQ(entries(id), (Entries{"a", "c", "d", "e"}));
        form().appendEntries(id, {"f", "表", ""});
        EXPECT_EQ(entries(id), (Entries{"a", "c", "d", "e", "f", "表", ""}));
    }
}

TEST_P(FormContract, SelectionFollowsItsEntryInListsCombosAndTabs) {
    for (int id : {IDC_FAVORITE_LIST, IDC_INPUT, IDC_LIST_TABS}) {
        SCOPED_TRACE(id);
        form().appendEntries(id, {"a", "b", "c"});
        // A tab control shows its first page; the lists start with nothing selected.
        EXPECT_EQ(form().selection(id), id == IDC_LIST_TABS ? 0 : -1);
        form().setSelection(id, 1);
        form().insertEntry(id, 0, "new");
        EXPECT_EQ(form().selection(id), 2);
        form().deleteEntry(id, 0);
        EXPECT_EQ(form().selection(id), 1);
        form().deleteEntry(id, 1);  // the selected entry
        EXPECT_EQ(form().selection(id), -1);
        form().setSelection(id, 0);
        form().clearEntries(id);
        EXPECT_TRUE(form().entryCount(id) == 0 && form().selection(id) == -1);
    }
    // A combo box's edit field shows the selected entry; an unknown index selects nothing
    // and shows nothing.
    form().appendEntries(IDC_OUTPUT, {"one", "two"});
    form().setSelection(IDC_OUTPUT, 1);
    EXPECT_EQ(form().text(IDC_OUTPUT), "two");
    for (int index : {7, -1}) {
        form().setSelection(IDC_OUTPUT, 0);
        form().setSelection(IDC_OUTPUT, index);
        EXPECT_EQ(form().selection(IDC_OUTPUT), -1);
        EXPECT_EQ(form().text(IDC_OUTPUT), "");
    }
    // Deleting the selected combo entry leaves its text; clearing the entries empties it.
    form().setSelection(IDC_OUTPUT, 1);
    form().deleteEntry(IDC_OUTPUT, 1);
    EXPECT_EQ(form().text(IDC_OUTPUT), "two");
    form().setText(IDC_OUTPUT, "typed over");
    form().clearEntries(IDC_OUTPUT);
    EXPECT_EQ(form().text(IDC_OUTPUT), "");
}

TEST_P(FormContract, TextsRoundTripWidthsGrowAndFocusSelectsTheWholeText) {
    const std::string japanese = "C:/表/ソフト/ダウンロード.txt";  // trail bytes 5C
    form().setText(IDC_QUESTION_NUM, japanese);
    EXPECT_EQ(form().text(IDC_QUESTION_NUM), japanese);
    std::string longText;
    for (int i = 0; i < 3000; ++i) longText += i % 2 ? "表" : "x";
    form().setText(IDC_OUTPUT, longText);
    EXPECT_EQ(form().text(IDC_OUTPUT), longText);
    form().appendEntries(IDC_FAVORITE_LIST, {longText});
    EXPECT_EQ(entries(IDC_FAVORITE_LIST), Entries{longText});

    for (int id : {IDC_HISTORY_LIST, IDC_INPUT}) {
        const int one = form().textWidth(id, "abc");
        EXPECT_EQ(form().textWidth(id, ""), 0);
        EXPECT_TRUE(one > 0 && form().textWidth(id, "abcabc") > one && form().textWidth(id, "入力ファイル") > one);
    }
    for (int id : {IDC_QUESTION_NUM, IDC_INPUT}) {
        form().setText(id, "12x");
        form().focusAndSelectAll(id);
        EXPECT_EQ(subject->focusedWithWholeTextSelected(), id);
    }
}

}  // namespace vokanti::testing
