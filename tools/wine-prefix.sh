#!/usr/bin/env bash
# Makes the Wine prefix of a cross build tree ($WIN_BUILD/wineprefix, or the tree given as
# the one argument) once: Japanese font names mapped to the IPA fonts, Wine drawing its own
# captions, no desktop integration, real user folders. Safe to run again.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] && export WIN_BUILD=$1
source "$here/tools/env.sh"

if [ ! -f "$WINEPREFIX/.vokanti-ready" ]; then
  echo "setup: making the Wine prefix $WINEPREFIX"
  use_wine_locale
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
  reg=$(mktemp --suffix=.reg)
  # Japanese font names the dialogs ask for, mapped to the IPA fonts; Wine draws its own
  # captions (no window manager under Xvfb); no desktop integration.
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
    printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n"MS Shell Dlg"="IPAPGothic"\r\n"MS Shell Dlg 2"="IPAPGothic"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="Y"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\r\n"winemenubuilder.exe"="d"\r\n"mscoree"=""\r\n\r\n'
  } | iconv -f UTF-8 -t CP932 > "$reg"
  wine regedit "$(winepath -w "$reg")" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
  # The user folders of a new prefix link to $HOME: make them real folders inside the prefix.
  for d in "$WINEPREFIX"/drive_c/users/*/; do
    for f in "$d"*; do
      if [ -L "$f" ]; then rm "$f"; mkdir -p "$f"; fi
    done
  done
  touch "$WINEPREFIX/.vokanti-ready"
fi
# The caption buttons' symbols: without this font they show as letters.
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
