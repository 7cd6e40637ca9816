#!/usr/bin/env bash
# What the running game costs the machine: the real program (Release) under Xvfb with a grown
# slime wandering and dancing, for 60 s at room temperature 50 and 80 (80 is the fastest pace).
# Prints the CPU seconds it used (from /proc) and its peak resident memory.
# usage: bench/window_cpu.sh [SECONDS]   (builds build/ when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if [ -z "${ZUPEL_IN_XVFB:-}" ]; then
  [ -x build/zupel/zupel ] || scripts/build release >/dev/null
  ZUPEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
trap 'pkill -f "$work/game/zupel" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
ticks=$(getconf CLK_TCK)

printf '%-12s %10s %12s %14s\n' "temperature" "seconds" "CPU seconds" "peak RSS (MiB)"
for ondo in 50 80; do
  rm -rf "$work/game" && mkdir -p "$work/game"
  cp build/zupel/zupel build/zupel/*.wav "$work/game/"
  python3 tests/e2e/make_slime.py "$work/game" --age 25 --ondo "$ondo" --words "ぷよ,すき,げんき"
  "$work/game/zupel" 2>/dev/null &
  pid=$!
  sleep 2  # start-up is not what we measure
  read -r -a before < <(cut -d' ' -f14,15 "/proc/$pid/stat")
  sleep "$seconds"
  read -r -a after < <(cut -d' ' -f14,15 "/proc/$pid/stat")
  peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  cpu=$(( (after[0] + after[1]) - (before[0] + before[1]) ))
  printf '%-12s %10s %12s %14s\n' "$ondo" "$seconds" \
    "$(awk -v t="$cpu" -v hz="$ticks" 'BEGIN {printf "%.2f", t / hz}')" \
    "$(awk -v k="$peak_kb" 'BEGIN {printf "%.1f", k / 1024}')"
done
