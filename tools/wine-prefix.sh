# Sourced (after env.sh): make_wine_prefix makes the Wine prefix named by $WINEPREFIX the way
# the project's programs and tests expect it: 32-bit, Japanese locale, the Japanese font
# names mapped to the IPA fonts, Wine drawing its own captions (no window manager under
# Xvfb), no desktop integration, user folders that stay inside the prefix, and the font of
# the caption buttons. The build tree's prefix (tools/setup.sh) and the package test's fresh
# prefix (tools/test-package.sh) are both made here.
make_wine_prefix() {
  use_wine_locale
  case $WINEPREFIX in
    /*) ;;
    *) echo "setup: the Wine prefix must be an absolute path, not $WINEPREFIX" >&2; return 1 ;;
  esac
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: Wine could not make the prefix $WINEPREFIX" >&2
    return 1
  fi
  local reg
  reg=$(mktemp --suffix=.reg)
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
    printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n"MS Shell Dlg"="IPAPGothic"\r\n"MS Shell Dlg 2"="IPAPGothic"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="Y"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\r\n"winemenubuilder.exe"="d"\r\n"mscoree"=""\r\n\r\n'
  } | iconv -f UTF-8 -t CP932 > "$reg"
  wine regedit "$(winepath -w "$reg")" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
  # The user folders of a new prefix link to $HOME: make them real folders inside the prefix.
  local d f
  for d in "$WINEPREFIX"/drive_c/users/*/; do
    for f in "$d"*; do
      if [ -L "$f" ]; then rm "$f"; mkdir -p "$f"; fi
    done
  done
  install_caption_font
}

# The caption buttons' symbols: without this font they show as letters.
install_caption_font() {
  if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}

# Makes the prefix named by $WINEPREFIX once (a second call redoes nothing); a prefix whose
# making failed is not marked ready, so the next call tries again.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.vokanti-ready" ]; then
    echo "setup: making the Wine prefix $WINEPREFIX" >&2
    make_wine_prefix || return 1
    touch "$WINEPREFIX/.vokanti-ready"
  fi
  install_caption_font
}
