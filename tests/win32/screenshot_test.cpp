// Takes a picture of the main window as the user sees it, with favorites and a history,
// into the build tree (vokanti-main-window.bmp), so a person can check every control,
// picture and tab label in Japanese.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "win32/support/app_driver.h"

namespace vokanti::testing {
namespace {

bool saveScreenArea(const RECT& area, const std::string& file) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    const BOOL copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + size;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

TEST(Screenshot, MainWindowWithFavoritesAndHistory) {
    DeleteFileA("C:\\windows\\Vokanti.INI");
    AppDriver app;
    app.writeFile("env\\dict.txt", "C:/dic/eijiro.txt\r\nC:/dic/waei.txt\r\n");
    app.writeFile("env\\favorite.txt",
                  "The Times\r\nhttp://www.example.com/news/\r\n英語のメモ\r\nC:/doc/memo.txt\r\n");
    app.writeFile("env\\in_history.txt", "C:/work/chapter1.txt\r\nC:/work/chapter2.html\r\n");
    app.start();
    HWND main = app.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    app.sync();
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app.sync();
    RECT area;
    GetWindowRect(main, &area);
    const std::string file = buildFile(VOKANTI_BUILD_DIR "/vokanti-main-window.bmp");
    ASSERT_TRUE(saveScreenArea(area, file));
    std::ifstream check(file, std::ios::binary | std::ios::ate);
    EXPECT_GT(static_cast<long>(check.tellg()), 100000L);
}

}  // namespace
}  // namespace vokanti::testing
