#!/usr/bin/env bash
# The game on today's desktops.
# Under openbox: a slime calling for attention brings its window up and flags it, but every key
# the player types into another window meanwhile lands there.
# Under weston, as a native Wayland client: named, played, helped and saved, also when the
# compositor itself goes away. Weston runs in our Xvfb (its x11 backend has a keyboard and a
# pointer; the headless one has no input seat, and Qt 6.4 then crashes in
# QWaylandInputDevice::textInput).
# usage: desktop_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
record() { python3 "$here/sura_check.py" show "$work/game" | sed -n 's/^data.sura: //p'; }
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.4; done; }

# 1. Openbox. The slider has the keyboard at the start: five steps up make the room 0 degrees,
# too cold, and the slime calls once a second from then on.
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 12
launch_game
main=$(wait_window "^ZUPEL$")
xdotool windowactivate --sync "$main" key Up Up Up Up Up 2>/dev/null
stdbuf -oL xev -event keyboard -name typing-here >"$work/keys" 2>/dev/null & # prints each key
xev=$!
other=$(wait_window "^typing-here$")
xdotool windowactivate --sync "$other" 2>/dev/null
# The pointer rests over the game meanwhile: its moves are fresh events for the game.
wiggle() { for i in $(seq 1 30); do xdotool mousemove --window "$main" $((40 + i % 2)) 40; sleep 0.1; done; }
wiggle &
xdotool type --delay 120 thequickbrownfox
wait $!
received=$(sed -n 's/.*XLookupString gives 1 bytes: (..) "\(.\)".*/\1/p' "$work/keys" | tr -d '\n')
check "every key, pressed and released, reached the other window ($received)" \
  test "$received" = tthheeqquuiicckkbbrroowwnnffooxx
check "the other window keeps the keyboard" test "$(xdotool getactivewindow)" = "$other"
top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //')
check "the calling game is raised on top" test "$((top))" = "$main"
check "and flagged as wanting attention" \
  grep -q DEMANDS_ATTENTION <(xprop -id "$main" _NET_WM_STATE)
kill "$xev" "$pid" "$wm" 2>/dev/null
wait "$pid" "$wm" 2>/dev/null

# 2. Weston.
socket=zupel-wayland
weston --backend=x11-backend.so --socket="$socket" --width=1000 --height=740 --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
xdotool mousemove 500 400 # X gives the keyboard to the window under the pointer: weston's
sleep 2                   # its panel and background come up
launch_wayland() { WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$work/game/zupel" 2>>"$work/err" & pid=$!; sleep 4; }
fresh_folder
cp "$game_src/zupelhelp.hlp" "$work/game/"
launch_wayland
xdotool type --delay 150 wl
keys Return Return
for _ in $(seq 1 50); do [ -s "$work/game/data.sura" ] && break; sleep 0.1; done
sleep 3 # the slime's window comes up
keys Up alt+f x # 40 degrees; 終了 from the menu
check "under Wayland the menu's quit ends the game" wait_exit "$pid" 50 || kill -9 "$pid"
wait "$pid"
check "with status 0 ($?)" test $? -eq 0
check "the named slime is saved at 40 degrees, today ($(record))" \
  grep -q "name=wl .*ondo=40 .*state=1 lastdate=$today" <(record)
launch_wayland
keys Down F1
check "the game runs on with its help open" kill -0 "$pid"
kill -TERM "$pid" # as a desktop ends its session: saved as a closed window is
check "told to end, it ends" wait_exit "$pid" 50 || kill -9 "$pid"
check "saved at 50 degrees ($(record))" grep -q "ondo=50 .*state=1" <(record)
python3 "$here/make_slime.py" "$work/game" --age 10 --days-ago 3 --ondo 50
launch_wayland
keys Up
kill -9 "$weston" # the compositor goes away under a running game: saved as a closed window is
check "without its compositor the game ends" wait_exit "$pid" 100 || kill -9 "$pid"
wait "$pid"
check "with status 1 ($?)" test $? -eq 1
check "saved at 40 degrees, today ($(record))" grep -q "ondo=40 .*state=1 lastdate=$today" <(record)
check "its lock is gone" test ! -e "$work/game/zupel.lock"
check "no fault reported" test -z "$(grep -E 'ERROR|Sanitizer|runtime error' "$work/err")"
finish
