#!/usr/bin/env bash
# Sets up what is missing, builds both trees and runs every test: the native suite under the
# sanitizers, the cross-built suite under Wine on an Xvfb of its own, the window's layout and
# screenshots at three dpi settings, each fuzzing harness for
# a few seconds, a screenshot of an HTML page in headless Chromium, and the Windows package
# built, unpacked into a fresh Wine prefix and run end to end (pages and csv).
set -euo pipefail
here=$(dirname "$0")
"$here/setup.sh"
"$here/build.sh"
source "$here/env.sh"

echo "== native tests (build/native)"
ctest --test-dir "$NATIVE_BUILD" --output-on-failure -j "$(nproc)"

echo "== Windows tests under Wine (build/win)"
(
  source "$here/xvfb.sh"
  start_xvfb
  wineserver -w
  # One at a time: some runs need the foreground window and real keyboard input.
  ctest --test-dir "$WIN_BUILD" --output-on-failure -j 1
)

echo "== the window at 96, 144 and 192 dpi: layout checked, screenshots in build/win/screenshots"
"$here/dpi-screenshots.sh"

echo "== fuzzing: each harness on its seed corpus for a few seconds (build/fuzz)"
"$here/fuzz.sh" "${VOKAN_FUZZ_SECONDS:-10}"

echo "== an HTML page in headless Chromium"
"$here/html-screenshot.sh" "$NATIVE_BUILD"

echo "== the Windows package (build/release)"
"$here/package.sh"
# The pages, then the csv: a batch start whose list carries the demo dictionary's Japanese
# meanings and whose result box says the file was made.
"$here/test-package.sh" html2
"$here/test-package.sh" csv
