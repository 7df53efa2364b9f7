#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 and makes the Wine prefix of the
# cross build tree. Safe to run again: what is already there is neither installed nor redone.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/env.sh"

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=no
fi
for p in cmake ninja-build g++ libgtest-dev googletest libcurl4-openssl-dev clang-14 libclang-rt-14-dev \
         dict-freedict-eng-jpn wordnet-base scowl zip unzip \
         g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev \
         wine wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick python3 fonts-ipafont-gothic locales \
         edict dict-freedict-jpn-eng; do
  have "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# The Wine prefix belongs to the cross build tree and is made once.
source "$here/tools/wine-prefix.sh"
ensure_wine_prefix
