#!/usr/bin/env bash
# The processor time the program takes while cards move, measured on a private virtual screen:
# the deal (from the press of New Game, which deals as the Deal button does, to the turn marker
# after the last card) and the computer's turns that follow (to the player's turn marker), with
# two and four players; against the program waiting for the player before the deal. Figures are
# the share of one core (all threads together), the wake-ups a second (the context switches of
# all threads) and the share of the main thread. A deal in which the player goes first has no
# computer turn; the runs go on until each player count has RUNS of each, or 4 x RUNS deals.
# Usage: scripts/measure_play_cpu.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-3}
game=$build/quorvane
for t in Xvfb xdotool; do command -v $t >/dev/null || { echo "needs $t"; exit 2; }; done

disp=:$((350 + RANDOM % 50))
Xvfb $disp -screen 0 1280x1024x24 >/dev/null 2>&1 & xpid=$!
work=$(mktemp -d)
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$disp QT_QPA_PLATFORM=xcb HOME=$work XDG_DATA_HOME=$work/data \
  XDG_CONFIG_HOME=$work/config

# A first start makes the profile file; "Ada" is then signed in, so that later starts are
# normal ones, and the tips window stays closed.
QUORVANE_REPORT_SHOWN=1 "$game" 2>"$work/first.log" >/dev/null & pid=$!
until grep -q '^shown ' "$work/first.log"; do
  kill -0 $pid 2>/dev/null || { echo "the program ended before its window showed"; exit 1; }
  sleep 0.05
done
kill -TERM $pid; wait $pid 2>/dev/null || true
mkdir -p "$work/config/Quorvane"
printf '[Options9]\nShow%%20Tips%%20at%%20Startup=0\n' >>"$work/config/Quorvane/Quorvane.conf"

python3 - "$game" "$work" "$runs" <<'PY'
import os, struct, subprocess, sys, threading, time

game, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
prefs = os.path.join(work, 'data/Quorvane/Data/Prefs.sav')

def set_players(n):
    data = bytearray(open(prefs, 'rb').read())
    header = bytearray(data[:756])
    header[130:150] = b'Ada'.ljust(20, b' ')
    data = header + data[756:]
    if len(data) // 756 < 2:
        data += header
    for rec in range(len(data) // 756):
        struct.pack_into('<hh', data, rec * 756 + 12, n, 4)
    open(prefs, 'wb').write(bytes(data))

def snapshot(pid):
    """CPU nanoseconds and context switches of every thread, and the main thread's CPU."""
    cpu = switches = main = 0
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            run = int(open(f'/proc/{pid}/task/{tid}/schedstat').read().split()[0])
            for line in open(f'/proc/{pid}/task/{tid}/status'):
                if 'ctxt_switches' in line:
                    switches += int(line.split()[1])
        except OSError:
            continue
        cpu += run
        if tid == str(pid):
            main = run
    return time.monotonic(), cpu, switches, main

def figures(a, b):
    span = b[0] - a[0]
    cpu = (b[1] - a[1]) / 1e9
    return dict(span=span, core=100 * cpu / span, wakeups=(b[2] - a[2]) / span,
                main=100 * (b[3] - a[3]) / max(b[1] - a[1], 1))

class Program:
    def __init__(self):
        env = dict(os.environ, QUORVANE_REPORT_SHOWN='1')
        self.p = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True)
        self.lines, self.cv = [], threading.Condition()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        for line in self.p.stderr:
            with self.cv:
                self.lines.append(line.split())
                self.cv.notify_all()

    def wait_for(self, test, timeout):
        """The first new report line that passes `test`, with a snapshot taken at once."""
        end = time.monotonic() + timeout
        with self.cv:
            seen = len(self.lines)
            while True:
                for words in self.lines[seen:]:
                    if test(words):
                        return words, snapshot(self.p.pid)
                seen = len(self.lines)
                left = end - time.monotonic()
                if left <= 0:
                    return None, None
                self.cv.wait(left)

    def end(self):
        self.p.terminate()
        try:
            self.p.wait(10)
        except subprocess.TimeoutExpired:
            self.p.kill()
            self.p.wait()

def main_window():
    out = subprocess.run(['xdotool', 'search', '--name', 'Quorvane:'], capture_output=True,
                         text=True).stdout.split()
    return out[0] if out else None

def one_deal():
    prog = Program()
    try:
        shown, _ = prog.wait_for(lambda w: w[0] == 'shown', 30)
        if not shown:
            return None
        time.sleep(2)
        idle_a = snapshot(prog.p.pid)
        time.sleep(1)
        idle = figures(idle_a, snapshot(prog.p.pid))
        # The window takes the focus once it is mapped; until then the request is refused.
        for _ in range(50):
            win = main_window()
            if win and subprocess.run(['xdotool', 'windowfocus', '--sync', win],
                                      stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.1)
        time.sleep(0.3)
        start = snapshot(prog.p.pid)
        subprocess.run(['xdotool', 'key', 'F2'], check=True)
        first, dealt = prog.wait_for(lambda w: w[0] == 'turn', 60)
        if not first:
            return None
        result = dict(idle=idle, deal=figures(start, dealt))
        if first[1] != '1':
            mine, turned = prog.wait_for(lambda w: w[:2] == ['turn', '1'], 120)
            if mine:
                result['computer'] = figures(dealt, turned)
        return result
    finally:
        prog.end()

def median(xs):
    xs = sorted(xs)
    return xs[len(xs) // 2]

def show(name, rows):
    if not rows:
        print(f'  {name}: no run')
        return
    print(f'  {name}: {median([r["core"] for r in rows]):5.1f}% of a core, '
          f'{median([r["wakeups"] for r in rows]):7.0f} wake-ups/s, '
          f'main thread {median([r["main"] for r in rows]):3.0f}% of it, '
          f'over {median([r["span"] for r in rows]):4.1f} s (median of {len(rows)})')

for players in (2, 4):
    set_players(players)
    idles, deals, turns = [], [], []
    for attempt in range(4 * runs):
        r = one_deal()
        if r is None:
            continue
        idles.append(r['idle'])
        if len(deals) < runs:
            deals.append(r['deal'])
        if 'computer' in r:
            turns.append(r['computer'])
        if len(deals) >= runs and len(turns) >= runs:
            break
    print(f'{players} players:')
    show('waiting for the player', idles)
    show('the deal', deals)
    show("the computer's turns", turns)
PY
