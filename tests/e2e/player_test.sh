#!/usr/bin/env bash
# The player's side in the real window: teaching a word, touching the slime, and playing with
# it, each once, driven with xdotool and checked in the save files and on the screen.
# usage: player_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# Where the window's controls are, from the client area's top-left corner, in pixels.
TALK_BUTTON="428 28"
PLAY_BUTTON="372 28"
ROOM_OFFSET="7 16"
SPEECH_LINE="9 224 197 21"  # inside the speech line's border: x y width height

shot() { import -window root "$work/shot.png"; }

# The room is the only light cyan box: prints its top-left corner on the screen.
find_room() {
  convert "$work/shot.png" -fill black +opaque '#C0FFFF' -fill white -opaque '#C0FFFF' \
    -format '%@' info: | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/'
}

# The slime is whatever is not room colour inside the room: prints its centre in room pixels.
find_slime() {  # find_slime ROOM_X ROOM_Y
  convert "$work/shot.png" -crop "200x200+$1+$2" +repage -fill black +opaque '#C0FFFF' \
    -format '%@' info: |
    sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/' |
    { read -r w h x y; echo "$((x + w / 2)) $((y + h / 2))"; }
}

# Pixels of the speech line that are not its white background: its text.
speech_ink() {
  read -r x y w h <<<"$SPEECH_LINE"
  convert "$work/shot.png" -crop "${w}x${h}+$((client_x + x))+$((client_y + y))" +repage \
    -fill black +opaque white -format '%[fx:int((1-mean)*w*h)]' info:
}

# Starts the game on the slime in the game folder and finds its window's client area.
start_game() {
  "$work/game/zupel" 2>"$work/stderr" &
  pid=$!
  main=$(wait_window "^ZUPEL$")
  sleep 1
  shot
  read -r room_x room_y <<<"$(find_room)"
  read -r dx dy <<<"$ROOM_OFFSET"
  client_x=$((room_x - dx))
  client_y=$((room_y - dy))
}

click_at() {  # click_at "X Y" (client pixels)
  read -r x y <<<"$1"
  xdotool mousemove $((client_x + x)) $((client_y + y)) click 1
}

quit_game() {
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+f
  sleep 0.3
  xdotool key x
  wait_exit "$pid" 50
  wait "$pid"
}

int16_at() { od -An -td2 -j"$2" -N2 "$1" | tr -d ' '; }

# 1. Teaching: with thirty words known a new word is learned within a few tries, and lands in
#    word.sura at once; the count follows with the pet record at the quit.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 40 --words "$(seq -s, -f 'w%02g' 1 30)"
start_game
check "the window and its room are found" test -n "$main" -a -n "$room_x"
click_at "$TALK_BUTTON"
sleep 0.3
for _ in 1 2 3 4 5 6; do
  xdotool type --delay 30 "hello"
  xdotool key Return
  sleep 0.3
  [ "$(stat -c %s "$work/game/word.sura")" -gt 600 ] && break
done
check "the taught word is stored at once as record 31" \
  test "$(tail -c 20 "$work/game/word.sura")" = "hello               "
check "only one word was stored" test "$(stat -c %s "$work/game/word.sura")" -eq 620
quit_game
check "the word count reaches data.sura at the quit" test "$(int16_at "$work/game/data.sura" 20)" -eq 31

# 2. Touching: a slime that knows no words says nothing on its own, so the speech line shows
#    only its answer to the click.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 3
start_game
check "the speech line starts empty" test "$(speech_ink)" -eq 0
ink=0
for _ in 1 2 3; do  # it may have walked on between the screenshot and the click
  shot
  click_at "$(find_slime "$room_x" "$room_y" | awk -v dx="$dx" -v dy="$dy" '{print $1 + dx, $2 + dy}')"
  sleep 0.3
  shot
  ink=$(speech_ink)
  [ "$ink" -gt 0 ] && break
done
check "the slime answers a click in the speech line ($ink pixels of text)" test "$ink" -gt 0
quit_game

# 3. Playing: the slime chases the toy to where it is held over the room, and its play meter
#    stays full.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 3
start_game
click_at "$PLAY_BUTTON"
sleep 0.2
target_x=140
target_y=50  # the bell, 20 pixels below the pointer
click_x=$((dx + target_x))
click_y=$((dy + target_y - 20))
xdotool mousemove $((client_x + click_x - 1)) $((client_y + click_y))
xdotool mousemove $((client_x + click_x)) $((client_y + click_y))
sleep 12
shot
read -r sx sy <<<"$(find_slime "$room_x" "$room_y")"
near() { local d=$(($1 - $2)); [ "${d#-}" -le 10 ]; }
check "the slime has run to the toy (at $sx,$sy)" near "$sx" "$target_x"
check "and is level with it (at $sx,$sy)" near "$sy" "$target_y"
quit_game
check "its play meter is full" test "$(int16_at "$work/game/data.sura" 14)" -eq 1000
check "no error was reported" test ! -s "$work/stderr"

finish
