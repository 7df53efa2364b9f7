#!/bin/sh
# Builds the engine's libFuzzer harnesses (fuzz/*.cc) with clang in build/fuzz and runs each
# for the given number of seconds (default 20) on a copy of its seed corpus, so the
# repository's corpus is never written. Fails on the first finding.
#   tools/fuzz.sh [seconds]
set -eu
seconds=${1:-20}
case $seconds in
  ''|*[!0-9]*) echo "usage: $0 [seconds]" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DVOKAN_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=
for harness in "$root"/fuzz/*.cc; do
  targets="$targets fuzz_$(basename "$harness" .cc)"
done
# shellcheck disable=SC2086
cmake --build "$build" -j 2 --target $targets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for harness in "$root"/fuzz/*.cc; do
  name=$(basename "$harness" .cc)
  corpus=$work/$name
  mkdir -p "$corpus"
  if [ -d "$root/fuzz/corpus/$name" ]; then
    cp -R "$root/fuzz/corpus/$name/." "$corpus/"
  fi
  echo "== $name: $seconds s"
  if ! (cd "$work" && "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$work/$name-" "$corpus" 2>"$work/$name.log"); then
    tail -n 40 "$work/$name.log" >&2
    mkdir -p "$build/findings"
    cp "$work/$name"-* "$build/findings/" 2>/dev/null || true
    echo "fuzz_$name: finding kept in $build/findings" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units' "$work/$name.log" || true
  fi
done
exit $status
