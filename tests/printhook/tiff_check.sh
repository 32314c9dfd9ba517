#!/usr/bin/env bash
# The TIFF of the sample print, checked natively with libtiff's own tools: page count, sizes,
# compression, resolutions, and the 1-bit pages pixel for pixel against what pagecompose makes
# of the same pages (the colour page, JPEG-coded, within a small error). Needs the native
# tools (mkspool, pagecompose in dist/tools) and runs inside tools/wine-session.sh.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in mkspool pagecompose; do
  [ -x "$root/dist/tools/$tool" ] || fail "dist/tools/$tool missing: build the native preset first"
done
bash "$root/tools/demo-print.sh" "$work" > "$work/demo.out" 2>&1 || { cat "$work/demo.out"; fail "demo-print failed"; }
tif=$work/sample.tif
[ -f "$tif" ] || fail "no TIFF was made"

info=$(tiffinfo "$tif" 2>&1)
[ "$(grep -c 'TIFF Directory at' <<<"$info")" = 3 ] || fail "page count: $info"
dump=$(tiffdump "$tif")
# Per page: width, length, compression, photometric, resolution unit; in page order.
expect_tag() {  # tag-name value-list
  local got
  got=$(grep -E "^$1 " <<<"$dump" | sed -E 's/.*<(.*)>.*/\1/' | tr '\n' ' ')
  [ "$got" = "$2 " ] || fail "$1: got '$got', expected '$2'"
}
expect_tag 'ImageWidth \(256\)' '1728 1728 1728'
expect_tag 'ImageLength \(257\)' '2200 2000 1200'
expect_tag 'Compression \(259\)' '32773 32773 7'
expect_tag 'ResolutionUnit \(296\)' '2 2 2'
expect_tag 'XResolution \(282\)' '200 200 200'
expect_tag 'YResolution \(283\)' '200 200 200'
expect_tag 'PageNumber \(297\)' '0 3 1 3 2 3'

"$root/dist/tools/pagecompose" "$work/portrait.pbm" "$work/want0.pbm" >/dev/null || fail "pagecompose portrait"
"$root/dist/tools/pagecompose" --landscape "$work/landscape.pbm" "$work/want1.pbm" >/dev/null || fail "pagecompose landscape"
"$root/dist/tools/pagecompose" "$work/colour.ppm" "$work/want2.ppm" >/dev/null || fail "pagecompose colour"
for page in 0 1; do
  tiffcp -c none "$tif,$page" "$work/got$page.tif" 2>/dev/null || fail "page $page does not decode"
  diff=$(/usr/bin/compare -metric AE "$work/got$page.tif" "$work/want$page.pbm" null: 2>&1)
  [ "$diff" = 0 ] || fail "page $page: $diff pixels differ from pagecompose"
done
tiffcp -c none "$tif,2" "$work/got2.tif" 2>/dev/null || fail "colour page does not decode"
rmse=$(/usr/bin/compare -metric RMSE "$work/got2.tif" "$work/want2.ppm" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/')
awk -v e="$rmse" 'BEGIN { exit !(e < 0.05) }' || fail "colour page differs too much (normalised RMSE $rmse)"
echo "TIFF checked: 3 pages, 1-bit pages identical to pagecompose, colour RMSE $rmse"
