#pragma once
// The main dialog's window: the dialog host for template 102 with the parts that exist only
// in the window. It holds the icon, puts the about entry on the system menu, gives the eight
// bitmap buttons their pictures, registers the tooltips and relays the mouse to them, places
// the list tabs, shows the context menu, and paints the icon while minimised. What the user's
// actions do is decided by the dialog's logic (CVokantiDlg), which calls back through
// MainWindowHost.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/vokanti_dlg.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/drop_target.h"

namespace vokanti {

class MainWindow : public DialogWindow, public MainWindowHost {
public:
    // Loads the icon and makes itself the dialog's host.
    MainWindow(CVokantiDlg& dialog, Win32Form& form, HINSTANCE instance = GetModuleHandleA(nullptr));
    ~MainWindow() override;

    // --- MainWindowHost ------------------------------------------------------------------
    bool paintMinimisedIcon() override;
    intptr_t dragIcon() override;
    bool trackContextMenu(int x, int y) override;
    void placeListTabs() override;
    void showDuringInitialisation() override;
    void engineRunning(bool running) override;

    // The tooltip control while the window exists; null when it could not be created.
    HWND tooltip() const { return tooltip_; }
    // What takes documents and links dropped on the window while it exists; null when the
    // window could not be registered for dropping (no OLE on the thread).
    IDropTarget* dropTarget() const { return dropTarget_; }

protected:
    // The system-menu entry, the icons, the tooltips, the bitmap buttons and the context menu.
    void beforeInitDialog() override;
    // Mouse moves, presses and releases of the left button go to the tooltip control.
    bool preTranslateWindow(const MSG& message) override;
    // Releases what the window used when it is destroyed; draws the pictures anew when the
    // window moves to a screen of another dpi.
    bool handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) override;

private:
    void addAboutEntry();
    void createTooltip();
    void setUpButtons();
    void setPictures(int dpi);
    void addTool(HWND control, const char* text);
    void registerDropTarget();
    void takeDrop(const Drop& drop);
    void release();

    CVokantiDlg& vokanti_;
    HINSTANCE instance_;
    HICON icon_ = nullptr;                 // shared: never destroyed
    HWND tooltip_ = nullptr;               // owned by the window
    std::vector<HBITMAP> bitmaps_;         // each loaded bitmap once, the folder among them
    HMENU menu_ = nullptr;                 // menu 137
    HMENU contextMenu_ = nullptr;          // its first submenu
    DropTarget* dropTarget_ = nullptr;     // registered with the window but while the engine runs
};

}  // namespace vokanti
