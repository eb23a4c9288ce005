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
