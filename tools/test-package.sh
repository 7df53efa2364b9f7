#!/usr/bin/env bash
# End-to-end test of the Windows package, as a user meets it:
#
#   1. the zip's content: one top folder, both programs and nothing else executable, every
#      file of the build's program directory image (env/, dic/, sample/), docs/, the how-to
#      and the licences;
#   2. unpacked into a fresh temporary directory, with a fresh Wine prefix of its own (made as
#      the build's prefix is made, on an Xvfb of its own), a profile choosing the output
#      format, Vokanti.exe started with the sample document as its one argument (batch
#      start: one job with the saved options, a result box, then the end); run_batch.exe
#      answers the box and checks it says the file was made;
#   3. the list that came out, on the desktop of the fresh prefix where the program proposes
#      it: its encoding, the meanings in Japanese, and for HTML the stylesheet, the marked
#      words and the links of env/webdict.txt (and env/webwav.txt for html2).
#
# Usage: tools/test-package.sh [FORMAT [ZIP]]
#   FORMAT  html2 (default), html1, csv or vkndb5s
#   ZIP     default: the newest build/release/Vokanti-*-win32.zip (tools/package.sh)
# RUN_BATCH names the test tool (default: test-tools/run_batch.exe of the zip's build tree).
# Bounded: the whole run is stopped after 3 minutes (VOKANTI_PACKAGE_TEST_LIMIT seconds);
# the directory and prefix are removed at the end, whatever happens.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VOKANTI_PACKAGE_TEST_BOUNDED:-}" ]; then
  export VOKANTI_PACKAGE_TEST_BOUNDED=1
  exec timeout --kill-after=15 "${VOKANTI_PACKAGE_TEST_LIMIT:-180}" "$0" "$@"
fi
source "$here/env.sh"
source "$here/wine-prefix.sh"
source "$here/xvfb.sh"

format=${1:-html2}
case $format in
  html1|html2) output_name=sample_out.html ;;
  csv) output_name=sample.csv ;;
  vkndb5s) output_name=sample.vkndb5s ;;
  *) echo "test-package: unknown format '$format' (html2, html1, csv, vkndb5s)" >&2; exit 2 ;;
esac
zip=${2:-$(ls -t "$VOKANTI_ROOT"/build/release/Vokanti-*-win32.zip 2>/dev/null | head -n 1)}
if [ -z "$zip" ] || [ ! -f "$zip" ]; then
  echo "test-package: no package to test (make one with tools/package.sh)" >&2
  exit 2
fi
tree=$(cd "$(dirname "$zip")" && pwd)
run_batch=${RUN_BATCH:-$tree/test-tools/run_batch.exe}
[ -f "$run_batch" ] || { echo "test-package: no test tool $run_batch" >&2; exit 2; }
version=$(basename "$zip" | sed -n 's/^Vokanti-\(.*\)-win32\.zip$/\1/p')

work=$(mktemp -d /tmp/vokanti-package-test.XXXXXX)
export WINEPREFIX=$work/prefix
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "test-package: stopped at the time limit" >&2; exit 124' TERM INT
started=$(date +%s)
step() { echo "== $(($(date +%s) - started)) s: $*"; }
# Long steps run in the background and are waited for, so that the time limit's signal is
# handled at once (bash runs a trap only after a foreground command ends).
waited() { "$@" & wait $!; }
# Batch start of the unpacked Vokanti.exe with the sample; prints the result box's text and
# returns run_batch's exit code (0: success message, 1: another message, 2: no box or no end).
batch_start() {
  local status=0
  waited wine "$run_batch" "$(winepath -w "$program_dir/Vokanti.exe")" \
    "$(winepath -w "$program_dir/sample/sample.txt")" 60 </dev/null >"$log" 2>&1 || status=$?
  echo "result box: $(iconv -f CP932 -t UTF-8 -c "$log")"
  return "$status"
}

step "content of $(basename "$zip")"
dist=$tree/dist
[ -d "$dist" ] || dist=""
python3 - "$zip" "$version" "$dist" "$VOKANTI_ROOT/docs" <<'EOF'
import os, sys, zipfile
zip_path, version, dist, docs = sys.argv[1:]
top = f"Vokanti-{version}/"
names = {i.filename for i in zipfile.ZipFile(zip_path).infolist() if not i.is_dir()}
problems = []
outside = sorted(n for n in names if not n.startswith(top))
if outside:
    problems.append(f"outside the top folder {top}: {outside}")
files = {n[len(top):] for n in names if n.startswith(top)}
required = ["Vokanti.exe", "vokan.exe", "使い方.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt",
            "docs/使い方.md", "sample/sample.txt", "sample/sample.html",
            "dic/freedict-eng-jpn.txt", "dic/freedict-eng-jpn.COPYING.txt",
            "env/replace.COPYING.txt"]
required += ["env/" + n for n in ("dict.txt", "ignore.txt", "replace.txt", "symbol.txt",
                                  "favorite.txt", "style.css", "webdict.txt", "webwav.txt",
                                  "label.txt")]
def tree_files(root):
    return {os.path.relpath(os.path.join(d, f), root).replace(os.sep, "/")
            for d, _, fs in os.walk(root) for f in fs}
if dist:
    required += sorted(tree_files(dist))
required += ["docs/" + f for f in sorted(tree_files(docs))]
missing = sorted(set(required) - files)
if missing:
    problems.append(f"missing: {missing}")
programs = sorted(f for f in files if f.lower().endswith((".exe", ".dll", ".com", ".bat", ".cmd")))
if programs != ["Vokanti.exe", "vokan.exe"]:
    problems.append(f"programs other than Vokanti.exe and vokan.exe: {programs}")
z = zipfile.ZipFile(zip_path)
licence = z.read(top + "LICENSE.txt").decode("utf-8-sig")
if "Copyright (C) 2026 Vokanti developers" not in licence or "WITHOUT WARRANTY" not in licence:
    problems.append("LICENSE.txt lacks the copyright line or the warranty disclaimer")
notices = z.read(top + "THIRD-PARTY-NOTICES.txt").decode("utf-8-sig")
for needed in ("CC BY-SA 3.0", "WordNet", "SCOWL", "GCC RUNTIME LIBRARY EXCEPTION", "winpthreads",
               "Upstream-Name: mingw-w64"):
    if needed not in notices:
        problems.append(f"THIRD-PARTY-NOTICES.txt does not mention {needed}")
howto = z.read(top + "使い方.txt").decode("utf-8-sig")
if "docs" not in howto or "\r\n" not in howto:
    problems.append("使い方.txt does not point to docs/ or lacks CR LF line ends")
for p in problems:
    print("test-package:", p, file=sys.stderr)
sys.exit(1 if problems else 0)
EOF

# Into a folder whose name has a space and Japanese characters whose second Shift-JIS byte is
# the backslash (ソ, 表), which a path split byte by byte would cut.
unpacked="$work/ソフト 表"
step "unpacking into $unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
program_dir=$unpacked/Vokanti-$version

step "making a fresh Wine prefix"
waited make_wine_prefix
start_xvfb
trap cleanup EXIT  # start_xvfb sets its own trap; ours also removes the directory

# The profile lives in the prefix's Windows folder: the chosen output format only.
profile=$WINEPREFIX/drive_c/windows/Vokanti.INI
{
  printf '[Vokanti]\r\n'
  for key in vkndb5s csv html1 html2; do
    printf '%s=%d\r\n' "$key" "$([ "$key" = "$format" ] && echo 1 || echo 0)"
  done
} > "$profile"

step "batch start: Vokanti.exe sample\\sample.txt ($format)"
use_wine_locale
log=$work/run_batch.log
status=0
batch_start || status=$?
if [ "$status" -ne 0 ]; then
  echo "test-package: the batch run failed (run_batch exit code $status)" >&2
  exit 1
fi

step "checking the output"
outputs=("$WINEPREFIX"/drive_c/users/*/Desktop/"$output_name")
output=${outputs[0]}
if [ ! -f "$output" ]; then
  echo "test-package: no $output_name on the desktop of the prefix" >&2
  ls -la "$WINEPREFIX"/drive_c/users/*/Desktop/ >&2 || true
  exit 1
fi
python3 - "$output" "$format" "$program_dir" <<'EOF'
import html, re, sys
path, fmt, program_dir = sys.argv[1:]
data = open(path, "rb").read()
problems = []
def japanese(text):
    return re.search(r"[\u3040-\u30ff\u4e00-\u9fff]", text) is not None
def env_lines(name):
    text = open(f"{program_dir}/env/{name}", "rb").read().decode("utf-8-sig")
    return [l for l in text.splitlines() if l.strip() and not l.startswith("#")]

if fmt in ("html1", "html2"):
    try:
        page = data.decode("utf-8")
    except UnicodeDecodeError as e:
        sys.exit(f"test-package: {path} is not UTF-8: {e}")
    style = open(f"{program_dir}/env/style.css", "rb").read().decode("utf-8-sig")
    m = re.search(r"<style[^>]*>(.*?)</style>", page, re.S)
    if not m:
        problems.append("no embedded stylesheet")
    else:
        rules = [l.strip() for l in style.splitlines() if l.strip().endswith(";")]
        absent = [r for r in rules if r not in m.group(1)]
        if not rules or absent:
            problems.append(f"stylesheet lines of env/style.css missing from the page: {absent[:3]}")
    rows = re.findall(r"<tr\b.*?</tr>", page, re.S)
    marked = [r for r in rows if re.search(r"<mark>[A-Za-z][^<]*</mark>", r)]
    with_meaning = [r for r in marked if japanese(re.sub(r"<[^>]*>", "", r))]
    if len(marked) < 10:
        problems.append(f"only {len(marked)} rows with a word marked in its sentence")
    if len(with_meaning) < 10:
        problems.append(f"only {len(with_meaning)} rows with a Japanese meaning")
    if "<mark>garden</mark>" not in page.lower():
        problems.append("the sample's word 'garden' is not marked in its sentence")
    links = env_lines("webdict.txt")[: 1 if fmt == "html1" else None]
    if fmt == "html2":
        links += env_lines("webwav.txt")
    for line in links:
        url = line.split("\t", 1)[1].split("%s")[0]
        if html.escape(url, quote=True) not in page and url not in page:
            problems.append(f"no link to {url}")
    print(f"page: {len(data)} bytes, {len(marked)} rows, {len(with_meaning)} with Japanese meanings")
elif fmt == "csv":
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError as e:
        sys.exit(f"test-package: {path} is not Shift-JIS: {e}")
    lines = text.split("\r\n")
    if "\n" in text.replace("\r\n", ""):
        problems.append("line ends other than CR LF")
    rows = [l for l in lines[1:] if l]
    with_meaning = [l for l in rows if japanese(l)]
    if len(rows) < 10 or len(with_meaning) < 10:
        problems.append(f"{len(rows)} rows, {len(with_meaning)} with a Japanese meaning")
    if not any(l.lower().startswith(("garden,", '"garden"')) for l in rows):
        problems.append("no row for the sample's word 'garden'")
    print(f"csv: {len(data)} bytes, {len(rows)} rows, {len(with_meaning)} with Japanese meanings")
else:
    text = data.decode("utf-8")
    rows = text.splitlines()[1:]
    if len(rows) < 10 or not any(japanese(r) for r in rows):
        problems.append(f"{len(rows)} entries, no Japanese meaning")
    print(f"vkndb5s: {len(data)} bytes, {len(rows)} entries")
for p in problems:
    print("test-package:", p, file=sys.stderr)
sys.exit(1 if problems else 0)
EOF

# A job that fails must say so and keep what the last one made: the same start with the
# dictionary gone from the program folder.
step "batch start again without the dictionary: a failure that keeps the list"
before=$(sha256sum < "$output")
desktop_before=$(ls -A "$(dirname "$output")")
mv "$program_dir/dic/freedict-eng-jpn.txt" "$work/freedict-eng-jpn.txt"
status=0
batch_start || status=$?
if [ "$status" -ne 1 ]; then
  echo "test-package: expected a result box with an error (run_batch exit code 1), got $status" >&2
  exit 1
fi
if [ "$(sha256sum < "$output")" != "$before" ]; then
  echo "test-package: the failed job changed $output_name" >&2
  exit 1
fi
if [ "$(ls -A "$(dirname "$output")")" != "$desktop_before" ]; then
  echo "test-package: the failed job left files on the desktop:" >&2
  ls -A "$(dirname "$output")" >&2
  exit 1
fi
step "package test passed ($format)"
