#!/usr/bin/env bash
# Sets up what is missing, builds both trees and runs every test: the native suite under the
# sanitizers, then the cross-built suite under Wine on an Xvfb of its own.
set -euo pipefail
here=$(dirname "$0")
"$here/setup.sh"
"$here/build.sh"
source "$here/env.sh"
source "$here/xvfb.sh"

echo "== native tests (build/native)"
ctest --test-dir "$NATIVE_BUILD" --output-on-failure -j "$(nproc)"

echo "== Windows tests under Wine (build/win)"
start_xvfb
# Test discovery during the build may have left this prefix's Wine session running for a
# while, with a desktop that has no display: end it so the tests' session starts on Xvfb.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
# One at a time: some runs need the foreground window and real keyboard input.
ctest --test-dir "$WIN_BUILD" --output-on-failure -j 1

shot=$WIN_BUILD/vokanti-main-window.bmp
if [ -f "$shot" ]; then
  convert "$shot" "${shot%.bmp}.png" && echo "Screenshot of the main window: ${shot%.bmp}.png"
fi
