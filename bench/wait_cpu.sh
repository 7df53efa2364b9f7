#!/usr/bin/env bash
# The processor time Vokanti.exe uses while it waits for its engine: a batch job whose
# stand-in engine sleeps DELAY_MS milliseconds (default 10000), measured from outside the
# program (utime + stime of its Wine process in /proc) between the engine's start (its
# temporary file appears) and its end (the output appears). Runs on an Xvfb of its own in
# the cross tree's prefix. Usage: bench/wait_cpu.sh [VOKANTI_EXE] [DELAY_MS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/env.sh"
use_wine_locale
exe=$(realpath "${1:-$WIN_BUILD/Vokanti.exe}")
delay=${2:-10000}
source "$root/tools/xvfb.sh"
start_xvfb

dir=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; kill $XVFB_PID 2>/dev/null || true; rm -rf "$dir"' EXIT
cp "$exe" "$dir/Vokanti.exe"
cp "$WIN_BUILD/test-tools/stand_in_engine.exe" "$dir/vokan.exe"
mkdir "$dir/env"
: > "$dir/env/dict.txt"
echo "$delay" > "$dir/vokan-delay.txt"
echo text > "$dir/in.txt"
rm -f "$WINEPREFIX/drive_c/windows/Vokanti.INI"  # the default options: the output on the desktop
desktop=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop
rm -f "$desktop"/in.vkndb5s*

(cd "$dir" && wine ./Vokanti.exe in.txt >/dev/null 2>&1 &)
for _ in $(seq 600); do [ -e "$desktop/in.vkndb5s.vokan-tmp" ] && break; sleep 0.05; done
pid=$(pgrep -f 'Vokanti.exe in.txt' | head -1)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
t0=$(ticks); s0=$(date +%s%N)
for _ in $(seq $((delay / 50 + 600))); do [ -e "$desktop/in.vkndb5s" ] && break; sleep 0.05; done
t1=$(ticks); s1=$(date +%s%N)
echo "waited $(( (s1 - s0) / 1000000 )) ms; Vokanti.exe used $(( (t1 - t0) * 1000 / $(getconf CLK_TCK) )) ms of processor time"
rm -f "$desktop"/in.vkndb5s*
