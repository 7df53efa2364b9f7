#pragma once
// Where the list tabs go in the main window: the tab control in the free column on the left
// of the dialog, and the history and favorites lists on top of each other inside it.
#include <windows.h>

#include <functional>

namespace vokanti {

struct ListTabsLayout {
    RECT tabs;   // the tab control, in client pixels
    RECT lists;  // both lists, in client pixels
};

// The layout for a window whose display has `scale` times 96 dots per inch. The rectangles
// are the ones the dialog was drawn for at 96 dpi, scaled; the tab control is then kept left
// of `columnLeft` (where the controls on the right begin) and inside `client`, with the same
// margin as on its left, and the lists inside the part of the tab control below its tabs,
// which `displayArea` gives for a window rectangle of the tab control.
ListTabsLayout layoutListTabs(double scale, const RECT& client, int columnLeft,
                              const std::function<RECT(const RECT&)>& displayArea);

}  // namespace vokanti
