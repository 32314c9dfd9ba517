#!/usr/bin/env bash
# The whole road of a faxed document, run inside tools/wine-session.sh: a sample page is
# printed through the stand-in spooler, the hook starts the stand-in fax sender
# ("VRWFAX32.EXE" in the product folder, as the default "Sender" setting names it) and hands
# the document over; the demo shows what the sender received and the faxed pages as PNG.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/demo/handoff
product=$root/dist/x64
mkspool=$root/dist/tools/mkspool
convert=/usr/bin/convert   # ImageMagick's own (a stand-in may sit earlier on PATH)
font=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf

for need in "$product/spoolrun.exe" "$product/printhook.dll" "$product/VRWFAX32.EXE" "$mkspool"; do
  [ -e "$need" ] || { echo "demo-handoff: $need is missing (build native and win64 first)" >&2; exit 1; }
done
rm -rf "$out" && mkdir -p "$out"

# One A4 page at 200 dpi, 1 bit, as the driver's rendering side would spool it.
fontopt=()
[ -f "$font" ] && fontopt=(-font "$font")
"$convert" -size 1654x2339 xc:white "${fontopt[@]}" -fill black \
  -pointsize 90 -annotate +150+300 'VELORIX 14' \
  -pointsize 70 -annotate +150+480 'お見積書 (FAX)' \
  -pointsize 40 -annotate +150+620 'printed through spoolrun, handed to the fax sender' \
  -stroke black -strokewidth 6 -fill none -draw 'rectangle 120,160 1534,700' \
  -monochrome "$out/page1.pbm" || { echo "demo-handoff: cannot draw the sample page" >&2; exit 1; }
"$mkspool" --paper 9 --xdpi 200 --ydpi 200 --document '御見積書 2026.doc' -o "$out/job.spl" \
  "$out/page1.pbm" || exit 1

# A sender left running by an earlier part of the demo would take the document instead.
if pkill -i -f 'vrwfax32\.exe' 2>/dev/null; then sleep 1; fi

# No fax program runs yet: the hook starts the sender itself, with an empty command line, so
# the stand-in takes its behaviour from the environment.
log_win=$("$VR_WINE" winepath -w "$out/fax.log" 2>/dev/null | tr -d '\r')
export VR_FAX_STANDIN="--sender --lifetime-ms 8000 --log $log_win"

echo "== spoolrun: the spooler's calls into printhook.dll"
"$VR_WINE" "$product/spoolrun.exe" "$("$VR_WINE" winepath -w "$out/job.spl" | tr -d '\r')" \
  | tr -d '\r' | tee "$out/spoolrun.txt"

echo
echo "== the stand-in fax sender's log (texts in code page 932, shown as UTF-8)"
[ -s "$out/fax.log" ] || { echo "demo-handoff: the sender logged nothing" >&2; exit 1; }
iconv -f CP932 -t UTF-8 "$out/fax.log" | sed -E 's/area=[0-9A-F]{40,}/area=<hex>/' | tee "$out/fax-utf8.log"

taken=$(grep -a 'SENDER msg=0x8000 wparam=2' "$out/fax-utf8.log" | tail -n1)
[ -n "$taken" ] || { echo "demo-handoff: the sender was not given the document" >&2; exit 1; }
doc_win=$(printf '%s\n' "$taken" | sed -E 's/.* path="([^"]*)".*/\1/')
doc_name=$(printf '%s\n' "$taken" | sed -E 's/.* name="([^"]*)".*/\1/')
doc_unix=$("$VR_WINE" winepath -u "$doc_win" 2>/dev/null | tr -d '\r')

echo
echo "== the hand-off"
echo "document path received by the sender: $doc_win"
echo "document name received by the sender: $doc_name"
[ -f "$doc_unix" ] || { echo "demo-handoff: $doc_unix does not exist" >&2; exit 1; }
file -b "$doc_unix"
"$convert" "tiff:$doc_unix" "$out/faxed-page-%d.png" || exit 1
cp "$doc_unix" "$out/faxed.tif"
echo "faxed pages as PNG: $(ls "$out"/faxed-page-*.png | tr '\n' ' ')"
