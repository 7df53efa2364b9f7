#include "support/memory_form.h"

#include <stdexcept>


namespace vokanti {

void MemoryForm::addControl(int id, ControlKind kind) {
    controls_[id].kind = kind;
}

void MemoryForm::addRadioGroup(const std::vector<int>& ids) {
    const int group = static_cast<int>(radioGroups_.size());
    radioGroups_.push_back(ids);
    for (int id : ids) at(id).radioGroup = group;
}

void MemoryForm::click(int id) {
    Control& c = at(id);
    if (!c.enabled) return;
    if (c.radioGroup < 0) {
        c.checked = !c.checked;
        return;
    }
    for (int other : radioGroups_[static_cast<size_t>(c.radioGroup)]) at(other).checked = false;
    c.checked = true;
}

MemoryForm::Control& MemoryForm::at(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::logic_error("no control " + std::to_string(id));
    return it->second;
}

const MemoryForm::Control& MemoryForm::at(int id) const {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::logic_error("no control " + std::to_string(id));
    return it->second;
}

bool MemoryForm::isList(const Control& c) const {
    return c.kind == ControlKind::ComboBox || c.kind == ControlKind::ListBox ||
           c.kind == ControlKind::Tab;
}

bool MemoryForm::checked(int id) const { return at(id).checked; }
void MemoryForm::setChecked(int id, bool on) { at(id).checked = on; }
bool MemoryForm::enabled(int id) const { return at(id).enabled; }
void MemoryForm::setEnabled(int id, bool on) { at(id).enabled = on; }
bool MemoryForm::visible(int id) const { return at(id).visible; }
void MemoryForm::setVisible(int id, bool on) { at(id).visible = on; }

std::string MemoryForm::text(int id) const {
    const Control& c = at(id);
    if (c.kind == ControlKind::ListBox) {
        return c.selection >= 0 ? c.entries[static_cast<size_t>(c.selection)] : std::string();
    }
    return c.text;
}

void MemoryForm::setText(int id, const std::string& text) { at(id).text = text; }

int MemoryForm::entryCount(int id) const {
    const Control& c = at(id);
    return isList(c) ? static_cast<int>(c.entries.size()) : 0;
}

std::vector<std::string> MemoryForm::entries(int id) const { return at(id).entries; }

void MemoryForm::insertEntry(int id, int index, const std::string& text) {
    Control& c = at(id);
    if (index < 0 || index > static_cast<int>(c.entries.size())) return;
    c.entries.insert(c.entries.begin() + index, text);
    // The selection stays on the same entry, as in the real list box, combo box and tabs.
    if (c.selection >= index) ++c.selection;
    if (c.kind == ControlKind::Tab && c.selection < 0) c.selection = 0;
}

void MemoryForm::appendEntries(int id, const std::vector<std::string>& texts) {
    Control& c = at(id);
    c.entries.insert(c.entries.end(), texts.begin(), texts.end());
    if (c.kind == ControlKind::Tab && c.selection < 0 && !c.entries.empty()) c.selection = 0;
}

void MemoryForm::deleteEntry(int id, int index) {
    Control& c = at(id);
    if (index < 0 || index >= static_cast<int>(c.entries.size())) return;
    c.entries.erase(c.entries.begin() + index);
    if (c.selection == index) {
        c.selection = -1;
    } else if (c.selection > index) {
        --c.selection;
    }
}

void MemoryForm::clearEntries(int id) {
    Control& c = at(id);
    c.entries.clear();
    c.selection = -1;
    if (c.kind == ControlKind::ComboBox) c.text.clear();
}

int MemoryForm::selection(int id) const { return at(id).selection; }

void MemoryForm::setSelection(int id, int index) {
    Control& c = at(id);
    if (index < 0 || index >= static_cast<int>(c.entries.size())) {
        // Any index that names no entry clears the selection, and a combo box's edit field
        // with it.
        c.selection = -1;
        if (c.kind == ControlKind::ComboBox) c.text.clear();
        return;
    }
    c.selection = index;
    if (c.kind == ControlKind::ComboBox) c.text = c.entries[static_cast<size_t>(index)];
}

int MemoryForm::horizontalExtent(int id) const { return at(id).extent; }
void MemoryForm::setHorizontalExtent(int id, int pixels) { at(id).extent = pixels; }

int MemoryForm::textWidth(int id, const std::string& text) const {
    at(id);
    return static_cast<int>(text.size()) * kCharWidth;
}

void MemoryForm::focusAndSelectAll(int id) {
    at(id);
    focused_ = id;
}

}  // namespace vokanti
