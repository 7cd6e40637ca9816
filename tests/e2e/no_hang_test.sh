#!/usr/bin/env bash
# The real game when its X server dies under an open dialog, and when zupel.lock is a FIFO: the
# slime is saved as the window close saves it, and nothing hangs.
# usage: no_hang_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# Starts an X server that dies with the test's kill; sets xvfb2 and display.
own_x_server() {
  rm -f "$work/display2"
  Xvfb -displayfd 4 -screen 0 800x600x24 -nolisten tcp 4>"$work/display2" >/dev/null 2>&1 &
  xvfb2=$!
  for _ in $(seq 1 100); do [ -s "$work/display2" ] && break; sleep 0.1; done
  display=":$(cat "$work/display2")"
}

# Checks that the game $pid ended with status $1 and left a living slime dated today.
expect_saved() {  # expect_saved STATUS WHAT
  check "$2: the game ends" wait_exit "$pid" 100
  wait "$pid"; local status=$?
  check "$2: it ends with status $1 ($status)" test "$status" -eq "$1"
  check "$2: the record carries today's date" test "$(day_of "$work/game/data.sura")" -eq "$today"
  check "$2: the slime is stored living" test "$(state_of "$work/game/data.sura")" -eq 1
  check "$2: the lock is gone" test ! -e "$work/game/zupel.lock"
}

# 1. The X server dies while a dialog is open: its title bar's answer, then the close's save.
for keys in "alt+f s:FREEZE" "alt+o:模様替え" "alt+h a:ﾊﾞｰｼﾞｮﾝ情報"; do
  name=${keys#*:}
  fresh_folder
  python3 "$here/make_slime.py" "$work/game" --age 10 --days-ago 3
  own_x_server
  DISPLAY=$display "$work/game/zupel" 2>"$work/stderr1" &
  pid=$!
  main=$(DISPLAY=$display wait_window "^ZUPEL$") || main=""
  sleep 0.5
  for key in ${keys%:*}; do DISPLAY=$display xdotool windowfocus --sync "$main" key "$key" 2>/dev/null; sleep 0.3; done
  check "$name: the dialog opens" test -n "$(DISPLAY=$display wait_window "^$name$")"
  kill "$xvfb2"; wait "$xvfb2" 2>/dev/null
  expect_saved 1 "the X server dies under $name"
done

# 2. A FIFO as zupel.lock: a message, status 3 and no hang, and the FIFO is left alone.
fresh_folder
python3 "$here/make_slime.py" "$work/game"
mkfifo "$work/game/zupel.lock"
launch_game "$work/stderr3"
expect_report "a FIFO lock" 3 "$work/stderr3" "zupel.lock: Is a FIFO"
check "the FIFO stays" test -p "$work/game/zupel.lock"

finish
