// The favorite-title dialog's logic over the in-memory form.
#include <gtest/gtest.h>

#include "core/control_ids.h"
#include "core/memory_form.h"
#include "ui/favorite_dlg.h"

namespace vokanti {
namespace {

class FavoriteDlgTest : public ::testing::Test {
protected:
    FavoriteDlgTest() {
        form.addControl(IDC_FAVORITE_TITLE, ControlKind::Edit);
        form.addControl(IDC_OK, ControlKind::Button);
        form.addControl(IDC_CANCEL, ControlKind::Button);
        form.setText(IDC_FAVORITE_TITLE, "left over");
        dlg.beginRun();
        dlg.initDialog();
    }
    void click(int id) { dlg.onEvent(DialogEvent{EventKind::Command, kClicked, id}); }

    MemoryForm form;
    CFavoriteDlg dlg{form};
};

TEST_F(FavoriteDlgTest, OkTakesTheTypedTitle) {
    EXPECT_EQ(form.text(IDC_FAVORITE_TITLE), "");  // starts empty
    form.setText(IDC_FAVORITE_TITLE, " 英字新聞 ");
    click(IDC_OK);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultOK);
    EXPECT_EQ(dlg.title, " 英字新聞 ");
}

TEST_F(FavoriteDlgTest, CancelKeepsNoTitle) {
    form.setText(IDC_FAVORITE_TITLE, "typed");
    click(IDC_CANCEL);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), kResultCancel);
    EXPECT_EQ(dlg.title, "");
}

}  // namespace
}  // namespace vokanti
