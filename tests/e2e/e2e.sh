#!/usr/bin/env bash
# End-to-end: the built program under a real X server, driven with xdotool as
# a pupil would: menu -> Metriek -> Lengten -> one player -> name -> OK,
# answer one problem, close its explanation, leave with "Naar menu", close the
# summary; then the results file must hold the run's block. Then the same run
# once more, but the computer is shut down (SIGTERM) where "Naar menu" was
# clicked, and once while the explanation is still open: each time the
# program must end by itself and leave the block "Naar menu" would write.
#   e2e.sh <path to telkompas>
set -u
prog=$1
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: xvfb-run or xdotool is missing, no display can be made"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > drive.sh <<'INNER'
set -u
mode=$2 # menu, term, or term-in-box
"$1" 2>/dev/null &
pid=$!
fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; exit 1; }
wait_window() { # name -> window id
  for _ in $(seq 300); do # up to 30 s: a sanitizer build starts slowly under load
    w=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
key_to() { xdotool windowfocus --sync "$1" 2>/dev/null; xdotool mousemove --window "$1" 5 5; xdotool key "$2"; sleep 0.3; }

menu=$(wait_window "Menu wiskunde") || fail "the menu did not appear"
click "$menu" 275 130        # "Metriek >"
click "$menu" 101 130        # "Lengten"
click "$menu" 606 130        # option "1"
xdotool mousemove --window "$menu" 700 170
xdotool type --delay 50 "Anna"
xdotool key Return           # focus to OK
sleep 0.2
xdotool key Return           # OK
form=$(wait_window "metriek    Lengten") || fail "the metric form did not open"
# Repeats an action until a box titled "metriek" shows, and prints its id.
until_box() {
  local tries=$1; shift
  for _ in $(seq "$tries"); do
    "$@"
    for _ in $(seq 5); do
      w=$(xdotool search --onlyvisible --name "^metriek$" 2>/dev/null | head -1)
      [ -n "$w" ] && { echo "$w"; return 0; }
      sleep 0.2
    done
  done
  return 1
}
answer_one() {
  xdotool mousemove --window "$form" 100 100
  xdotool type --delay 30 "1"
  xdotool key Return
}

# The first problem comes after one timer interval; until then the box
# ignores typing. Answer "1" (wrong) until the explanation opens.
box=$(until_box 20 answer_one) || fail "no explanation box"
if [ "$mode" = term-in-box ]; then
  kill -TERM $pid
else
  key_to "$box" Return
  if [ "$mode" = menu ]; then
    # "Naar menu" works once the next problem waits (two seconds later).
    box=$(until_box 40 click "$form" 128 378) || fail "no summary box"
    key_to "$box" Return
    wait_window "Menu wiskunde" >/dev/null || fail "the menu did not come back"
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    exit 0
  fi
  sleep 3 # the next problem waits, as when "Naar menu" was clicked
  kill -TERM $pid
fi
for _ in $(seq 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "still running 30 s after SIGTERM"
wait $pid
rc=$?
[ $rc -eq 0 ] || fail "exit code $rc after SIGTERM"
exit 0
INNER

f=oefset2_1.txt
# The block without what differs from run to run: the time and the problem.
masked() { sed -e 's/^Anna: (.*/Anna: (tijd)/' -e 's/^.*Fout ,het is.*$/antwoord: fout/'; }
dashes=$(printf '%049d' 0 | tr 0 -)
blocks=0
for mode in menu term term-in-box; do
  xvfb-run -a -s "-screen 0 1280x800x24" bash drive.sh "$prog" $mode || { echo "FAIL in $mode"; exit 1; }
  [ -f "$f" ] || { echo "FAIL: no results file $f"; exit 1; }
  blocks=$((blocks + 1))
  [ "$(grep -c -- "^-\{49\}" "$f")" -eq $blocks ] || { echo "FAIL: $mode: no block"; cat "$f"; exit 1; }
  block=$(tac "$f" | awk -v d="$dashes" 'NR > 1 && index($0, d) == 1 { exit } { print }' | tac | masked)
  if [ $mode = menu ]; then
    first=$block
    grep -q "^Anna: (" "$f" || { echo "FAIL: no header line"; cat "$f"; exit 1; }
    grep -q "Fout ,het is" "$f" || { echo "FAIL: no answer line"; cat "$f"; exit 1; }
    grep -q "^eindresultaat:  0 goed van de  1" "$f" || { echo "FAIL: no end result"; cat "$f"; exit 1; }
  elif [ "$block" != "$first" ]; then
    echo "FAIL: after SIGTERM ($mode) the block differs from the one of \"Naar menu\""
    cat "$f"; exit 1
  fi
done
echo "PASS: the run's block is in $f, also after SIGTERM"
cat "$f"
