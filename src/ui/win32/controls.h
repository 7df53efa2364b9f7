#pragma once
// Thin wrappers over the standard controls. A wrapper holds the window handle and nothing
// else: it does not own the window, and copying it is free. Each method is one message;
// its comment gives the control's answer.
#include <windows.h>
#include <commctrl.h>

namespace vokanti::win32 {

class Control {
public:
    Control() = default;
    explicit Control(HWND hwnd) : hwnd_(hwnd) {}
    HWND hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    // The font the control draws with; null when it uses the system font.
    HFONT font() const { return reinterpret_cast<HFONT>(send(WM_GETFONT)); }
    // Turns repainting off or on (the control is not repainted by this message itself).
    void setRedraw(bool on) const { send(WM_SETREDRAW, on ? TRUE : FALSE); }

protected:
    LRESULT send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return SendMessageA(hwnd_, message, w, l);
    }

private:
    HWND hwnd_ = nullptr;
};

class Button : public Control {
public:
    using Control::Control;
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
    int checkState() const { return static_cast<int>(send(BM_GETCHECK)); }
    // Sets the state of this button. The version 6 controls clear the other automatic radio
    // buttons of the group when one is checked; the default controls do not.
    void setCheckState(int state) const { send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    // Changes the button's kind and style bits without redrawing it.
    void setStyle(LONG style) const { send(BM_SETSTYLE, static_cast<WPARAM>(style), FALSE); }
    // The image shown before; null when there was none.
    HANDLE setImage(UINT type, HANDLE image) const {
        return reinterpret_cast<HANDLE>(send(BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    }
};

class Edit : public Control {
public:
    using Control::Control;
    // Selects characters [start, end); end -1 selects to the end of the text.
    void setSelection(int start, int end) const { send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    // Start and end of the selection, packed: start in the low word, end in the high word
    // (-1 in both when a position does not fit in 16 bits).
    DWORD selection() const { return static_cast<DWORD>(send(EM_GETSEL)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    // The number of entries, or CB_ERR.
    int count() const { return static_cast<int>(send(CB_GETCOUNT)); }
    // The length of entry `index` in bytes without the terminator, or CB_ERR when there is
    // no such entry.
    int entryLength(int index) const { return static_cast<int>(send(CB_GETLBTEXTLEN, index)); }
    // Copies entry `index` into `buffer` (entryLength() + 1 bytes); the length copied, or CB_ERR.
    int entry(int index, char* buffer) const {
        return static_cast<int>(send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer)));
    }
    // Inserts before `index` (-1: at the end) without sorting; the new index, or CB_ERR /
    // CB_ERRSPACE.
    int insert(int index, const char* text) const {
        return static_cast<int>(send(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
    }
    // Appends (the list is unsorted); the new index, or CB_ERR / CB_ERRSPACE.
    int add(const char* text) const {
        return static_cast<int>(send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // The number of entries left, or CB_ERR when `index` is out of range.
    int remove(int index) const { return static_cast<int>(send(CB_DELETESTRING, index)); }
    // Removes every entry and empties the edit field of a drop-down combo.
    void reset() const { send(CB_RESETCONTENT); }
    // Reserves room for `entries` more entries holding `bytes` bytes in all; the number of
    // entries there is room for, or CB_ERRSPACE.
    int reserve(int entries, int bytes) const {
        return static_cast<int>(send(CB_INITSTORAGE, entries, bytes));
    }
    // The selected entry, or CB_ERR when none is selected.
    int currentSelection() const { return static_cast<int>(send(CB_GETCURSEL)); }
    // Selects `index` and shows it in the edit field; -1 clears both. CB_ERR when -1 or out
    // of range.
    int setCurrentSelection(int index) const { return static_cast<int>(send(CB_SETCURSEL, index)); }
    // The first entry after `after` (-1: from the top; the search wraps) that equals `text`
    // compared without regard to case by the platform; CB_ERR when none does.
    int findExact(int after, const char* text) const {
        return static_cast<int>(send(CB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text)));
    }
    // Selects characters [start, end) of the edit field; end -1 selects to the end.
    void setEditSelection(int start, int end) const { send(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    // Start and end of the edit field's selection, packed as EM_GETSEL packs them.
    DWORD editSelection() const { return static_cast<DWORD>(send(CB_GETEDITSEL)); }
    // The horizontal scroll extent of the list in pixels.
    int horizontalExtent() const { return static_cast<int>(send(CB_GETHORIZONTALEXTENT)); }
    void setHorizontalExtent(int pixels) const { send(CB_SETHORIZONTALEXTENT, pixels); }
};

class ListBox : public Control {
public:
    using Control::Control;
    // The number of entries, or LB_ERR.
    int count() const { return static_cast<int>(send(LB_GETCOUNT)); }
    // The length of entry `index` in bytes without the terminator, or LB_ERR.
    int entryLength(int index) const { return static_cast<int>(send(LB_GETTEXTLEN, index)); }
    // Copies entry `index` into `buffer` (entryLength() + 1 bytes); the length, or LB_ERR.
    int entry(int index, char* buffer) const {
        return static_cast<int>(send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer)));
    }
    // Inserts before `index` (-1: at the end) without sorting; the new index, or LB_ERR /
    // LB_ERRSPACE.
    int insert(int index, const char* text) const {
        return static_cast<int>(send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
    }
    // Appends (the list is unsorted); the new index, or LB_ERR / LB_ERRSPACE.
    int add(const char* text) const {
        return static_cast<int>(send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // The number of entries left, or LB_ERR when `index` is out of range.
    int remove(int index) const { return static_cast<int>(send(LB_DELETESTRING, index)); }
    void reset() const { send(LB_RESETCONTENT); }
    // Reserves room for `entries` more entries holding `bytes` bytes; the number of entries
    // there is room for, or LB_ERRSPACE.
    int reserve(int entries, int bytes) const {
        return static_cast<int>(send(LB_INITSTORAGE, entries, bytes));
    }
    // The selected entry of a single-selection list box, or LB_ERR when none is selected.
    int currentSelection() const { return static_cast<int>(send(LB_GETCURSEL)); }
    // Selects `index`; -1 clears the selection. LB_ERR when -1 or out of range.
    int setCurrentSelection(int index) const { return static_cast<int>(send(LB_SETCURSEL, index)); }
    // The first entry after `after` (-1: from the top; the search wraps) that equals `text`
    // compared without regard to case by the platform; LB_ERR when none does.
    int findExact(int after, const char* text) const {
        return static_cast<int>(send(LB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text)));
    }
    // The width in pixels the list can be scrolled horizontally.
    int horizontalExtent() const { return static_cast<int>(send(LB_GETHORIZONTALEXTENT)); }
    void setHorizontalExtent(int pixels) const { send(LB_SETHORIZONTALEXTENT, pixels); }
};

class TabCtrl : public Control {
public:
    using Control::Control;
    // The number of tabs.
    int count() const { return static_cast<int>(send(TCM_GETITEMCOUNT)); }
    // Fills the fields of `item` named by its mask; FALSE when there is no such tab.
    bool item(int index, TCITEMA& item) const {
        return send(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item)) != FALSE;
    }
    // Inserts a tab before `index` (the count: at the end); the new index, or -1.
    int insert(int index, const TCITEMA& item) const {
        return static_cast<int>(send(TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)));
    }
    // FALSE when there is no such tab.
    bool remove(int index) const { return send(TCM_DELETEITEM, index) != FALSE; }
    bool removeAll() const { return send(TCM_DELETEALLITEMS) != FALSE; }
    // The selected tab, or -1 when none is.
    int currentSelection() const { return static_cast<int>(send(TCM_GETCURSEL)); }
    // Selects a tab without notifying the parent; the tab selected before, or -1.
    int setCurrentSelection(int index) const { return static_cast<int>(send(TCM_SETCURSEL, index)); }
};

}  // namespace vokanti::win32
