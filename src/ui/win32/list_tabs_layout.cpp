#include "ui/win32/list_tabs_layout.h"

#include <algorithm>
#include <cmath>

namespace vokanti {

namespace {

// At 96 dpi: the tab control at x 10, y 10, 180 x 410; both lists at x 20, y 40, 160 x 370.
constexpr RECT kTabsAt96 = {10, 10, 190, 420};
constexpr RECT kListsAt96 = {20, 40, 180, 410};

LONG scaled(LONG value, double scale) { return static_cast<LONG>(std::lround(value * scale)); }

RECT scaled(const RECT& r, double scale) {
    return {scaled(r.left, scale), scaled(r.top, scale), scaled(r.right, scale), scaled(r.bottom, scale)};
}

}  // namespace

ListTabsLayout layoutListTabs(double scale, const RECT& client, int columnLeft,
                              const std::function<RECT(const RECT&)>& displayArea) {
    ListTabsLayout layout{scaled(kTabsAt96, scale), scaled(kListsAt96, scale)};
    RECT& tabs = layout.tabs;
    const LONG margin = tabs.left;
    tabs.right = std::max(tabs.left, std::min<LONG>(tabs.right, columnLeft - margin));
    tabs.bottom = std::max(tabs.top, std::min<LONG>(tabs.bottom, client.bottom - margin));

    const RECT inside = displayArea(tabs);
    RECT& lists = layout.lists;
    lists.left = std::max(lists.left, inside.left);
    lists.top = std::max(lists.top, inside.top);
    lists.right = std::max(lists.left, std::min(lists.right, inside.right));
    lists.bottom = std::max(lists.top, std::min(lists.bottom, inside.bottom));
    return layout;
}

}  // namespace vokanti
