#!/usr/bin/env bash
# The game as a native Wayland client under weston. Weston runs as a window of the test's Xvfb
# (its x11 backend gives it a keyboard and a pointer; the headless backend has no input seat,
# and Qt 6.4 then crashes in QWaylandInputDevice::textInput). xdotool types into weston, which
# hands the keys to whichever window of ours it has focused.
# usage: wayland_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
command -v weston >/dev/null || { echo "weston is missing: scripts/deps installs it"; exit 1; }

socket=zupel-wayland
weston --backend=x11-backend.so --socket="$socket" --width=1000 --height=740 --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
check "weston is up" test -S "$XDG_RUNTIME_DIR/$socket"
# X gives the keyboard to the window under the pointer: weston's.
xdotool mousemove 500 400
sleep 2 # weston's own panel and background come up

play() { # play KEYS...: keys to the game, a moment apart
  for key in "$@"; do xdotool key "$key"; sleep 0.4; done
}
launch_wayland() {
  WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$work/game/zupel" 2>"$work/err" &
  pid=$!
}
record() { python3 "$here/sura_check.py" show "$work/game" | sed -n 's/^data.sura: //p'; }

# 1. A first start names the slime from the keyboard.
fresh_folder
cp "$game_src/zupelhelp.hlp" "$work/game/"
launch_wayland
sleep 4
xdotool type --delay 150 wl
play Return Return
for _ in $(seq 1 50); do [ -s "$work/game/data.sura" ] && break; sleep 0.1; done
check "the slime is named from the keyboard ($(record))" grep -q "name=wl " <(record)

# 2. It plays: the slider moves from the keyboard, and the menu's 終了 saves the slime with
# today's date and ends the game.
play Up alt+f x
check "the menu's quit ends the game" wait_exit "$pid" 50
wait "$pid" 2>/dev/null
status=$?
check "with status 0 (status $status)" test "$status" -eq 0
check "the slime is saved at 40 degrees, today ($(record))" \
  grep -q "ondo=40 .*state=1 lastdate=$today" <(record)

# 3. The help opens while the game runs on, and being told to end (as a desktop does when the
# session closes) saves the slime as closing the window does.
launch_wayland
sleep 4
play Down F1
sleep 1
check "the game runs on with its help open" kill -0 "$pid"
kill -TERM "$pid"
check "told to end, the game ends" wait_exit "$pid" 50
wait "$pid" 2>/dev/null
check "the slime is saved at 50 degrees ($(record))" grep -q "ondo=50 .*state=1" <(record)
check "no fault reported" test -z "$(grep -E 'ERROR|Sanitizer|runtime error|QWayland' "$work/err")"

kill "$weston" 2>/dev/null
wait "$weston" 2>/dev/null
finish
