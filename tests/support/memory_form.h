#pragma once
// The in-memory twin of the Win32 form adapter, for native tests. It keeps what real
// controls keep and behaves as the contract suite says they do; `click()` plays a user's
// click on an automatic check box or radio button.
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/form.h"

namespace vokanti {

enum class ControlKind { Plain, ComboBox, ListBox, Tab };  // Plain: buttons and edit fields

class MemoryForm : public Form {
public:
    // Pixels per byte of the fixed-pitch font the twin pretends to draw with.
    static constexpr int kCharWidth = 7;

    void addControl(int id, ControlKind kind) { controls_[id].kind = kind; }
    // Radio buttons that an automatic click clears together.
    void addRadioGroup(const std::vector<int>& ids) {
        for (int id : ids) at(id).radioGroup = static_cast<int>(radioGroups_.size());
        radioGroups_.push_back(ids);
    }
    // A user's click: toggles a check box, or checks a radio and clears its group.
    void click(int id) {
        Control& c = at(id);
        if (!c.enabled) return;
        if (c.radioGroup >= 0) {
            for (int other : radioGroups_[static_cast<size_t>(c.radioGroup)]) at(other).checked = false;
        }
        c.checked = c.radioGroup >= 0 || !c.checked;
    }
    // The control that last got the focus with its whole text selected; 0 when none.
    int focusedWithSelection() const { return focused_; }
    // The entries a list shows, top first.
    std::vector<std::string> entries(int id) const { return at(id).entries; }
    // From now on the list refuses any entry that would make it hold more than `count`, as
    // a real one does when memory runs out.
    void limitEntries(int id, int count) { at(id).limit = count; }

    bool checked(int id) const override { return at(id).checked; }
    void setChecked(int id, bool on) override { at(id).checked = on; }
    bool enabled(int id) const override { return at(id).enabled; }
    void setEnabled(int id, bool on) override { at(id).enabled = on; }
    bool visible(int id) const override { return at(id).visible; }
    void setVisible(int id, bool on) override { at(id).visible = on; }
    std::string text(int id) const override {
        const Control& c = at(id);
        if (c.kind != ControlKind::ListBox) return c.text;
        return c.selection >= 0 ? c.entries[static_cast<size_t>(c.selection)] : std::string();
    }
    void setText(int id, const std::string& text) override { at(id).text = text; }
    int entryCount(int id) const override { return static_cast<int>(at(id).entries.size()); }
    bool insertEntry(int id, int index, const std::string& text) override {
        Control& c = at(id);
        if (index < 0 || index > entryCount(id)) return true;
        if (entryCount(id) >= c.limit) return false;
        c.entries.insert(c.entries.begin() + index, text);
        // The selection stays on the same entry, as in the real list box, combo box and tabs.
        if (c.selection >= index) ++c.selection;
        if (c.kind == ControlKind::Tab && c.selection < 0) c.selection = 0;
        return true;
    }
    bool appendEntries(int id, const std::vector<std::string>& texts) override {
        Control& c = at(id);
        if (c.entries.size() + texts.size() > static_cast<size_t>(c.limit)) return false;
        c.entries.insert(c.entries.end(), texts.begin(), texts.end());
        if (c.kind == ControlKind::Tab && c.selection < 0 && !c.entries.empty()) c.selection = 0;
        return true;
    }
    void deleteEntry(int id, int index) override {
        Control& c = at(id);
        if (index < 0 || index >= entryCount(id)) return;
        c.entries.erase(c.entries.begin() + index);
        if (c.selection > index) --c.selection;
        else if (c.selection == index) c.selection = -1;
    }
    void clearEntries(int id) override {
        at(id).entries.clear();
        setSelection(id, -1);  // a combo box's edit field is emptied with it
    }
    int selection(int id) const override { return at(id).selection; }
    void setSelection(int id, int index) override {
        Control& c = at(id);
        // Any index that names no entry clears the selection, and a combo box's edit field.
        const bool valid = index >= 0 && index < entryCount(id);
        c.selection = valid ? index : -1;
        if (c.kind == ControlKind::ComboBox) c.text = valid ? c.entries[static_cast<size_t>(index)] : "";
    }
    int horizontalExtent(int id) const override { return at(id).extent; }
    void setHorizontalExtent(int id, int pixels) override { at(id).extent = pixels; }
    int textWidth(int id, const std::string& text) const override {
        return at(id), static_cast<int>(text.size()) * kCharWidth;
    }
    void focusAndSelectAll(int id) override { focused_ = (at(id), id); }

private:
    struct Control {
        ControlKind kind = ControlKind::Plain;
        bool checked = false, enabled = true, visible = true;
        std::string text;
        std::vector<std::string> entries;  // stay empty but for lists, combos and tabs
        int selection = -1, extent = 0, radioGroup = -1;
        int limit = std::numeric_limits<int>::max();
    };
    const Control& at(int id) const {
        auto it = controls_.find(id);
        if (it == controls_.end()) throw std::logic_error("no control " + std::to_string(id));
        return it->second;
    }
    Control& at(int id) { return const_cast<Control&>(static_cast<const MemoryForm*>(this)->at(id)); }

    std::map<int, Control> controls_;
    std::vector<std::vector<int>> radioGroups_;
    int focused_ = 0;
};

// Lays out `form` like the main dialog's template: the controls the logic addresses, with
// their kinds, and the three radio groups in the order of their values.
inline void addMainDialogControls(MemoryForm& form) {
    for (int id : {IDC_INPUT, IDC_OUTPUT, IDC_DICTIONARY}) form.addControl(id, ControlKind::ComboBox);
    for (int id : {IDC_HISTORY_LIST, IDC_FAVORITE_LIST, IDC_FAVORITE_LOCATIONS}) form.addControl(id, ControlKind::ListBox);
    form.addControl(IDC_LIST_TABS, ControlKind::Tab);
    for (int id : {IDC_IGNORE_LONG, IDC_IGNORE_SHORT, IDC_QUESTION_NUM, IDC_CUT_LENGTH, IDC_BROWSE_INPUT,
                   IDC_BROWSE_OUTPUT, IDC_BROWSE_DICTIONARY, IDC_ADD_DICTIONARY, IDC_REMOVE_DICTIONARY, IDC_QUESTION,
                   IDC_SAME_DIR, IDC_SORT_DICTIONARY, IDC_INPUT_LIST_ONLY, IDC_NO_IGNORE, IDC_DOWNLOAD_ONLY, IDC_OK,
                   IDC_CANCEL, IDC_OPEN_INPUT, IDC_ADD_FAVORITE, IDC_OPEN_OUTPUT, IDC_CUT, IDC_NO_DICT}) {
        form.addControl(id, ControlKind::Plain);
    }
    for (const std::vector<int>& group : {std::vector<int>{IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM},
                                          {IDC_INPUT_HTML, IDC_INPUT_TEXT},
                                          {IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1, IDC_OUTPUT_HTML2}}) {
        for (int id : group) form.addControl(id, ControlKind::Plain);
        form.addRadioGroup(group);
    }
}

}  // namespace vokanti
