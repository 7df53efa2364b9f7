#!/usr/bin/env bash
# Configures (once) and builds both trees: build/native and build/win.
# VOKANTI_WERROR=ON turns warnings into errors (CI does).
set -euo pipefail
source "$(dirname "$0")/env.sh"
werror=${VOKANTI_WERROR:-OFF}
jobs=$(nproc)

configure() {  # tree, extra cmake arguments...
  local tree=$1; shift
  if [ ! -f "$tree/build.ninja" ] || ! grep -q "^VOKANTI_WERROR:BOOL=$werror$" "$tree/CMakeCache.txt"; then
    cmake -S "$VOKANTI_ROOT" -B "$tree" -G Ninja -DVOKANTI_WERROR="$werror" "$@" >/dev/null
  fi
}

configure "$NATIVE_BUILD"
configure "$WIN_BUILD" -DCMAKE_TOOLCHAIN_FILE="$VOKANTI_ROOT/cmake/mingw-i686.cmake"
cmake --build "$NATIVE_BUILD" -j "$jobs"
cmake --build "$WIN_BUILD" -j "$jobs"
