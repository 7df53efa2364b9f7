#pragma once
// The contract of a Form, written once and run against every implementation: natively
// against MemoryForm, under Wine against Win32Form over a real main-dialog window. Include
// this file in exactly one source file of a test binary and instantiate the suite there with
// a factory:
//
//   INSTANTIATE_TEST_SUITE_P(Forms, FormContract,
//                            ::testing::Values(FormImplementation{"Memory", &makeMemoryForm}),
//                            formImplementationName);
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/form.h"

namespace vokanti::testing {

// A form laid out like the main dialog, with what the suite needs to observe that the
// form interface itself does not tell.
class FormUnderTest {
public:
    virtual ~FormUnderTest() = default;
    virtual Form& form() = 0;
    // The control that has the keyboard focus with its whole text selected; 0 when none.
    virtual int focusedWithWholeTextSelected() = 0;
};

struct FormImplementation {
    const char* name;  // a test-name part: letters and digits only
    std::unique_ptr<FormUnderTest> (*make)();
};

inline void PrintTo(const FormImplementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

inline std::string formImplementationName(const ::testing::TestParamInfo<FormImplementation>& info) {
    return info.param.name;
}

class FormContract : public ::testing::TestWithParam<FormImplementation> {
protected:
    void SetUp() override {
        subject = GetParam().make();
        ASSERT_NE(subject, nullptr);
    }
    Form& form() { return subject->form(); }
    std::vector<std::string> entries(int id) {
        std::vector<std::string> out;
        for (int i = 0; i < form().entryCount(id); ++i) out.push_back(form().entry(id, i));
        return out;
    }
    void fill(int id, const std::vector<std::string>& texts) {
        for (const auto& t : texts) form().appendEntry(id, t);
    }

    std::unique_ptr<FormUnderTest> subject;
};

using Entries = std::vector<std::string>;

TEST_P(FormContract, ComboSelectsTheFirstEqualEntryIgnoringAsciiCase) {
    fill(IDC_INPUT, {"notes.txt", "c:/Docs/Page.HTML", "C:/docs/page.html", "page"});
    EXPECT_EQ(form().selectEqualEntry(IDC_INPUT, "C:/DOCS/page.html"), 1);
    EXPECT_EQ(form().selection(IDC_INPUT), 1);
    EXPECT_EQ(form().text(IDC_INPUT), "c:/Docs/Page.HTML");
    // The entry equal to the text is chosen, not the first one that merely begins with it.
    EXPECT_EQ(form().selectEqualEntry(IDC_INPUT, "PAGE"), 3);
    EXPECT_EQ(form().text(IDC_INPUT), "page");
}

TEST_P(FormContract, ComboSelectsNothingForALongerOrMissingEntry) {
    fill(IDC_OUTPUT, {"abc.txt", "xyz"});
    form().setSelection(IDC_OUTPUT, 1);
    form().setText(IDC_OUTPUT, "typed");
    // "abc" only begins "abc.txt": no match, and selection and edit text stay as they were.
    EXPECT_EQ(form().selectEqualEntry(IDC_OUTPUT, "abc"), -1);
    EXPECT_EQ(form().selectEqualEntry(IDC_OUTPUT, "nothing"), -1);
    EXPECT_EQ(form().selectEqualEntry(IDC_OUTPUT, ""), -1);
    EXPECT_EQ(form().selection(IDC_OUTPUT), 1);
    EXPECT_EQ(form().text(IDC_OUTPUT), "typed");
}

TEST_P(FormContract, OnlyAsciiLettersAreComparedWithoutRegardToCase) {
    // Full-width Ａ and ａ (82 60, 82 81) are different characters to us, as are ア (83 41)
    // and ヂ (83 61), whose second bytes are the ASCII letters A and a.
    fill(IDC_DICTIONARY, {"Ａ.txt", "ａ.txt", "ア", "ヂ"});
    EXPECT_EQ(form().selectEqualEntry(IDC_DICTIONARY, "ａ.TXT"), 1);
    EXPECT_EQ(form().selectEqualEntry(IDC_DICTIONARY, "Ａ.txt"), 0);
    EXPECT_EQ(form().selectEqualEntry(IDC_DICTIONARY, "ヂ"), 3);
    EXPECT_EQ(form().selectEqualEntry(IDC_DICTIONARY, "ア"), 2);
    form().deleteEntry(IDC_DICTIONARY, 0);  // only ａ.txt is left with that name
    form().setSelection(IDC_DICTIONARY, 2);
    EXPECT_EQ(form().selectEqualEntry(IDC_DICTIONARY, "Ａ.txt"), -1);
    EXPECT_EQ(form().selection(IDC_DICTIONARY), 2);
}

TEST_P(FormContract, ListBoxSelectsEqualEntriesTheSameWay) {
    fill(IDC_HISTORY_LIST, {"http://a.example/x", "HTTP://A.EXAMPLE/X", "ａ"});
    EXPECT_EQ(form().selectEqualEntry(IDC_HISTORY_LIST, "http://A.example/X"), 0);
    EXPECT_EQ(form().selectEqualEntry(IDC_HISTORY_LIST, "Ａ"), -1);
    EXPECT_EQ(form().selectEqualEntry(IDC_HISTORY_LIST, "http://a.example"), -1);
    EXPECT_EQ(form().selection(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(form().text(IDC_HISTORY_LIST), "http://a.example/x");
}

TEST_P(FormContract, CheckStatesSetByCodeLeaveTheGroupAlone) {
    form().setChecked(IDC_OUTPUT_HTML1, true);
    form().setChecked(IDC_OUTPUT_DB, true);
    EXPECT_TRUE(form().checked(IDC_OUTPUT_HTML1));
    EXPECT_TRUE(form().checked(IDC_OUTPUT_DB));
    EXPECT_FALSE(form().checked(IDC_OUTPUT_CSV));
    form().setChecked(IDC_OUTPUT_DB, false);
    EXPECT_FALSE(form().checked(IDC_OUTPUT_DB));
    EXPECT_TRUE(form().checked(IDC_OUTPUT_HTML1));
    form().setChecked(IDC_NO_DICT, true);
    EXPECT_TRUE(form().checked(IDC_NO_DICT));
}

TEST_P(FormContract, EnabledAndVisibleStatesReadBack) {
    EXPECT_TRUE(form().enabled(IDC_QUESTION_NUM));
    form().setEnabled(IDC_QUESTION_NUM, false);
    EXPECT_FALSE(form().enabled(IDC_QUESTION_NUM));
    form().setEnabled(IDC_QUESTION_NUM, true);
    EXPECT_TRUE(form().enabled(IDC_QUESTION_NUM));

    EXPECT_TRUE(form().visible(IDC_HISTORY_LIST));
    form().setVisible(IDC_HISTORY_LIST, false);
    EXPECT_FALSE(form().visible(IDC_HISTORY_LIST));
    form().setVisible(IDC_HISTORY_LIST, true);
    EXPECT_TRUE(form().visible(IDC_HISTORY_LIST));
}

TEST_P(FormContract, TextsOfAnyLengthRoundTrip) {
    const std::string japanese = "C:/表/ソフト/ダウンロード.txt";  // trail bytes 5C
    form().setText(IDC_QUESTION_NUM, japanese);
    EXPECT_EQ(form().text(IDC_QUESTION_NUM), japanese);
    std::string longText;
    for (int i = 0; i < 3000; ++i) longText += i % 2 ? "表" : "x";
    form().setText(IDC_INPUT, longText);
    EXPECT_EQ(form().text(IDC_INPUT), longText);
    form().setText(IDC_INPUT, "");
    EXPECT_EQ(form().text(IDC_INPUT), "");

    form().appendEntry(IDC_FAVORITE_LIST, longText);
    EXPECT_EQ(form().entry(IDC_FAVORITE_LIST, 0), longText);
}

TEST_P(FormContract, ListEntriesInsertAppendAndDelete) {
    for (int id : {IDC_INPUT, IDC_HISTORY_LIST}) {
        SCOPED_TRACE(id);
        form().insertEntry(id, 0, "b");
        form().insertEntry(id, 0, "a");
        form().appendEntry(id, "d");
        form().insertEntry(id, 2, "c");
        form().insertEntry(id, 4, "e");   // the count: appends
        form().insertEntry(id, 9, "zz");  // beyond the end: nothing
        EXPECT_EQ(entries(id), (Entries{"a", "b", "c", "d", "e"}));
        form().deleteEntry(id, 1);
        form().deleteEntry(id, 7);  // no such entry: nothing
        EXPECT_EQ(entries(id), (Entries{"a", "c", "d", "e"}));
        EXPECT_EQ(form().entryCount(id), 4);
        EXPECT_EQ(form().entry(id, 4), "");
        EXPECT_EQ(form().entry(id, -1), "");
        form().appendEntries(id, {"f", "表", ""});
        EXPECT_EQ(entries(id), (Entries{"a", "c", "d", "e", "f", "表", ""}));
    }
}

TEST_P(FormContract, ListSelectionFollowsItsEntry) {
    fill(IDC_FAVORITE_LIST, {"a", "b", "c"});
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), -1);
    EXPECT_EQ(form().text(IDC_FAVORITE_LIST), "");
    form().setSelection(IDC_FAVORITE_LIST, 1);
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), 1);
    EXPECT_EQ(form().text(IDC_FAVORITE_LIST), "b");
    form().insertEntry(IDC_FAVORITE_LIST, 0, "new");
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), 2);
    form().deleteEntry(IDC_FAVORITE_LIST, 0);
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), 1);
    form().deleteEntry(IDC_FAVORITE_LIST, 1);  // the selected entry
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), -1);
    form().setSelection(IDC_FAVORITE_LIST, 0);
    form().setSelection(IDC_FAVORITE_LIST, -1);
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), -1);
    form().setSelection(IDC_FAVORITE_LIST, 5);  // no such entry: no selection
    EXPECT_EQ(form().selection(IDC_FAVORITE_LIST), -1);
}

TEST_P(FormContract, ComboSelectionShowsItsEntryAndClearingEmptiesTheEdit) {
    fill(IDC_INPUT, {"one", "two"});
    form().setSelection(IDC_INPUT, 1);
    EXPECT_EQ(form().text(IDC_INPUT), "two");
    form().setSelection(IDC_INPUT, -1);
    EXPECT_EQ(form().selection(IDC_INPUT), -1);
    EXPECT_EQ(form().text(IDC_INPUT), "");

    form().setSelection(IDC_INPUT, 0);
    form().setText(IDC_INPUT, "typed over");
    EXPECT_EQ(form().text(IDC_INPUT), "typed over");
    form().clearEntries(IDC_INPUT);
    EXPECT_EQ(form().entryCount(IDC_INPUT), 0);
    EXPECT_EQ(form().selection(IDC_INPUT), -1);
    EXPECT_EQ(form().text(IDC_INPUT), "");

    fill(IDC_HISTORY_LIST, {"x", "y"});
    form().setSelection(IDC_HISTORY_LIST, 1);
    form().clearEntries(IDC_HISTORY_LIST);
    EXPECT_EQ(form().entryCount(IDC_HISTORY_LIST), 0);
    EXPECT_EQ(form().selection(IDC_HISTORY_LIST), -1);
}

TEST_P(FormContract, TabsHoldTheirPagesAndSelection) {
    form().appendEntry(IDC_LIST_TABS, "お気に入り");
    form().appendEntry(IDC_LIST_TABS, "入力履歴");
    EXPECT_EQ(entries(IDC_LIST_TABS), (Entries{"お気に入り", "入力履歴"}));
    EXPECT_EQ(form().selection(IDC_LIST_TABS), 0);
    form().setSelection(IDC_LIST_TABS, 1);
    EXPECT_EQ(form().selection(IDC_LIST_TABS), 1);
    form().clearEntries(IDC_LIST_TABS);
    EXPECT_EQ(form().entryCount(IDC_LIST_TABS), 0);
    EXPECT_EQ(form().selection(IDC_LIST_TABS), -1);
}

TEST_P(FormContract, HorizontalExtentReadsBack) {
    EXPECT_EQ(form().horizontalExtent(IDC_HISTORY_LIST), 0);
    form().setHorizontalExtent(IDC_HISTORY_LIST, 1234);
    EXPECT_EQ(form().horizontalExtent(IDC_HISTORY_LIST), 1234);
    form().setHorizontalExtent(IDC_HISTORY_LIST, 0);
    EXPECT_EQ(form().horizontalExtent(IDC_HISTORY_LIST), 0);
}

TEST_P(FormContract, TextWidthGrowsWithTheText) {
    for (int id : {IDC_HISTORY_LIST, IDC_INPUT}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(form().textWidth(id, ""), 0);
        const int one = form().textWidth(id, "abc");
        const int two = form().textWidth(id, "abcabc");
        const int wide = form().textWidth(id, "入力ファイル");
        EXPECT_GT(one, 0);
        EXPECT_GT(two, one);
        EXPECT_GT(wide, one);
    }
}

TEST_P(FormContract, FocusAndSelectAllSelectsTheWholeText) {
    form().setText(IDC_QUESTION_NUM, "12x");
    form().focusAndSelectAll(IDC_QUESTION_NUM);
    EXPECT_EQ(subject->focusedWithWholeTextSelected(), IDC_QUESTION_NUM);
    form().setText(IDC_INPUT, "C:/in.txt");
    form().focusAndSelectAll(IDC_INPUT);
    EXPECT_EQ(subject->focusedWithWholeTextSelected(), IDC_INPUT);
}

}  // namespace vokanti::testing
