#!/usr/bin/env bash
# The real game in a real X server: freezing (CANCEL, then OK from the menu), the frozen slime
# coming back, redecorating with RESET, and F1 opening the help beside the running game.
# usage: dialogs_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

freeze_from_menu() {
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+f
  sleep 0.3
  xdotool key s
  wait_window "^FREEZE$"
}
gone() {  # gone WINDOW_NAME: no visible window of that name is left
  for _ in $(seq 1 30); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# Pixels of the window showing exactly the colour $2.
pixels_of() {
  import -window "$1" "$work/window.png" 2>/dev/null
  convert "$work/window.png" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:int(mean*w*h)]' info:
}

fresh_folder
cp "$game_src/zupelhelp.hlp" "$work/game/"
python3 "$here/make_slime.py" "$work/game" --age 12 --size 20 --days-ago 1

# 1. The freeze question: Enter right away is CANCEL, and the game goes on.
launch_game "$work/stderr1"
main=$(wait_window "^ZUPEL$")
check "the saved slime comes back" test -n "$main"
sleep 0.5
check "the menu asks before freezing" test -n "$(freeze_from_menu)"
xdotool key Return
check "Enter closes the question" gone "^FREEZE$"
sleep 0.5
check "CANCEL keeps the game running" kill -0 "$pid"
check "nothing was saved by CANCEL" test "$(state_of "$work/game/data.sura")" -eq 1

# 2. OK (one Tab away from CANCEL) stores the slime frozen and ends the game at once.
check "the question comes again" test -n "$(freeze_from_menu)"
xdotool key Tab Return
check "OK ends the game" wait_exit "$pid" 50
wait "$pid"; status=$?
check "it ends with status 0 ($status)" test "$status" -eq 0
check "the slime is stored frozen" test "$(state_of "$work/game/data.sura")" -eq 2
check "with today's date" test "$(day_of "$work/game/data.sura")" -eq "$today"
check "and its size" test "$(hexdump_of "$work/game/big.sura")" = "14 00"

# 3. The frozen slime thaws at the next start; a red room from the settings.
write_settings $'bgcolor=255\nbmpdir=\n'
launch_game "$work/stderr3"
main=$(wait_window "^ZUPEL$")
check "the frozen slime comes back without a question" test -n "$main"
sleep 1
check "the room is red as the settings say" test "$(pixels_of "$main" "#FF0000")" -gt 35000

# 4. RESET in the redecorating dialog brings back the light cyan room, here and at the next start.
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key alt+o
options=$(wait_window "^模様替え$")
check "the redecorating dialog opens from the menu" test -n "$options"
sleep 0.5
xdotool mousemove --window "$options" 380 65 click 1  # RESET
check "RESET closes the dialog" gone "^模様替え$"
sleep 0.5
cyan=$(pixels_of "$main" "#C0FFFF")
check "the room is light cyan again ($cyan)" test "$cyan" -gt 35000
check "the colour setting is reset" grep -qx "bgcolor=16777152" "$XDG_CONFIG_HOME/zupel/zupel.conf"
check "the picture setting is empty" grep -qx "bmpdir=" "$XDG_CONFIG_HOME/zupel/zupel.conf"

# 5. F1 opens the help beside the game, which goes on.
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key F1
help=$(wait_window "ZUPEL ヘルプ")
check "F1 opens the help window" test -n "$help"
check "the game runs on beside the help" kill -0 "$pid"
kill "$pid"; wait "$pid" 2>/dev/null

finish
