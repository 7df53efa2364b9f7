#pragma once
// The controls of a dialog as the dialog logic sees them, addressed by control id.
// Two implementations: the Win32 adapter over real controls (src/ui/win32) and an in-memory
// twin that the native tests drive. One contract suite runs against both.
//
// Texts are bytes in the ANSI code page (Shift-JIS). "Entries" are the list items of a combo
// box, a list box or a tab control; indices start at 0. The controls only show entries:
// the data behind them lives in the dialog's models, and no entry is ever read back.

#include <string>
#include <vector>

namespace vokanti {

class Form {
public:
    virtual ~Form() = default;

    // Check boxes and radio buttons. Setting a state never touches other buttons of a group.
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool on) = 0;

    virtual bool enabled(int id) const = 0;
    virtual void setEnabled(int id, bool on) = 0;
    virtual bool visible(int id) const = 0;
    virtual void setVisible(int id, bool on) = 0;

    // Window text; for a combo box, the text of its edit field.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;

    virtual int entryCount(int id) const = 0;
    // Inserts before `index` (0 = top); an index equal to the count appends. False when the
    // control refused the entry (no memory left for it): the control is as it was.
    virtual bool insertEntry(int id, int index, const std::string& text) = 0;
    // Appends entries at the end, in order; cost grows linearly with their number. All or
    // nothing: false when the control refused one, and then none of them is added.
    virtual bool appendEntries(int id, const std::vector<std::string>& texts) = 0;
    virtual void deleteEntry(int id, int index) = 0;
    // Removes every entry; a combo box's edit text is emptied as well.
    virtual void clearEntries(int id) = 0;

    // Current selection, -1 when none. For a tab control, the current page.
    virtual int selection(int id) const = 0;
    // Selects entry `index`, or clears the selection with -1. Selecting a combo box entry
    // shows its text in the edit field.
    virtual void setSelection(int id, int index) = 0;

    // List box horizontal scroll extent in pixels.
    virtual int horizontalExtent(int id) const = 0;
    virtual void setHorizontalExtent(int id, int pixels) = 0;
    // Width in pixels of `text` drawn in the control's font.
    virtual int textWidth(int id, const std::string& text) const = 0;

    // Gives the control the keyboard focus and selects its whole text.
    virtual void focusAndSelectAll(int id) = 0;
};

}  // namespace vokanti
