#!/usr/bin/env bash
# The demonstration, run inside tools/wine-session.sh by tools/demo.sh: each part in turn.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
status=0
for part in demo-installation.sh demo-print.sh demo-handoff.sh demo-dialogs.sh; do
  [ -f "$here/$part" ] || continue
  echo
  echo "######## $part"
  bash "$here/$part" || status=1
done
exit $status
