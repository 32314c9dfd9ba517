#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs the demonstration under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/install-deps.sh || exit 1
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$(nproc)" >/dev/null \
    || { echo "demo.sh: build $preset failed" >&2; exit 1; }
done
tools/wine-session.sh bash tools/demo-steps.sh
