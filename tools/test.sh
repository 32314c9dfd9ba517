#!/usr/bin/env bash
# Runs every test: native, native under AddressSanitizer and UBSan, and the Windows builds
# under Wine (Xvfb display, Japanese locale). Installs what is missing first.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh || { echo "test.sh: installing the dependencies failed" >&2; exit 1; }

jobs=$(nproc)
for preset in native native-asan win32 win64; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null || { echo "test.sh: configure $preset failed" >&2; exit 1; }
  cmake --build --preset "$preset" -j "$jobs" || { echo "test.sh: build $preset failed" >&2; exit 1; }
done

logdir=$root/build/test-logs
mkdir -p "$logdir"
status=0
# run_ctest PRESET [JOBS]: ctest in that build, its output kept for the summary.
run_ctest() {
  echo "== test $1"
  ctest --preset "$1" -j "${2:-$jobs}" 2>&1 | tee "$logdir/$1.log"
  return "${PIPESTATUS[0]}"
}
export -f run_ctest
export logdir jobs
run_ctest native || status=1
run_ctest native-asan || status=1
# Wine tests share one prefix (registry, folders): they run one at a time.
tools/wine-session.sh bash -c '
  s=0
  for p in win32 win64; do run_ctest "$p" 1 || s=1; done
  exit $s' || status=1

passed=0 failed=0
for log in "$logdir"/{native,native-asan,win32,win64}.log; do
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  [ -n "$line" ] || { echo "test.sh: no ctest summary in $log" >&2; status=1; continue; }
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
done
[ "$failed" = 0 ] || status=1
echo "$passed passed, $failed failed"
exit $status
