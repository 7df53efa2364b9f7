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
ctest --test-dir "$WIN_BUILD" --output-on-failure -j 2
