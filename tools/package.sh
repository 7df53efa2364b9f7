#!/usr/bin/env bash
# Builds the Windows package: sets up what is missing, configures and builds the release
# cross tree build/release (optimised, stripped, warnings as errors), runs CPack and prints
# the zip's path and the sizes of the two programs. A second run rebuilds only what changed.
#
#   tools/package.sh        RELEASE_BUILD=<dir> chooses another tree
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
source "$here/env.sh"
tree=${RELEASE_BUILD:-$VOKANTI_ROOT/build/release}

# Configured every time (a few seconds), so a tree set up otherwise by hand is put back to
# a release build.
cmake -S "$VOKANTI_ROOT" -B "$tree" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$VOKANTI_ROOT/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DVOKANTI_WERROR=ON >/dev/null
# What the package takes (the install rules), and the test tool of the package test; not
# the test programs of the tree.
cmake --build "$tree" -j 2 --target Vokanti vokan vokan_demo_data run_batch

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
zip=$tree/Vokanti-$version-win32.zip
rm -f "$zip"
(cd "$tree" && cpack -G ZIP >/dev/null)
[ -f "$zip" ] || { echo "package: CPack made no $zip" >&2; exit 1; }

# Only system DLLs may be imported: the programs must run from the unpacked folder alone.
for exe in Vokanti.exe vokan.exe; do
  bad=$(i686-w64-mingw32-objdump -p "$tree/$exe" | sed -n 's/^\s*DLL Name: //p' |
        grep -viE '^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|advapi32|msvcrt|wininet|ws2_32|shlwapi|oleaut32|version)\.dll$' || true)
  if [ -n "$bad" ]; then echo "package: $exe imports $bad" >&2; exit 1; fi
done

# Size limits of the release programs: 1 MB for the window, 2 MB for the engine.
check_size() {  # program, limit in bytes
  local size
  size=$(stat -c %s "$tree/$1")
  if [ "$size" -ge "$2" ]; then echo "package: $1 is $size bytes, over $2" >&2; exit 1; fi
}
check_size Vokanti.exe $((1024 * 1024))
check_size vokan.exe $((2 * 1024 * 1024))

echo "Package: $zip ($(stat -c %s "$zip") bytes)"
for exe in Vokanti.exe vokan.exe; do
  echo "  $exe: $(stat -c %s "$tree/$exe") bytes"
done
