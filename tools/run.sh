#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Vokanti under Wine in a demo program directory
# (build/win/demo: Vokanti.exe, the test stand-in of the engine, and env/ files). On the
# user's display when there is one; otherwise on an Xvfb of its own, saving a screenshot.
set -euo pipefail
here=$(dirname "$0")
"$here/setup.sh"
"$here/build.sh"
source "$here/env.sh"
use_wine_locale

demo=$WIN_BUILD/demo
mkdir -p "$demo/env"
cp "$WIN_BUILD/Vokanti.exe" "$WIN_BUILD/vokan.exe" "$demo/"
[ -f "$demo/env/dict.txt" ] || printf 'C:/dic/eijiro.txt\r\n' > "$demo/env/dict.txt"

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
