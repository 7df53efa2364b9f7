#include "ui/win32/win32_form.h"

#include <stdexcept>

#include "ui/win32/controls.h"

namespace vokanti {

using win32::Button;
using win32::ComboBox;
using win32::Control;
using win32::Edit;
using win32::ListBox;
using win32::TabCtrl;

namespace {

// Repainting off while many entries are added, and on again whatever happens.
class RedrawOff {
public:
    explicit RedrawOff(Control control) : control_(control) { control_.setRedraw(false); }
    ~RedrawOff() {
        control_.setRedraw(true);
        InvalidateRect(control_.hwnd(), nullptr, TRUE);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    Control control_;
};

template <class List>
bool appendAll(const List& list, const std::vector<std::string>& texts) {
    size_t bytes = 0;
    for (const auto& t : texts) bytes += t.size() + 1;
    RedrawOff quiet(list);
    // Reserving room first keeps the whole fill linear. A refused reservation only costs
    // speed: each entry still finds room as it is added.
    list.reserve(static_cast<int>(texts.size()), static_cast<int>(bytes));
    const int before = list.count();
    for (const auto& t : texts) {
        if (list.add(t.c_str()) >= 0) continue;
        // A refused entry takes the ones added before it away again: the caller's data
        // and the list stay in step.
        for (int i = list.count(); i-- > before;) list.remove(i);
        return false;
    }
    return true;
}

}  // namespace

std::string windowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

Win32Form::Item Win32Form::item(int id) const {
    if (!dialog_) throw std::logic_error("form not attached to a window");
    HWND hwnd = GetDlgItem(dialog_, id);
    if (!hwnd) throw std::logic_error("no control " + std::to_string(id));
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    Kind kind = Kind::Other;
    if (lstrcmpiA(name, "Button") == 0) {
        kind = Kind::Button;
    } else if (lstrcmpiA(name, "Edit") == 0) {
        kind = Kind::Edit;
    } else if (lstrcmpiA(name, "ComboBox") == 0) {
        kind = Kind::ComboBox;
    } else if (lstrcmpiA(name, "ListBox") == 0) {
        kind = Kind::ListBox;
    } else if (lstrcmpiA(name, WC_TABCONTROLA) == 0) {
        kind = Kind::Tab;
    }
    return {hwnd, kind};
}

bool Win32Form::checked(int id) const {
    return Button(item(id).hwnd).checkState() == BST_CHECKED;
}

// Checking a radio button from code leaves the rest of its group as it was, with either
// version of the controls: a hand-edited profile may check several values of one choice, and
// the first checked one must still be found. The version 6 controls clear the group when an
// automatic radio button is checked, so the button is a plain radio button for that moment.
void Win32Form::setChecked(int id, bool on) {
    const Button button(item(id).hwnd);
    const LONG style = GetWindowLongA(item(id).hwnd, GWL_STYLE);
    const bool autoRadio = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (autoRadio) button.setStyle((style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
    button.setCheckState(on ? BST_CHECKED : BST_UNCHECKED);
    if (autoRadio) button.setStyle(style);
}

bool Win32Form::enabled(int id) const { return IsWindowEnabled(item(id).hwnd) != FALSE; }

void Win32Form::setEnabled(int id, bool on) { EnableWindow(item(id).hwnd, on ? TRUE : FALSE); }

// The control's own visibility, whatever the dialog's.
bool Win32Form::visible(int id) const {
    return (GetWindowLongA(item(id).hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Form::setVisible(int id, bool on) { ShowWindow(item(id).hwnd, on ? SW_SHOW : SW_HIDE); }

std::string Win32Form::text(int id) const { return windowText(item(id).hwnd); }

void Win32Form::setText(int id, const std::string& text) {
    if (!SetWindowTextA(item(id).hwnd, text.c_str())) {
        throw std::runtime_error("control text could not be set");
    }
}

int Win32Form::entryCount(int id) const {
    const Item it = item(id);
    int count = 0;
    switch (it.kind) {
        case Kind::ComboBox: count = ComboBox(it.hwnd).count(); break;
        case Kind::ListBox: count = ListBox(it.hwnd).count(); break;
        case Kind::Tab: count = TabCtrl(it.hwnd).count(); break;
        default: break;
    }
    return count < 0 ? 0 : count;
}

bool Win32Form::insertEntry(int id, int index, const std::string& text) {
    const Item it = item(id);
    const int count = entryCount(id);
    if (index < 0 || index > count) return true;  // no such place: nothing to add
    // -1 appends: the controls refuse an index equal to their count.
    const int at = index == count ? -1 : index;
    switch (it.kind) {
        case Kind::ComboBox: return ComboBox(it.hwnd).insert(at, text.c_str()) >= 0;
        case Kind::ListBox: return ListBox(it.hwnd).insert(at, text.c_str()) >= 0;
        case Kind::Tab: {
            TCITEMA tab{};
            tab.mask = TCIF_TEXT;
            tab.pszText = const_cast<char*>(text.c_str());
            return TabCtrl(it.hwnd).insert(index, tab) >= 0;
        }
        default: return true;
    }
}

bool Win32Form::appendEntries(int id, const std::vector<std::string>& texts) {
    if (texts.empty()) return true;
    const Item it = item(id);
    switch (it.kind) {
        case Kind::ComboBox: return appendAll(ComboBox(it.hwnd), texts);
        case Kind::ListBox: return appendAll(ListBox(it.hwnd), texts);
        default: {
            const int before = entryCount(id);
            for (const auto& t : texts) {
                if (insertEntry(id, entryCount(id), t)) continue;
                for (int i = entryCount(id); i-- > before;) deleteEntry(id, i);
                return false;
            }
            return true;
        }
    }
}

void Win32Form::deleteEntry(int id, int index) {
    const Item it = item(id);
    if (index < 0 || index >= entryCount(id)) return;
    switch (it.kind) {
        case Kind::ComboBox: ComboBox(it.hwnd).remove(index); break;
        case Kind::ListBox: ListBox(it.hwnd).remove(index); break;
        case Kind::Tab: TabCtrl(it.hwnd).remove(index); break;
        default: break;
    }
}

void Win32Form::clearEntries(int id) {
    const Item it = item(id);
    switch (it.kind) {
        case Kind::ComboBox: ComboBox(it.hwnd).reset(); break;
        case Kind::ListBox: ListBox(it.hwnd).reset(); break;
        case Kind::Tab: TabCtrl(it.hwnd).removeAll(); break;
        default: break;
    }
}

int Win32Form::selection(int id) const {
    const Item it = item(id);
    int selected = -1;
    switch (it.kind) {
        case Kind::ComboBox: selected = ComboBox(it.hwnd).currentSelection(); break;
        case Kind::ListBox: selected = ListBox(it.hwnd).currentSelection(); break;
        case Kind::Tab: selected = TabCtrl(it.hwnd).currentSelection(); break;
        default: break;
    }
    return selected < 0 ? -1 : selected;
}

void Win32Form::setSelection(int id, int index) {
    const Item it = item(id);
    // An index outside the entries clears the selection, as -1 does.
    if (index < 0 || index >= entryCount(id)) index = -1;
    switch (it.kind) {
        case Kind::ComboBox: ComboBox(it.hwnd).setCurrentSelection(index); break;
        case Kind::ListBox: ListBox(it.hwnd).setCurrentSelection(index); break;
        case Kind::Tab: TabCtrl(it.hwnd).setCurrentSelection(index); break;
        default: break;
    }
}

int Win32Form::horizontalExtent(int id) const {
    const Item it = item(id);
    if (it.kind == Kind::ListBox) return ListBox(it.hwnd).horizontalExtent();
    if (it.kind == Kind::ComboBox) return ComboBox(it.hwnd).horizontalExtent();
    return 0;
}

void Win32Form::setHorizontalExtent(int id, int pixels) {
    const Item it = item(id);
    if (it.kind == Kind::ListBox) ListBox(it.hwnd).setHorizontalExtent(pixels);
    if (it.kind == Kind::ComboBox) ComboBox(it.hwnd).setHorizontalExtent(pixels);
}

int Win32Form::textWidth(int id, const std::string& text) const {
    const Control control(item(id).hwnd);
    if (text.empty()) return 0;
    HDC dc = GetDC(control.hwnd());
    if (!dc) throw std::runtime_error("no device context for measuring text");
    HFONT font = control.font();
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    const BOOL measured = GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (previous) SelectObject(dc, previous);
    ReleaseDC(control.hwnd(), dc);
    if (!measured) throw std::runtime_error("text could not be measured");
    return size.cx;
}

void Win32Form::focusAndSelectAll(int id) {
    const Item it = item(id);
    // Moving the focus the dialog's way keeps its default-button state right.
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(it.hwnd), TRUE);
    if (it.kind == Kind::Edit) Edit(it.hwnd).setSelection(0, -1);
    if (it.kind == Kind::ComboBox) ComboBox(it.hwnd).setEditSelection(0, -1);
}

}  // namespace vokanti
