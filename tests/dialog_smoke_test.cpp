#include "support/dialog_fixture.h"

namespace vokanti::testing {
namespace {

TEST_F(DialogTest, FixtureLaysOutTheMainDialog) {
    EXPECT_EQ(form.entryCount(IDC_INPUT), 0);
    form.click(IDC_OUTPUT_CSV);
    form.click(IDC_OUTPUT_HTML1);
    EXPECT_FALSE(form.checked(IDC_OUTPUT_CSV));
    EXPECT_TRUE(form.checked(IDC_OUTPUT_HTML1));
}

}  // namespace
}  // namespace vokanti::testing
