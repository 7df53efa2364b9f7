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

// Menus
#define IDR_CONTEXT_MENU        137
#define IDR_MENU_BAR            140
