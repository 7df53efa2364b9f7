#!/usr/bin/env bash
# The meaning-quality benchmark of the demo dictionary: builds the engine and the demo data
# in a Release tree without sanitizers (build/bench-native, shared with bench/engine), puts
# them in a program directory and prints the table of measure.py (coverage of scowl's word
# lists and of real texts, first-translation accuracy on judged.tsv, the dictionary's size,
# a csv job's time). The lists of failures are left in the work directory.
# Usage: bench/meanings/run.sh [WORK_DIR]   (default build/bench-meanings)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=${1:-$root/build/bench-meanings}
tree=$root/build/bench-native

if [[ "$work" == "$root" || "$work" == "$root"/src* || "$work" == "$root"/bench* ]]; then
  echo "run.sh: the work directory must not be in the repository's sources: $work" >&2; exit 1
fi
for needed in /usr/share/dict/scowl /usr/share/common-licenses/GPL-3; do
  [ -e "$needed" ] || { echo "run.sh: $needed is missing (tools/setup.sh installs scowl)" >&2; exit 1; }
done

echo "building (Release, no sanitizers)..." >&2
[ -f "$tree/build.ninja" ] || cmake -S "$root" -B "$tree" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DVOKANTI_SANITIZE=OFF >/dev/null
cmake --build "$tree" -j 2 --target vokan vokan_demo_data >/dev/null

prog=$work/program
rm -rf "$prog"
mkdir -p "$prog"
cp -r "$tree/dist/." "$prog/"
cp "$tree/vokan" "$prog/vokan"
python3 "$root/bench/meanings/measure.py" "$prog" "$work"
