#!/usr/bin/env bash
# The real game in a real X server, driven with xdotool: a first start, naming, quitting from
# the menu, coming back, a second copy, and what the window shows.
# usage: e2e_test.sh GAME_FOLDER
# It starts an Xvfb of its own on a display number the server picks itself. The server must
# not reset when its last client goes (a killed game), or the next start finds it closed.
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'pkill -f "$work/game/zupel" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}:detect_leaks=0"
passed=0
failed=0

check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; return 1; fi
}

fresh_folder() {
  rm -rf "$work/game" && mkdir -p "$work/game" && cp "$game_src"/zupel "$game_src"/*.wav "$work/game/"
}

# Waits for a window whose name matches $1; prints its id.
wait_window() {
  local id
  for _ in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

hexdump_of() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
state_of() { od -An -td2 -j22 -N2 "$1" | tr -d ' '; }
wait_exit() {  # wait_exit PID TENTHS
  for _ in $(seq 1 "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# 1. A first start asks for a name; the new slime's size is stored at once.
fresh_folder
"$work/game/zupel" 2>"$work/stderr1" &
pid=$!
dialog=$(wait_window "^$") || dialog=""
sleep 1
xdotool type --delay 50 "Puyo"
xdotool key Return
sleep 0.3
xdotool key Return
main=$(wait_window "^ZUPEL$")
check "the main window opens after naming" test -n "$main"
sleep 0.5
check "a new slime's size 10 is in big.sura" test "$(hexdump_of "$work/game/big.sura")" = "0a 00"
check "the record waits for the quit" test ! -s "$work/game/data.sura"

# 2. The window shows the slime in its light cyan room.
import -window root "$work/shot.png"
check "the room is light cyan" test "$(convert "$work/shot.png" -format '%[fx:int(255*p{0,0}.r)]' info: 2>/dev/null)" != ""
room_px=$(convert "$work/shot.png" -fill black +opaque '#C0FFFF' -format '%[fx:int(mean*w*h)]' info:)
check "the room fills about 200 x 200 pixels ($room_px)" test "$room_px" -gt 35000

# 3. Quitting from the menu saves the slime with today's date.
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key alt+f
sleep 0.3
xdotool key x
check "the menu quit ends the game" wait_exit "$pid" 50
wait "$pid"; status=$?
check "it ends with status 0" test "$status" -eq 0
check "data.sura holds one 32-byte record" test "$(stat -c %s "$work/game/data.sura")" -eq 32
check "the name is stored in its 10 bytes" test "$(head -c 10 "$work/game/data.sura")" = "Puyo      "
check "the slime is stored living" test "$(state_of "$work/game/data.sura")" -eq 1
check "no audio warning reaches the player" bash -c "! grep -qiE 'audio|pulse' '$work/stderr1'"

# 4. It comes back without the naming dialog; a second copy ends within a second.
before=$(md5sum "$work/game"/*.sura)
"$work/game/zupel" &
pid=$!
main=$(wait_window "^ZUPEL$")
check "a saved slime comes back" test -n "$main"
start=$(date +%s%N)
"$work/game/zupel"
second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
check "the second copy ends with status 0 ($second)" test "$second" -eq 0
check "the second copy ends within a second (${elapsed_ms} ms)" test "$elapsed_ms" -lt 1000
check "the second copy leaves the files untouched" test "$before" = "$(md5sum "$work/game"/*.sura)"
check "the first copy still runs" kill -0 "$pid"
kill -9 "$pid"; wait "$pid" 2>/dev/null

# 5. After a crash the lock is stale and the game starts again.
"$work/game/zupel" 2>"$work/stderr5" &
pid=$!
if ! check "the game starts after a crash" test -n "$(wait_window "^ZUPEL$")"; then
  kill -0 "$pid" 2>/dev/null && echo "  (it is running without a window)" || echo "  (it ended)"
  cat "$work/stderr5"
fi
kill "$pid"; wait "$pid" 2>/dev/null

# 6. A save file that cannot be written is reported, not ignored.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 40
rm -f "$work/game/big.sura" && mkdir "$work/game/big.sura"
"$work/game/zupel" 2>"$work/stderr6" &
pid=$!
sleep 3
xdotool key Return 2>/dev/null
wait_exit "$pid" 50
wait "$pid"; status=$?
check "a broken save folder ends with a non-zero status ($status)" test "$status" -ne 0
check "the report names the file" grep -q "big.sura" "$work/stderr6"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
