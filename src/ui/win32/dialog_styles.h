#pragma once
// Control styles shared by the dialog templates. Plain #defines only: windres reads this file.

// Editable drop-down combo box, unsorted, scrolling its text horizontally.
#define VK_COMBO_STYLE      (CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL)
// Single-line edit scrolling its text horizontally, with a border.
#define VK_EDIT_STYLE       (ES_LEFT | ES_AUTOHSCROLL | WS_BORDER)
// Flat push button that shows a bitmap instead of its text.
#define VK_BITMAP_BUTTON    (BS_PUSHBUTTON | BS_FLAT | BS_BITMAP)
// Automatic check box with its text on the left of the box.
#define VK_LEFT_CHECK_BOX   (BS_AUTOCHECKBOX | BS_LEFTTEXT)
// Unsorted list box that notifies its parent, with both scroll bars and any height.
#define VK_LIST_STYLE       (LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL)

// Controls of a template that the program never addresses.
#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif
