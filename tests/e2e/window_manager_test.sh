#!/usr/bin/env bash
# The game under a real window manager (openbox), which frames its windows: the main window is
# centred frame and all, the untitled dialogs show no title at all, and the help opens beside
# the game.
# usage: window_manager_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null' RETURN
# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# Prints the four frame extents (left right top bottom) the window manager put round a window.
frame_of() {
  xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'
}
title_of() {
  xprop -id "$1" _NET_WM_NAME | sed 's/^[^=]*= //'
}

# 1. The naming dialog's title bar is empty: no "zupel" in it.
fresh_folder
launch_game
dialog=$(wait_window "^ $")
check "the naming dialog is shown with a blank title" test -n "$dialog"
check "no window is titled with the program's name" \
  test -z "$(xdotool search --onlyvisible --name '^zupel$' 2>/dev/null)"
[ -n "$dialog" ] && check "its title is blank ($(title_of "$dialog"))" test "$(title_of "$dialog")" = '" "'
kill "$pid"; wait "$pid" 2>/dev/null

# 2. The main window is centred with its frame.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 12
launch_game
main=$(wait_window "^ZUPEL$")
check "the main window opens under the window manager" test -n "$main"
# Where a window's frame is on the screen: left right top bottom. (xdotool's own figure counts
# the frame twice.)
frame_rect() {
  local X Y WIDTH HEIGHT left right top bottom
  X=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  HEIGHT=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
  read -r left right top bottom <<<"$(frame_of "$1")"
  echo "$((X - left)) $((X + WIDTH + right)) $((Y - top)) $((Y + HEIGHT + bottom))"
}
# How far the frame's centre is off the screen's (twice over, in pixels), and its top: "dx dy top".
offset_of() {
  local l r t b top
  read -r l r t b <<<"$(frame_rect "$1")"
  read -r _ _ top _ <<<"$(frame_of "$1")"
  echo "$((l + r - 1024)) $((t + b - 768)) ${top:-0}"
}
if [ -n "$main" ]; then
  # The window manager frames the window a moment after it appears; give it up to 3 s.
  for _ in $(seq 1 30); do
    read -r dx dy top <<<"$(offset_of "$main")"
    [ "$top" -gt 0 ] && [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] && break
    sleep 0.1
  done
  check "the window is framed (top $top)" test "$top" -gt 0
  check "the frame is centred across (off by ${dx#-}/2 px)" test "${dx#-}" -le 2
  check "the frame is centred down (off by ${dy#-}/2 px)" test "${dy#-}" -le 2
fi

# 3. On this 1024 x 768 screen F1 opens the help beside the game, framed, covering none of it.
cp "$game_src/zupelhelp.hlp" "$work/game/"
xdotool windowfocus --sync "$main" key F1 2>/dev/null
help=$(wait_window "ヘルプ")
check "F1 opens the help" test -n "$help"
if [ -n "$help" ] && [ -n "$main" ]; then
  sleep 1
  read -r gl gr gt gb <<<"$(frame_rect "$main")"
  read -r hl hr ht hb <<<"$(frame_rect "$help")"
  check "the help covers none of the game ($hl..$hr beside $gl..$gr)" \
    test "$hl" -ge "$gr" -o "$hr" -le "$gl" -o "$ht" -ge "$gb" -o "$hb" -le "$gt"
  check "and stays on the screen across ($hl..$hr)" test "$hl" -ge 0 -a "$hr" -le 1024
fi
kill "$pid"; wait "$pid" 2>/dev/null

finish
