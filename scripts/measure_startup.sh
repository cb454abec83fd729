#!/usr/bin/env bash
# Start-up time to a visible main window, against a bare Qt window, measured in one run on a
# private virtual screen: the first start (a fresh program folder) and a normal start (the
# same folder again), each repeated; then the peak memory of the program with a four-player
# table. Usage: scripts/measure_startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-7}
game=$build/quorvane
bare=$build/quorvane_bare_window
for t in Xvfb; do command -v $t >/dev/null || { echo "needs $t"; exit 2; }; done

disp=:$((300 + RANDOM % 50))
Xvfb $disp -screen 0 1280x1024x24 >/dev/null 2>&1 & xpid=$!
work=$(mktemp -d)
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$disp QT_QPA_PLATFORM=xcb

now_ms() { date +%s%3N; }
# Milliseconds from the start of a program until its window first shows, as the program
# reports it (QUORVANE_REPORT_SHOWN); the program is then ended with SIGTERM.
time_to_window() {
  local log=$work/shown.log t0 shown pid
  : > "$log"
  t0=$(now_ms)
  QUORVANE_REPORT_SHOWN=1 "$@" 2>"$log" >/dev/null & pid=$!
  until grep -q '^shown ' "$log"; do sleep 0.005; done
  shown=$(awk '/^shown / {print $2; exit}' "$log")
  kill -TERM $pid; wait $pid 2>/dev/null || true
  echo $((shown - t0))
}
# A player "Ada" signed in last, as after a first start, so the next start is a normal one.
sign_in() {
  python3 - "$1" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, 'rb').read())
header = bytearray(data[:756])
name = b'Ada'.ljust(20, b' ')
header[130:150] = name
player = bytearray(data[:756])
player[130:150] = name
open(path, 'wb').write(bytes(header) + bytes(data[756:]) + bytes(player))
PY
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

bare_times=() first_times=() normal_times=()
for ((r = 0; r < runs; r++)); do
  bare_times+=("$(time_to_window "$bare")")
  home=$work/home$r
  mkdir -p "$home"
  first_times+=("$(HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config \
                   time_to_window "$game")")
  sign_in "$home/data/Quorvane/Data/Prefs.sav"
  normal_times+=("$(HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config \
                    time_to_window "$game")")
done
b=$(printf '%s\n' "${bare_times[@]}" | median)
f=$(printf '%s\n' "${first_times[@]}" | median)
n=$(printf '%s\n' "${normal_times[@]}" | median)
echo "median ms to a visible window over $runs runs: bare Qt $b, first start $f, normal start $n"
awk -v b="$b" -v f="$f" -v n="$n" 'BEGIN {printf "ratio to the bare window: first start %.2f, normal start %.2f\n", f / b, n / b}'

# Peak memory with four players: the profile of the last normal start set to four players.
home=$work/home0
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
python3 - "$home/data/Quorvane/Data/Prefs.sav" <<'PY'
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, 'rb').read())
for rec in range(len(data) // 756):
    struct.pack_into('<hh', data, rec * 756 + 12, 4, 4)
open(path, 'wb').write(data)
PY
QUORVANE_REPORT_SHOWN=1 "$game" 2>"$work/shown.log" >/dev/null & pid=$!
until grep -q '^shown ' "$work/shown.log"; do sleep 0.05; done
sleep 2
peak=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
kill -TERM $pid; wait $pid 2>/dev/null || true
echo "peak memory with a four-player table: $((peak / 1024)) MB"
