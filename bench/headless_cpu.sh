#!/usr/bin/env bash
# CPU of the headless program with the four demo cameras (640 × 480 at 30 frames per second,
# time and guide lines on), measured from /proc over a fixed span.
# Usage: bench/headless_cpu.sh [build/bin/trelvix] [seconds]
set -euo pipefail
exe=${1:-build/bin/trelvix}
span=${2:-30}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p -m 700 "$home/run"
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/.config
"$exe" --demo --headless &
pid=$!
sleep 3
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
a=$(ticks)
sleep "$span"
b=$(ticks)
kill -TERM "$pid"
wait "$pid"
hz=$(getconf CLK_TCK)
awk -v a="$a" -v b="$b" -v hz="$hz" -v s="$span" \
  'BEGIN { printf "headless, 4 demo cameras: %.1f %% of one core over %d s\n", (b - a) * 100 / (hz * s), s }'
