#!/usr/bin/env bash
# wine-session.sh COMMAND...: runs COMMAND with a ready Wine environment and cleans up after it.
#   - a 64-bit Wine prefix kept under build/wineprefix (32- and 64-bit programs share it)
#   - an Xvfb display of its own (the number is chosen by Xvfb), so windows can be made
#   - LANG=ja_JP.UTF-8: the ANSI code page is 932
# The prefix's wineserver and the display are ended when COMMAND ends, whatever its result.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

export WINEPREFIX=${VR_WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
mkdir -p "$(dirname "$WINEPREFIX")"

# 32-bit Windows programs need Wine's 32-bit loader, an i386 Linux program. Where the kernel
# runs no 32-bit programs, the session uses the 64-bit loader alone (64-bit programs only).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export VR_WINE=/usr/lib/wine/wine
else
  export VR_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
fi
export WINESERVER=/usr/lib/wine/wineserver
wineserver() { "$WINESERVER" "$@"; }

# A wineserver left from a run without this display would keep windows failing.
wineserver -k 2>/dev/null || true

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
if [ ! -s "$displayfile" ]; then
  echo "wine-session: Xvfb did not start" >&2
  kill "$xvfb_pid" 2>/dev/null
  exit 1
fi
export DISPLAY=:$(head -n1 "$displayfile")
rm -f "$displayfile"

cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-session: preparing the Wine prefix $WINEPREFIX" >&2
  "$VR_WINE" wineboot -i >/dev/null 2>&1
  wineserver -k 2>/dev/null; sleep 0.5   # the first start ends with the boot; the session starts its own server
fi
# Start the server and Wine's own background processes (services, the desktop window) once,
# detached from our output: a child holding the caller's pipe open would keep ctest waiting.
wineserver -p </dev/null >/dev/null 2>&1
"$VR_WINE" cmd /c exit </dev/null >/dev/null 2>&1

"$@"
