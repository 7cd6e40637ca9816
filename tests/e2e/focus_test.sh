#!/usr/bin/env bash
# A slime that calls for attention brings its window up and flags it for the player, but never
# takes the keyboard: every key typed into another window meanwhile lands in that window.
# usage: focus_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 12
launch_game
main=$(wait_window "^ZUPEL$")
check "the game's window opens" test -n "$main"
# The player turns the room down to 0 degrees (the slider has the keyboard at the start): too
# cold, the slime is weak and calls once a second from now on.
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key Up Up Up Up Up

# The other window the player types in: xev prints every key it is given.
stdbuf -oL xev -event keyboard -name typing-here >"$work/keys" 2>/dev/null &
xev=$!
other=$(wait_window "^typing-here$")
check "the other window opens" test -n "$other"
xdotool windowactivate --sync "$other" 2>/dev/null
# The pointer rests over the game while the player types elsewhere, as it often does; its
# moves are fresh events for the game, which a window manager may take as the player's own.
wiggle() { for i in $(seq 1 30); do xdotool mousemove --window "$main" $((40 + i % 2)) 40; sleep 0.1; done; }
wiggle # the slime calls three times

typed=thequickbrownfoxjumpsoverthelazydog
wiggle &
xdotool type --delay 120 "$typed"
wait $!
sleep 0.5
received=$(sed -n 's/.*XLookupString gives 1 bytes: (..) "\(.\)".*/\1/p' "$work/keys" | tr -d '\n')
# A key press and its release each print the character once.
check "every key reached the other window ($received)" \
  test "$received" = "$(sed 's/./&&/g' <<<"$typed")"
check "the other window keeps the keyboard" test "$(xdotool getactivewindow)" = "$other"
check "the game is still running" kill -0 "$pid"
# The call shows: the game's window is brought above the other, and the window manager flags
# it as wanting attention.
top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //')
check "the game's window is on top ($top)" test "$((top))" = "$main"
check "the game's window asks for attention" \
  sh -c "xprop -id $main _NET_WM_STATE | grep -q _NET_WM_STATE_DEMANDS_ATTENTION"

kill "$xev" "$pid" "$wm" 2>/dev/null
wait "$pid" 2>/dev/null
finish
