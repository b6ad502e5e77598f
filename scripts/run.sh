#!/usr/bin/env bash
# The run command: installs what is missing, builds zavora.exe and starts it under Wine
# in a prefix of its own with a virtual desktop, on your display.
#   scripts/run.sh [ZAVORA ARGUMENTS...]      e.g. scripts/run.sh /options
# Environment:
#   ZAVORA_WINEPREFIX  the prefix (default ~/.local/share/kelvra-zavora/wineprefix)
#   ZAVORA_DESKTOP     the virtual desktop's size (default 1280x800)
#   ZAVORA_WIN_BUILD   the Windows build folder (default build/windows)
# Inside the desktop: the tray icon sits at the bottom right; hold the right Alt key and
# press a letter (e) to see the popup; type into Notepad (`wine notepad` in the same prefix).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win_build="${ZAVORA_WIN_BUILD:-$root/build/windows}"
prefix="${ZAVORA_WINEPREFIX:-$HOME/.local/share/kelvra-zavora/wineprefix}"
desktop="${ZAVORA_DESKTOP:-1280x800}"

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
run.sh: no X display ($DISPLAY is empty). Kelvra Zavora is a desktop program: run this
from a graphical session, or over `ssh -X`, or start a virtual screen first:
    Xvfb :5 -screen 0 1280x800x24 &  export DISPLAY=:5
and look at it with a VNC server such as x11vnc (then connect a VNC viewer).
TEXT
  exit 1
fi

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build-windows.sh" "$win_build"

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  echo "run.sh: creating the Wine prefix $prefix"
  mkdir -p "$(dirname "$prefix")"
  wineboot -i
  wineserver -w
fi
# Every window in one virtual desktop: clicks give the focus, the keyboard hook sees the keys.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null

folder="$prefix/drive_c/KelvraZavora"
mkdir -p "$folder"
# A running copy keeps its exe open: end the prefix's programs before replacing it.
if ! cmp -s "$win_build/dist/zavora.exe" "$folder/zavora.exe"; then
  wineserver -k || true
  wineserver -w
fi
cp "$win_build/dist/"* "$folder/"

echo "run.sh: starting C:\\KelvraZavora\\zavora.exe $* (prefix $prefix, display $DISPLAY)"
exec wine 'C:\KelvraZavora\zavora.exe' "$@"
