#pragma once
// The form over the real controls of a dialog window. The dialog host attaches it to the
// window when the dialog is initialised; controls are found by id and their kind by window
// class. Asking for an id the window does not have is a programming error
// (std::logic_error), as it is for MemoryForm.
#include <windows.h>

#include <string>
#include <vector>

#include "core/form.h"

namespace vokanti {

class Win32Form : public Form {
public:
    void attach(HWND dialog) { dialog_ = dialog; }
    void detach() { dialog_ = nullptr; }
    HWND window() const { return dialog_; }

    bool checked(int id) const override;
    void setChecked(int id, bool on) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool on) override;
    bool visible(int id) const override;
    void setVisible(int id, bool on) override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    int entryCount(int id) const override;
    bool insertEntry(int id, int index, const std::string& text) override;
    bool appendEntries(int id, const std::vector<std::string>& texts) override;
    void deleteEntry(int id, int index) override;
    void clearEntries(int id) override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    int horizontalExtent(int id) const override;
    void setHorizontalExtent(int id, int pixels) override;
    int textWidth(int id, const std::string& text) const override;
    void focusAndSelectAll(int id) override;

private:
    enum class Kind { Button, Edit, ComboBox, ListBox, Tab, Other };
    struct Item {
        HWND hwnd;
        Kind kind;
    };
    Item item(int id) const;

    HWND dialog_ = nullptr;
};

// The window text of any window, whatever its length.
std::string windowText(HWND hwnd);

}  // namespace vokanti
