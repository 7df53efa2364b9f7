#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <exception>
#include <utility>

#include "core/messages.h"
#include "ui/win32/controls.h"
#include "ui/win32/list_tabs_layout.h"
#include "ui/win32/resource.h"

namespace vokanti {

namespace {

// The controls with a tooltip, in the order they are registered: first the eight bitmap
// buttons with their pictures (the three browse buttons share the folder), then the
// controls with a tip only.
struct Tip {
    int control;
    int bitmap;  // 0: the control keeps its own look
    const char* text;
};

constexpr Tip kTips[] = {
    {IDC_ADD_FAVORITE, IDB_STAR, text::kTipAddFavorite},
    {IDC_OPEN_INPUT, IDB_BROWSER, text::kTipOpenInput},
    {IDC_ADD_DICTIONARY, IDB_SHEET_ADD, text::kTipAddDictionary},
    {IDC_REMOVE_DICTIONARY, IDB_SHEET_REMOVE, text::kTipRemoveDictionary},
    {IDC_OPEN_OUTPUT, IDB_NOTEPAD, text::kTipOpenOutput},
    {IDC_BROWSE_INPUT, IDB_FOLDER, text::kTipBrowseInput},
    {IDC_BROWSE_OUTPUT, IDB_FOLDER, text::kTipBrowseOutput},
    {IDC_BROWSE_DICTIONARY, IDB_FOLDER, text::kTipBrowseDictionary},
    {IDC_OK, 0, text::kTipStart},
    {IDC_CANCEL, 0, text::kTipExit},
    {IDC_INPUT_LIST_ONLY, 0, text::kTipInputListOnly},
    {IDC_NO_IGNORE, 0, text::kTipNoIgnore},
    {IDC_OUTPUT_HTML1, 0, text::kTipHtml1},
    {IDC_OUTPUT_HTML2, 0, text::kTipHtml2},
    {IDC_NO_DICT, 0, text::kTipNoDict},
};

// WM_DPICHANGED, which the headers for older systems do not name.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The dpi `window` is shown at: its monitor's where the system tells it per window, the
// system's otherwise.
int windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    return dpi;
}

// A child window's rectangle in the client coordinates of its parent.
RECT rectInParent(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void moveTo(HWND window, const RECT& r) {
    if (window) MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace

MainWindow::MainWindow(CVokantiDlg& dialog, Win32Form& form, HINSTANCE instance)
    : DialogWindow(dialog, form, IDD_VOKANTI_DIALOG, instance),
      vokanti_(dialog),
      instance_(instance),
      icon_(LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME))) {
    vokanti_.setHost(this);
}

MainWindow::~MainWindow() {
    // While this object is whole, so that the window's end releases what it used.
    if (hwnd()) DestroyWindow(hwnd());
    release();
    vokanti_.setHost(nullptr);
}

void MainWindow::beforeInitDialog() {
    release();  // anything left from an earlier run of the window
    addAboutEntry();
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    createTooltip();
    setUpButtons();
    menu_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    // Without the menu there is no context menu: a right click then does nothing.
    contextMenu_ = menu_ ? GetSubMenu(menu_, 0) : nullptr;
    registerDropTarget();
}

// Files from Explorer and links from a browser, anywhere on the window. Without OLE on the
// thread the window simply takes no drops.
void MainWindow::registerDropTarget() {
    DropTarget::Owner owner;
    owner.accepts = [this] { return vokanti_.acceptsDrop(); };
    owner.onDictionary = [this](POINT screen) {
        RECT box{};
        HWND dictionary = GetDlgItem(hwnd(), IDC_DICTIONARY);
        return dictionary && GetWindowRect(dictionary, &box) && PtInRect(&box, screen);
    };
    owner.take = [this](const Drop& drop) { takeDrop(drop); };
    auto* target = new DropTarget(std::move(owner));
    if (SUCCEEDED(RegisterDragDrop(hwnd(), target))) {
        dropTarget_ = target;
    } else {
        target->Release();
    }
}

// While the engine runs, the window waits without serving other programs' calls: one that
// drags onto it would hang until the job ends. Unregistered, it sees a window that takes no
// drop, at once.
void MainWindow::engineRunning(bool running) {
    if (!dropTarget_ || !hwnd()) return;
    if (running) {
        RevokeDragDrop(hwnd());
    } else {
        RegisterDragDrop(hwnd(), dropTarget_);
    }
}

// Called from OLE: nothing may escape, so a failure is shown here.
void MainWindow::takeDrop(const Drop& drop) {
    try {
        vokanti_.takeDrop(drop);
    } catch (const std::exception& e) {
        reportError(e.what());
    } catch (...) {
        reportError("unknown exception");
    }
}

// A separator and "Vokanti のバージョン情報(&A)..." at the end of the system menu, unless the
// window has no system menu or the text is missing.
void MainWindow::addAboutEntry() {
    HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    if (!systemMenu) return;
    char text[256] = {};
    if (LoadStringA(instance_, IDS_ABOUTBOX, text, sizeof text) <= 0) return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

// The platform's default tooltip style: tips show only while the window is active. Without
// the control the window works on, without tips.
void MainWindow::createTooltip() {
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance_, nullptr);
    if (tooltip_) SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

void MainWindow::setUpButtons() {
    setPictures(windowDpi(hwnd()));
    for (const Tip& tip : kTips) {
        if (HWND control = GetDlgItem(hwnd(), tip.control)) addTool(control, tip.text);
    }
}

// The pictures of the bitmap buttons at the size `dpi` asks for: 16 pixels at 96 dpi, 24 from
// 144 and 32 from 192, each drawn for its size rather than stretched. Pictures shown before
// are given back.
void MainWindow::setPictures(int dpi) {
    const int sizeOffset = dpi >= 192 ? IDB_STAR_32 - IDB_STAR : dpi >= 144 ? IDB_STAR_24 - IDB_STAR : 0;
    std::vector<std::pair<int, HBITMAP>> loaded;
    std::vector<HBITMAP> previous = std::move(bitmaps_);
    bitmaps_.clear();
    for (const Tip& tip : kTips) {
        HWND control = GetDlgItem(hwnd(), tip.control);
        if (!control || !tip.bitmap) continue;
        HBITMAP bitmap = nullptr;
        for (const auto& [id, handle] : loaded) {
            if (id == tip.bitmap) bitmap = handle;
        }
        if (!bitmap) {
            // A picture that cannot be loaded leaves its button without one.
            bitmap = LoadBitmapA(instance_, MAKEINTRESOURCEA(tip.bitmap + sizeOffset));
            if (!bitmap && sizeOffset) bitmap = LoadBitmapA(instance_, MAKEINTRESOURCEA(tip.bitmap));
            if (bitmap) {
                loaded.emplace_back(tip.bitmap, bitmap);
                bitmaps_.push_back(bitmap);
            }
        }
        win32::Button(control).setImage(IMAGE_BITMAP, bitmap);
    }
    for (HBITMAP bitmap : previous) DeleteObject(bitmap);
}

// A tool identified by the control's window. The control is not subclassed: the mouse
// messages reach the tooltip through preTranslateWindow().
void MainWindow::addTool(HWND control, const char* text) {
    if (!tooltip_) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);  // the control keeps a copy
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool MainWindow::preTranslateWindow(const MSG& message) {
    if (tooltip_ && (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONDOWN ||
                     message.message == WM_LBUTTONUP)) {
        MSG relayed = message;
        SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    return false;  // the message goes on to the dialog as usual
}

bool MainWindow::handleWindowMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    if (message == WM_DESTROY) release();
    // Moved to a screen of another dpi (per-monitor awareness): the dialog manager scales the
    // window, its font and its controls; the pictures are drawn anew at their new size.
    if (message == kDpiChangedMessage && hwnd()) setPictures(HIWORD(wParam));
    return false;
}

void MainWindow::release() {
    if (dropTarget_) {
        if (hwnd()) RevokeDragDrop(hwnd());
        dropTarget_->Release();
        dropTarget_ = nullptr;
    }
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    if (hwnd()) {
        // No button keeps a picture that is about to go.
        for (const Tip& tip : kTips) {
            if (HWND control = tip.bitmap ? GetDlgItem(hwnd(), tip.control) : nullptr) {
                win32::Button(control).setImage(IMAGE_BITMAP, nullptr);
            }
        }
    }
    for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
    bitmaps_.clear();
    if (menu_) DestroyMenu(menu_);  // its submenu with it
    menu_ = nullptr;
    contextMenu_ = nullptr;
}

bool MainWindow::paintMinimisedIcon() {
    HWND window = hwnd();
    if (!window || !IsIconic(window)) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc) {
        SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        RECT client{};
        GetClientRect(window, &client);
        // Centred; the division truncates toward zero, also when the icon is the larger.
        const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, icon_);
    }
    EndPaint(window, &paint);
    return true;
}

intptr_t MainWindow::dragIcon() { return reinterpret_cast<intptr_t>(icon_); }

bool MainWindow::trackContextMenu(int x, int y) {
    if (!contextMenu_ || !hwnd()) return false;
    // The chosen item arrives at the window as a WM_COMMAND, as from the menu bar.
    TrackPopupMenu(contextMenu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, hwnd(), nullptr);
    return true;
}

void MainWindow::placeListTabs() {
    HWND window = hwnd();
    HWND tabs = window ? GetDlgItem(window, IDC_LIST_TABS) : nullptr;
    if (!tabs) return;
    const int dpi = windowDpi(window);
    RECT client{};
    GetClientRect(window, &client);
    HWND input = GetDlgItem(window, IDC_INPUT);
    const int columnLeft = input ? rectInParent(input, window).left : client.right;

    const ListTabsLayout layout =
        layoutListTabs(dpi / 96.0, client, columnLeft, [tabs](const RECT& windowRect) {
            RECT area = windowRect;
            SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
            return area;
        });
    moveTo(tabs, layout.tabs);
    moveTo(GetDlgItem(window, IDC_FAVORITE_LIST), layout.lists);
    moveTo(GetDlgItem(window, IDC_HISTORY_LIST), layout.lists);
}


void MainWindow::showDuringInitialisation() {
    HWND window = hwnd();
    if (!window) return;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // The keyboard goes to the window, so that Escape reaches it.
    SetForegroundWindow(window);
    SetFocus(window);
}

}  // namespace vokanti
