#!/usr/bin/env bash
# Demonstration of the print capture under Wine (run inside tools/wine-session.sh): an
# installation is set up in the prefix as a user's machine has it, a sample document of three
# pages (portrait text, landscape, colour) is made with mkspool, printed through spoolrun and
# printhook.dll, and the TIFF that lands in the transmit-data folder is shown with tiffinfo.
#   demo-print.sh [WORKDIR]   (the pages, the job file and the logs are kept in WORKDIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build/demo-print}
run=$root/build/win64/printrun          # printhook.dll, VR14DRT.dll, spoolrun.exe (x64)
mkspool=$root/dist/tools/mkspool
drive_c=$WINEPREFIX/drive_c
key='HKLM\Software\HALVERON\VELORIX 14'
mkdir -p "$work"
rm -f "$work"/*.log

echo "== Installation: registry values and folders"
mkdir -p "$drive_c/VELORIX/CTRL" "$drive_c/VELORIX/DATA"
rm -rf "$drive_c/VELORIX/DATA/TXDATA"
# VR14DRT.dll reads the 32-bit view of HKLM\Software, as the product's x86 programs do.
"$VR_WINE" reg add "$key" /v "CTRL Folder" /d 'C:\VELORIX\CTRL\' /f /reg:32 >/dev/null 2>&1
"$VR_WINE" reg add "$key" /v "DATA Folder" /d 'C:\VELORIX\DATA' /f /reg:32 >/dev/null 2>&1
printf '[VR14.DRV]\r\nFileFormat=TIFF\r\n' > "$drive_c/VELORIX/CTRL/Vrw32.ini"
echo "  $key (32-bit view): CTRL Folder = C:\\VELORIX\\CTRL\\ , DATA Folder = C:\\VELORIX\\DATA"

echo
echo "== Sample pages (A4, 200 dpi)"
# Portrait: text lines, enlarged to print size and padded to 1700 x 2200 pixels.
printf 'VELORIX 14  FAX\n\nQUOTATION No. 2009-0630\n\nTO:   HALVERON SALES\nFROM: PURCHASING\n\nITEM  QTY  PRICE\nA-100   4   12,000\nB-220  10    3,400\n' \
  | pbmtext -builtin fixed | pamenlarge 5 > "$work/text.pbm"
read -r w h < <(pamfile "$work/text.pbm" | sed -E 's/.* ([0-9]+) by ([0-9]+).*/\1 \2/')
pnmpad -white -left 100 -top 120 -right $((1600 - w)) -bottom $((2080 - h)) "$work/text.pbm" > "$work/portrait.pbm"
# Landscape: 2000 x 1700 pixels, a frame and diagonal bands.
python3 - "$work/landscape.pbm" <<'PY'
import sys
w, h = 2000, 1700
rows = bytearray()
for y in range(h):
    row = bytearray((w + 7) // 8)
    for x in range(w):
        black = x < 20 or x >= w - 20 or y < 20 or y >= h - 20 or ((x + y) // 60) % 5 == 0 and 200 < y < 1500
        if black:
            row[x // 8] |= 0x80 >> (x % 8)
    rows += row
open(sys.argv[1], 'wb').write(b'P4\n%d %d\n' % (w, h) + bytes(rows))
PY
# Colour: 1600 x 1200 pixels of colour gradients.
python3 - "$work/colour.ppm" <<'PY'
import sys
w, h = 1600, 1200
data = bytearray()
for y in range(h):
    for x in range(w):
        data += bytes((x * 255 // w, y * 255 // h, 255 - x * 255 // w if (x // 100 + y // 100) % 2 else 64))
open(sys.argv[1], 'wb').write(b'P6\n%d %d\n255\n' % (w, h) + bytes(data))
PY
for page in portrait.pbm landscape.pbm colour.ppm; do echo "  $page: $(pamfile "$work/$page" | cut -d: -f2-)"; done

echo
echo "== mkspool: the job file"
"$mkspool" --document "見積書 2009.06.30" -o "$work/sample.spl" "$work/portrait.pbm" \
  --landscape "$work/landscape.pbm" --portrait "$work/colour.ppm" | sed 's/^/  /'

echo
echo "== spoolrun sample.spl (printhook.dll and the VR14DRT.dll stand-in beside it)"
cp "$work/sample.spl" "$drive_c/VELORIX/sample.spl"
VR14DRT_LOG='C:\VELORIX\writer.log' "$VR_WINE" "$run/spoolrun.exe" 'C:\VELORIX\sample.spl' 2>/dev/null \
  | tr -d '\r' | sed 's/^/  /'
echo "  the writer was called:"
tr -d '\r' < "$drive_c/VELORIX/writer.log" | sed 's/^/    /'
mv "$drive_c/VELORIX/writer.log" "$work/writer.log"

echo
echo "== The transmit-data folder C:\\VELORIX\\DATA\\TXDATA"
ls -l "$drive_c/VELORIX/DATA/TXDATA" | tail -n +2 | sed 's/^/  /'
tiff=$(ls "$drive_c/VELORIX/DATA/TXDATA"/*.'$$$' | head -1)
cp "$tiff" "$work/sample.tif"
echo
echo "== tiffinfo of it"
tiffinfo "$tiff" 2>&1 | sed 's/^/  /'
