#!/usr/bin/env bash
# Runs every benchmark program of this build folder.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in ./bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $b"
  "$b"
done
./compare_startup.sh
# Pupils meet the menu on an X display, where drawing goes to the server: the
# same comparison there, on a virtual one.
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24' ./compare_startup.sh
fi
