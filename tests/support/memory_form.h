#pragma once
// The in-memory twin of the Win32 form adapter, for native tests. It keeps what real
// controls keep and behaves as the contract suite says they do; `click()` plays a user's
// click on an automatic check box or radio button.
#include <map>
#include <string>
#include <vector>

#include "core/form.h"

namespace vokanti {

enum class ControlKind { Button, Edit, ComboBox, ListBox, Tab, Static };

class MemoryForm : public Form {
public:
    void addControl(int id, ControlKind kind);
    // Radio buttons that an automatic click clears together.
    void addRadioGroup(const std::vector<int>& ids);
    // A user's click: toggles a check box, or checks a radio and clears its group.
    void click(int id);
    // The control that last got the focus with its whole text selected; 0 when none.
    int focusedWithSelection() const { return focused_; }
    // The entries a list shows, top first.
    std::vector<std::string> entries(int id) const;

    bool checked(int id) const override;
    void setChecked(int id, bool on) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool on) override;
    bool visible(int id) const override;
    void setVisible(int id, bool on) override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    int entryCount(int id) const override;
    void insertEntry(int id, int index, const std::string& text) override;
    void appendEntries(int id, const std::vector<std::string>& texts) override;
    void deleteEntry(int id, int index) override;
    void clearEntries(int id) override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    int horizontalExtent(int id) const override;
    void setHorizontalExtent(int id, int pixels) override;
    int textWidth(int id, const std::string& text) const override;
    void focusAndSelectAll(int id) override;

    // Pixels per byte of the fixed-pitch font the twin pretends to draw with.
    static constexpr int kCharWidth = 7;

private:
    struct Control {
        ControlKind kind = ControlKind::Static;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        std::string text;
        std::vector<std::string> entries;
        int selection = -1;
        int extent = 0;
        int radioGroup = -1;
    };
    Control& at(int id);
    const Control& at(int id) const;
    bool isList(const Control& c) const;

    std::map<int, Control> controls_;
    std::vector<std::vector<int>> radioGroups_;
    int focused_ = 0;
};

}  // namespace vokanti
