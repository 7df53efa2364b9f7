#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Vokanti under Wine in a demo program directory,
# build/win/demo: Vokanti.exe, the engine vokan.exe, and the program directory image of the
# build (env/ with the default lists, the demo dictionary in dic/, the sample document in
# sample/). The demo starts with csv output and the sample among the favorites: a
# double-click on the favorite and one click on "作成開始" make sample.csv on the desktop.
# Files the user changed in the demo (histories, favorites, edited lists) are kept.
# On the user's display when there is one; otherwise on an Xvfb of its own, saving a screenshot.
set -euo pipefail
here=$(dirname "$0")
"$here/setup.sh"
"$here/build.sh"
source "$here/env.sh"
use_wine_locale

demo=$WIN_BUILD/demo
mkdir -p "$demo"
cp "$WIN_BUILD/Vokanti.exe" "$WIN_BUILD/vokan.exe" "$demo/"
cp -Rn "$WIN_BUILD/dist/." "$demo/"
if [ ! -s "$demo/env/favorite.txt" ]; then
  sample=$(winepath -w "$demo/sample/sample.txt" | tr '\\' '/')
  printf '%s\r\n%s\r\n' "$(printf 'サンプル文書' | iconv -f UTF-8 -t CP932)" "$sample" \
    > "$demo/env/favorite.txt"
fi
# The profile lives in the prefix's Windows folder: csv output unless the user saved settings.
profile=$WINEPREFIX/drive_c/windows/Vokanti.INI
[ -f "$profile" ] || printf '[Vokanti]\r\nvkndb5s=0\r\ncsv=1\r\n' > "$profile"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  cd "$demo" && exec wine ./Vokanti.exe "$@"
fi

source "$here/xvfb.sh"
start_xvfb
(cd "$demo" && wine ./Vokanti.exe "$@" >/dev/null 2>&1 &)
shot=$WIN_BUILD/vokanti-window.png
shown=no
for _ in $(seq 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q 'Vokanti Version'; then shown=yes; break; fi
  sleep 0.1
done
[ "$shown" = yes ] || echo "run: the main window did not appear within 30 s" >&2
sleep 1  # let the first paint finish before the picture is taken
import -display "$DISPLAY" -window root "$shot"
echo "No display: Vokanti ran on Xvfb $DISPLAY; screenshot saved to $shot"
[ "$shown" = yes ]
