#!/usr/bin/env bash
# Makes an HTML2 page (with its question set) from the sample document with the shipped
# env/ files and demo dictionary, and takes screenshots of both with headless Chromium:
#   <tree>/html2-page.html, <tree>/html2-page.png, <tree>/html2-page_q.html, <tree>/html2-page_q.png
# Usage: tools/html-screenshot.sh [native build tree]   (default: build/native)
# Installs Debian's chromium and fonts-ipafont-gothic when they are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
tree=$(cd "${1:-$NATIVE_BUILD}" && pwd)
vokan=$tree/vokan
dist=$tree/dist
if [ ! -x "$vokan" ] || [ ! -f "$dist/env/style.css" ] || [ ! -f "$dist/sample/sample.txt" ]; then
  echo "html-screenshot: build the native tree first ($vokan and $dist are needed)" >&2
  exit 1
fi

missing=()
command -v chromium >/dev/null 2>&1 || missing+=(chromium)
fc-list 2>/dev/null | grep -q IPAPGothic || missing+=(fonts-ipafont-gothic)
if [ ${#missing[@]} -gt 0 ]; then
  echo "html-screenshot: installing ${missing[*]}"
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
  elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "html-screenshot: please install ${missing[*]} (apt-get install ${missing[*]})" >&2
    exit 1
  fi
fi

work=$(mktemp -d)
profile=$(mktemp -d)
trap 'rm -rf "$work" "$profile"' EXIT

# The engine finds env/ beside its own executable: a program folder with the dist image.
cp "$vokan" "$work/vokan"
ln -s "$dist/env" "$work/env"
ln -s "$dist/dic" "$work/dic"
page=$tree/html2-page.html
(cd "$work" && ./vokan -X -q 10 -C 40 -i "$dist/sample/sample.txt" -o "$page")

shoot() {
  timeout 25 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --hide-scrollbars --user-data-dir="$profile" \
    --screenshot="$2" --window-size=1000,1200 "file://$1" >/dev/null 2>&1
  [ -s "$2" ] || { echo "html-screenshot: chromium made no screenshot of $1" >&2; exit 1; }
  echo "Screenshot: $2"
}
shoot "$page" "${page%.html}.png"
shoot "${page%.html}_q.html" "${page%.html}_q.png"
