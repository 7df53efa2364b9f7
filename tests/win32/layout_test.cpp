// The real program's window at the dpi the system has now (the prefix's LogPixels): the
// pictures and the dialog's font follow it, every control lies inside the client area, no
// two overlap, and every text fits its control. With VOKANTI_SCREENSHOT set to a file name,
// the window is saved there as a bitmap (tools/dpi-screenshots.sh runs this at 96, 144 and
// 192 dpi).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

struct Control {
    HWND window;
    int id;
    std::string className, text;
    LONG style;
    RECT rect;  // in the main window's client coordinates
    RECT drawn;  // the part its picture and text take (a left-aligned text stops at its end)
};

std::vector<Control> controlsOf(HWND main) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        Control c{child, GetDlgCtrlID(child), {}, {}, GetWindowLongA(child, GWL_STYLE), {}, {}};
        char buffer[512] = {};
        GetClassNameA(child, buffer, sizeof buffer);
        c.className = buffer;
        GetWindowTextA(child, buffer, sizeof buffer);
        c.text = buffer;
        GetWindowRect(child, &c.rect);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&c.rect), 2);
        c.drawn = c.rect;
        controls.push_back(c);
    }
    return controls;
}

bool isClass(const Control& c, const char* name) { return lstrcmpiA(c.className.c_str(), name) == 0; }
bool isGroupBox(const Control& c) { return isClass(c, "Button") && (c.style & BS_TYPEMASK) == BS_GROUPBOX; }
bool isCheckOrRadio(const Control& c) {
    const LONG type = c.style & BS_TYPEMASK;
    return isClass(c, "Button") && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
                                    type == BS_RADIOBUTTON);
}

// Saves the screen's pixels under `window` as a 24-bit bitmap file.
bool saveScreenshot(HWND window, const std::string& path) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
    GdiFlush();
    const DWORD imageSize = static_cast<DWORD>((width * 3 + 3) / 4 * 4 * height);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

// This test reads the program's window in real pixels, as a dpi-aware program sees it.
void becomeDpiAware() {
    using SetProcessDpiAwareFn = BOOL(WINAPI*)();
    if (auto set = reinterpret_cast<SetProcessDpiAwareFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")))) {
        set();
    }
}

TEST(Layout, NothingClippedOrOverlappingAtTheScreensDpi) {
    becomeDpiAware();
    AppDriver app;
    app.start();
    HWND main = app.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    app.sync();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    RECT client{};
    GetClientRect(main, &client);
    // The dialog grows with its font: 395 dialog units are about 600 pixels at 96 dpi.
    EXPECT_GE(client.right, scaled(560)) << "the window does not follow the dpi " << dpi;

    // The dialog's font, as the dialog manager makes it from the template.
    HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "ＭＳ Ｐゴシック");
    HGDIOBJ oldFont = SelectObject(screen, font);
    const auto textWidth = [&](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    };

    std::vector<Control> controls = controlsOf(main);
    ASSERT_GE(controls.size(), 45u);
    const int checkBox = scaled(13) + 3;  // the box and the gap before the text
    for (Control& c : controls) {
        const int width = c.rect.right - c.rect.left, height = c.rect.bottom - c.rect.top;
        EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right <= client.right &&
                    c.rect.bottom <= client.bottom)
            << "outside the window: " << c.id << " " << c.text;
        if (c.text.empty()) continue;
        const SIZE text = textWidth(c.text);
        int room = width;
        if (isCheckOrRadio(c)) room -= checkBox;
        if (isGroupBox(c)) room -= scaled(16);
        if (isClass(c, "Button") && !isCheckOrRadio(c) && !isGroupBox(c)) room -= 4;
        EXPECT_LE(text.cx, room) << "text cut: \"" << c.text << "\" at " << dpi << " dpi";
        const bool rightAligned = (c.style & BS_RIGHTBUTTON) && isCheckOrRadio(c);
        if ((isCheckOrRadio(c) || isClass(c, "Static")) && !rightAligned) {
            c.drawn.right = std::min(c.rect.right, c.rect.left + static_cast<LONG>(width - room + text.cx));
        }
        if (!isGroupBox(c)) {
            EXPECT_LE(text.cy, height) << "text cut: \"" << c.text << "\"";
        }
    }
    // The pictures fit their buttons.
    const int picture = dpi >= 192 ? 32 : dpi >= 144 ? 24 : 16;
    for (int id : {IDC_ADD_FAVORITE, IDC_OPEN_INPUT, IDC_ADD_DICTIONARY, IDC_REMOVE_DICTIONARY, IDC_OPEN_OUTPUT,
                   IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT, IDC_BROWSE_DICTIONARY}) {
        RECT r{};
        GetClientRect(app.control(id), &r);
        EXPECT_TRUE(r.right >= picture && r.bottom >= picture) << "picture cut on " << id;
    }
    // No two controls overlap; group boxes frame others, and the lists lie in the tab control.
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const Control &a = controls[i], &b = controls[j];
            if (isGroupBox(a) || isGroupBox(b)) continue;
            if (a.id == IDC_LIST_TABS || b.id == IDC_LIST_TABS) continue;
            RECT both{};
            EXPECT_FALSE(IntersectRect(&both, &a.drawn, &b.drawn))
                << "overlap: " << a.id << " \"" << a.text << "\" and " << b.id << " \"" << b.text << "\"";
        }
    }
    // Framed controls lie inside their frames, the lists inside the tab control.
    for (const Control& frame : controls) {
        if (!isGroupBox(frame) && frame.id != IDC_LIST_TABS) continue;
        for (const Control& c : controls) {
            RECT both{};
            if (&c == &frame || isGroupBox(c) || !IntersectRect(&both, &c.rect, &frame.rect)) continue;
            EXPECT_TRUE(EqualRect(&both, &c.rect)) << c.id << " \"" << c.text << "\" crosses the frame \"" << frame.text << "\"";
        }
    }
    SelectObject(screen, oldFont);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);

    if (const char* shot = std::getenv("VOKANTI_SCREENSHOT")) {
        SetForegroundWindow(main);
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        app.sync();
        // Painted when two pictures in a row are the same.
        std::string previous, now;
        const bool still = waitUntil([&] {
            previous = std::move(now);
            if (!saveScreenshot(main, shot)) return false;
            std::ifstream in(shot, std::ios::binary);
            now.assign(std::istreambuf_iterator<char>(in), {});
            return now == previous;
        }, 10000);
        EXPECT_TRUE(still) << "the window did not settle for its screenshot " << shot;
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(app.waitForExit(), STILL_ACTIVE);
}

}  // namespace
}  // namespace vokanti::testing
