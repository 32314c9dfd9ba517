#!/usr/bin/env bash
# Demonstration of the installation environment, faxuser and mgrassist under Wine (run inside
# tools/wine-session.sh): an installation is set up in the prefix as a user's machine has it,
# mgrassist hands a phone file to the (stand-in) fax manager, and faxuser resolves the user's
# settings, first from VRW32.INI, then from the common data of a client PC.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=$root/build/win64/demo          # x64 twins: this machine runs no 32-bit programs
# The session has found out whether 32-bit programs run here (see wine-session.sh).
[ -x "$root/build/win32/demo/faxuser-query.exe" ] && [ "$VR_WINE" = /usr/lib/wine/wine ] \
  && demo=$root/build/win32/demo
win() { "$VR_WINE" "$@" 2>/dev/null | iconv -f CP932 -t UTF-8; }
drive_c=$WINEPREFIX/drive_c
key='HKLM\Software\HALVERON\VELORIX 14'

echo "== Installation: registry values and folders"
rm -rf "$drive_c/VELORIX"
mkdir -p "$drive_c/VELORIX/CTRL" "$drive_c/VELORIX/DATA/Client/Common"
for view in 64 32; do   # the x86 programs see the 32-bit view of HKLM\Software
  "$VR_WINE" reg add "$key" /v "CTRL Folder" /d 'C:\VELORIX\CTRL\' /f /reg:$view >/dev/null 2>&1
  "$VR_WINE" reg add "$key" /v "DATA Folder" /d 'C:\VELORIX\DATA' /f /reg:$view >/dev/null 2>&1
  "$VR_WINE" reg delete "$key\\ComSys" /f /reg:$view >/dev/null 2>&1 || true
done
printf '[User]\r\nUserInfo=%s\r\nUserFont=%s\r\nUserID=%s\r\n' "株式会社ハルベロン 営業部" "ＭＳ 明朝" "user-0042" \
  | iconv -f UTF-8 -t CP932 > "$drive_c/VELORIX/CTRL/Vrw32.ini"
echo "  $key: CTRL Folder = C:\\VELORIX\\CTRL\\ , DATA Folder = C:\\VELORIX\\DATA"

echo
echo "== mgrassist C:\\電話帳\\得意先.tel"
rm -f "$demo/Vrw32.log"
"$VR_WINE" "$demo/mgrassist.exe" "C:\\電話帳\\得意先.tel" >/dev/null 2>&1
for _ in $(seq 50); do [ -s "$demo/Vrw32.log" ] && break; sleep 0.1; done
echo "  VRW32.INI now holds:"
iconv -f CP932 -t UTF-8 < "$drive_c/VELORIX/CTRL/Vrw32.ini" | sed 's/^/    /'
echo "  the fax manager stand-in was started with: $(cat "$demo/Vrw32.log")"

echo
echo "== faxuser on a PC that is not a client (settings from VRW32.INI)"
win "$demo/faxuser-query.exe" | sed 's/^/  /'

echo
echo "== faxuser on a client PC with common data (CMNHEAD=1, CMNUSERID=0, CMNDIAL=1)"
for view in 64 32; do
  "$VR_WINE" reg add "$key\\ComSys" /v Client /d 1 /f /reg:$view >/dev/null 2>&1
done
printf '[CONDITION]\r\nCMNDIAL=1\r\nCMNHEAD=1\r\nCMNUSERID=0\r\n' > "$drive_c/VELORIX/DATA/Client/Common/Common.ini"
printf '[User]\r\nUserInfo=%s\r\n' "本社 共通ヘッダ" | iconv -f UTF-8 -t CP932 > "$drive_c/VELORIX/DATA/Client/Common/HEAD.dat"
win "$demo/faxuser-query.exe" | sed 's/^/  /'
echo "  (no UserFont in HEAD.dat: the default font; the user ID still comes from VRW32.INI)"
