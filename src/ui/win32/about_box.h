#pragma once
// The about box (template 100), run modally on the dialog host.
#include <windows.h>

namespace vokanti {

// Shows the about box owned by `owner` (disabled meanwhile) and returns when it is closed.
void runAboutBox(HWND owner, HINSTANCE instance = GetModuleHandleA(nullptr));

}  // namespace vokanti
