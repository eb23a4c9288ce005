#!/usr/bin/env bash
# Start-up of the pupils' program to its menu beside a bare Qt window with one
# label: the two start in turn, ROUNDS times, so that noise on the machine
# falls on both alike. Prints every round, the medians, their ratios and the
# resident memory once shown.
set -euo pipefail
cd "$(dirname "$0")"
ROUNDS=${ROUNDS:-15}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# Wall time from just before the start until the window is first painted.
start() {
  local t0=${EPOCHREALTIME/./} out
  out=$("./$1" 2>/dev/null)
  echo "$out" | awk -v t0="$t0" '{printf "%.1f %d\n", ($6 - t0) / 1000, $4}'
}
libs() { ldd "$1" | awk '{print $1}' | sort; }
if [ -x ../telkompas ] && ! diff <(libs ../telkompas) <(libs startup_menu_window) >/dev/null; then
  echo "note: startup_menu_window loads other libraries than telkompas"
fi
bare="" menu=""
echo "round   bare ms  menu ms"
for i in $(seq "$ROUNDS"); do
  b=$(start startup_bare_window); m=$(start startup_menu_window)
  bare+="$b"$'\n'; menu+="$m"$'\n'
  printf "%5d %9s %8s\n" "$i" "${b% *}" "${m% *}"
done
bt=$(echo -n "$bare" | awk '{print $1}' | median); bm=$(echo -n "$bare" | awk '{print $2}' | median)
mt=$(echo -n "$menu" | awk '{print $1}' | median); mm=$(echo -n "$menu" | awk '{print $2}' | median)
echo "start-up until shown (median of $ROUNDS rounds, platform ${QT_QPA_PLATFORM:-default}):"
printf "  bare Qt window, one label: %8.1f ms %8d KiB\n" "$bt" "$bm"
printf "  telkompas menu:            %8.1f ms %8d KiB\n" "$mt" "$mm"
awk -v a="$mt" -v b="$bt" -v c="$mm" -v d="$bm" \
  'BEGIN {printf "  ratio: time %.2f (goal <= 1.15), memory %.2f (goal <= 1.15)\n", a/b, c/d}'
