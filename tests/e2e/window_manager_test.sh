#!/usr/bin/env bash
# The game under a real window manager (openbox), which frames its windows: the main window is
# centred frame and all, and the untitled dialogs show no title at all.
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
# How far the frame's centre is off the screen's (twice over, in pixels): "dx dy top".
offset_of() {
  local X Y WIDTH HEIGHT left right top bottom
  # Where the client area is on the screen (xdotool's own figure counts the frame twice).
  X=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  HEIGHT=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
  read -r left right top bottom <<<"$(frame_of "$1")"
  echo "$(((X - left) * 2 + WIDTH + left + right - 1024)) $(((Y - top) * 2 + HEIGHT + top + bottom - 768)) ${top:-0}"
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
kill "$pid"; wait "$pid" 2>/dev/null

finish
