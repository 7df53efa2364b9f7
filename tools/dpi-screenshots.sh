#!/usr/bin/env bash
# Runs the window's layout test at 96, 144 and 192 dpi (the Wine prefix's LogPixels) and saves
# a screenshot of the real program at each: build/win/screenshots/vokanti-<dpi>dpi.png. The
# test fails when a control leaves the window, two controls overlap or a text is cut.
# The prefix is put back to 96 dpi afterwards, whatever happens.
# Usage: tools/dpi-screenshots.sh   (after tools/build.sh; on an Xvfb of its own, large enough
# for the window at 192 dpi)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
use_wine_locale
tests=$WIN_BUILD/win32_tests.exe
[ -f "$tests" ] || { echo "dpi-screenshots: build the cross tree first ($tests)" >&2; exit 1; }
shots=$WIN_BUILD/screenshots
mkdir -p "$shots"

source "$here/xvfb.sh"
start_xvfb 2560x1600x24

set_dpi() {
  # Read by Wine when its server starts: the user's setting and the configuration's.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}
restore() { set_dpi 96; }
trap 'restore; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT

status=0
for dpi in 96 144 192; do
  set_dpi "$dpi"
  bmp=$shots/vokanti-${dpi}dpi.bmp
  rm -f "$bmp"
  echo "== layout at $dpi dpi"
  if ! VOKANTI_SCREENSHOT=$(winepath -w "$bmp") wine "$tests" --gtest_filter='Layout.*' </dev/null \
      > "$shots/layout-${dpi}dpi.log" 2>&1; then
    iconv -f CP932 -t UTF-8 -c < "$shots/layout-${dpi}dpi.log" >&2
    status=1
  fi
  if [ -f "$bmp" ]; then
    convert "$bmp" "$shots/vokanti-${dpi}dpi.png" && rm -f "$bmp"
    echo "   $(identify -format '%wx%h' "$shots/vokanti-${dpi}dpi.png") $shots/vokanti-${dpi}dpi.png"
  else
    echo "dpi-screenshots: no screenshot at $dpi dpi" >&2
    status=1
  fi
done
exit $status
