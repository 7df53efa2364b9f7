#pragma once
// The program's version and rights notice, as the resource scripts show them (the about
// box, the version resource). Plain #defines only: windres reads this file.

#define VOKANTI_VERSION_NUMBERS 2, 3, 0, 0
#define VOKANTI_VERSION_TEXT    "2.3.0"
#define VOKANTI_RIGHTS_TEXT     "Copyright (C) 2026 Vokanti developers"
