#pragma once
// Resource numbers of Vokanti.exe. Control and command ids live in core/control_ids.h,
// which the portable dialog logic shares.
#include "core/control_ids.h"

// Dialog templates
#define IDD_ABOUTBOX            100
#define IDD_VOKANTI_DIALOG      102
#define IDD_FAVORITE            136
#define IDD_KNOWN_LEVEL         141

// Strings
#define IDS_ABOUTBOX            101

// Icon
#define IDR_MAINFRAME           128

// Bitmaps
#define IDB_BROWSER             129
#define IDB_STAR                131
#define IDB_SHEET_REMOVE        132
#define IDB_SHEET_ADD           133
#define IDB_NOTEPAD             134
#define IDB_FOLDER              135
// The same pictures at 24 and 32 pixels, for screens of 144 and 192 dpi: the 16-pixel
// picture's id plus 100 and plus 200.
#define IDB_BROWSER_24          229
#define IDB_STAR_24             231
#define IDB_SHEET_REMOVE_24     232
#define IDB_SHEET_ADD_24        233
#define IDB_NOTEPAD_24          234
#define IDB_FOLDER_24           235
#define IDB_BROWSER_32          329
#define IDB_STAR_32             331
#define IDB_SHEET_REMOVE_32     332
#define IDB_SHEET_ADD_32        333
#define IDB_NOTEPAD_32          334
#define IDB_FOLDER_32           335

// Menus
#define IDR_CONTEXT_MENU        137
#define IDR_MENU_BAR            140
