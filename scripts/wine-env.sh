# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine. Wine's 64-bit
# loader only: this machine runs no 32-bit programs, and the plain `wine`
# launcher would pick the 32-bit one.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$wine64" ] || { echo "wine: no wine64 (install the wine64 package)" >&2; exit 1; }
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to fetch Mono or Gecko, which nothing here uses.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Makes the Wine prefix $1 once (several tests may ask at the same time).
# Its programs run on a virtual desktop, a screen of Wine's own with title
# bars, where closing a window does not wait 2 s for a window manager that
# the test display lacks. The Windows Chinese faces are mapped to an
# installed CJK font, or Han text would show as boxes: WenQuanYi Micro Hei
# first, whose line is about one em like SimSun's, so that the boxes look
# as they do on Windows.
wine_prefix() {
  local prefix=$1
  [ -f "$prefix/.ready" ] && return 0
  mkdir -p "$prefix"
  (
    flock 9
    [ -f "$prefix/.ready" ] && exit 0
    export WINEPREFIX=$prefix
    "$wine64" wineboot --init >/dev/null 2>&1
    # Wine's symbol font, for the glyphs of its title bar buttons.
    [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
    "$wine64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
      >/dev/null 2>&1
    local font face
    font=$(fc-list -q 'WenQuanYi Micro Hei' && echo 'WenQuanYi Micro Hei' || echo 'Noto Sans CJK SC')
    for face in SimSun NSimSun 宋体 新宋体 SimHei 黑体 'Microsoft YaHei' 'Microsoft YaHei UI' 微软雅黑; do
      "$wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$font" /f \
        >/dev/null 2>&1
    done
    "$wineserver" -w  # the settings saved, and in force from the next start
    touch "$prefix/.ready"
  ) 9>"$prefix.lock"
}

# Makes the prefix $1 if need be and starts Wine's own services in it, with
# their output going nowhere: started by a test instead, they would inherit
# its output, and ctest would wait for them to close it.
wine_session() {
  wine_prefix "$1"
  WINEPREFIX=$1 "$wine64" wineboot </dev/null >/dev/null 2>&1
}

# A Wine server of its own for prefix $1 on this script's display, kept
# running until the script stops it ("$wineserver" -k): a server left from
# earlier would know another display, and one server spares every program
# that follows a cold start.
wine_display_session() {
  wine_prefix "$1"
  if WINEPREFIX=$1 "$wineserver" -k 2>/dev/null; then WINEPREFIX=$1 "$wineserver" -w || true; fi
  WINEPREFIX=$1 "$wineserver" -p
  wine_session "$1"
}
