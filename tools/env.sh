# Sourced by the project's scripts: where the build trees live and how Wine is run.
VOKANTI_ROOT=${VOKANTI_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export VOKANTI_ROOT
export NATIVE_BUILD=${NATIVE_BUILD:-$VOKANTI_ROOT/build/native}
export WIN_BUILD=${WIN_BUILD:-$VOKANTI_ROOT/build/win}
export WINEPREFIX=$WIN_BUILD/wineprefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
# Wine runs in the Japanese locale (ANSI code page 932); see use_wine_locale.
use_wine_locale() { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; }
