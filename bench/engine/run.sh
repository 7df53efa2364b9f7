#!/usr/bin/env bash
# The engine benchmark: a csv job over a sorted dictionary of 2,000,000 lines and a document
# of 100,000 words, natively and under Wine, without and with -S, beside a plain baseline
# that reads the whole dictionary into a std::map. Prints one table of wall time and peak
# memory (/usr/bin/time). Usage: bench/engine/run.sh [DATA_DIR]   (default build/bench-data)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
data=${1:-$root/build/bench-data}
native=$root/build/bench-native
win=$root/build/bench-win
prefix=$root/build/bench-wineprefix

if [[ "$data" == "$root" || "$data" == "$root"/src* || "$data" == "$root"/bench* ]]; then
  echo "run.sh: data must not go into the repository's sources: $data" >&2; exit 1
fi

echo "building (Release, no sanitizers)..." >&2
[ -f "$native/build.ninja" ] || cmake -S "$root" -B "$native" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DVOKANTI_SANITIZE=OFF >/dev/null
cmake --build "$native" -j 2 --target vokan vokan_baseline_map >/dev/null
have_wine=0
if command -v wine >/dev/null && command -v i686-w64-mingw32-g++-posix >/dev/null; then
  [ -f "$win/build.ninja" ] || cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$win" -j 2 --target vokan >/dev/null && have_wine=1
fi

if [ ! -f "$data/sorted.dic" ] || [ ! -f "$data/document.txt" ]; then
  echo "making data in $data..." >&2
  python3 "$root/bench/engine/make_data.py" "$data"
fi
for kind in sorted unsorted; do
  cp -f "$native/vokan" "$data/prog-$kind/vokan"
  [ $have_wine = 1 ] && cp -f "$win/vokan.exe" "$data/prog-$kind/vokan.exe"
done

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
if [ $have_wine = 1 ] && [ ! -d "$prefix" ]; then
  echo "making the Wine prefix (about a minute)..." >&2
  wineboot --init >/dev/null 2>&1 || true
fi
[ $have_wine = 1 ] && wineserver -p 60 || true

rows=()
measure() {  # label, command...
  local label=$1; shift
  local stats=$data/time.txt
  # One warm-up run first, so every job meets the files in the page cache alike.
  "$@" >/dev/null 2>&1 || true
  if ! /usr/bin/time -o "$stats" -f "%e %U %S %M" "$@" >/dev/null 2>&1; then
    rows+=("$(printf '%-34s %s' "$label" "FAILED: $(head -1 "$stats")")")
    return
  fi
  read -r wall user sys peak < <(tail -1 "$stats")
  rows+=("$(printf '%-34s %8s s %8.2f s %10s KB' "$label" "$wall" "$(awk -v a="$user" -v b="$sys" 'BEGIN { print a + b }')" "$peak")")
}

doc=$data/document.txt
measure "native vokan (sorted, in place)" "$data/prog-sorted/vokan" -i "$doc" -o "$data/out-native.csv"
measure "native vokan -S (unsorted)" "$data/prog-unsorted/vokan" -S -i "$doc" -o "$data/out-native-S.csv"
if [ $have_wine = 1 ]; then
  measure "wine vokan.exe (sorted, in place)" wine "$data/prog-sorted/vokan.exe" -i "$doc" -o "$data/out-wine.csv"
  measure "wine vokan.exe -S (unsorted)" wine "$data/prog-unsorted/vokan.exe" -S -i "$doc" -o "$data/out-wine-S.csv"
fi
measure "baseline std::map (sorted)" "$native/vokan_baseline_map" "$data/sorted.dic" "$doc" "$data/out-baseline.csv"

# Wall time depends on what else the machine runs; CPU time (user + system) much less so.
printf '%-34s %10s %10s %13s\n' "job" "wall" "cpu" "peak memory"
printf '%s\n' "${rows[@]}"
for f in out-native.csv out-native-S.csv out-wine.csv out-wine-S.csv out-baseline.csv; do
  [ -f "$data/$f" ] && printf '%-18s %8d lines\n' "$f" "$(wc -l < "$data/$f")"
done
[ $have_wine = 1 ] && wineserver -k || true
