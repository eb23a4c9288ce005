#!/usr/bin/env bash
# Starts the bare window and the menu in turn, RUNS times each, and prints the
# median time until shown and the median resident memory of both, and ratios.
set -euo pipefail
cd "$(dirname "$0")"
RUNS=${RUNS:-15}
run() { for i in $(seq "$RUNS"); do "./$1" 2>/dev/null; done; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
bare=$(run startup_bare_window)
menu=$(run startup_menu_window)
bt=$(echo "$bare" | awk '{print $2}' | median); bm=$(echo "$bare" | awk '{print $4}' | median)
mt=$(echo "$menu" | awk '{print $2}' | median); mm=$(echo "$menu" | awk '{print $4}' | median)
echo "start-up until shown (median of $RUNS, platform ${QT_QPA_PLATFORM:-default}):"
printf "  bare Qt window: %8.1f ms %8d KiB\n" "$bt" "$bm"
printf "  Telkompas menu: %8.1f ms %8d KiB\n" "$mt" "$mm"
awk -v a="$mt" -v b="$bt" -v c="$mm" -v d="$bm" 'BEGIN {printf "  ratio: time %.2f (target <= 1.3), memory %.2f (target <= 1.4)\n", a/b, c/d}'
