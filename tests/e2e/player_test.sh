#!/usr/bin/env bash
# The player's side in the real window, once each: teach a word, touch the slime, play with it.
# usage: player_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

shot() { import -window root "$work/shot.png"; }
# The slime's centre in room pixels: the middle of what is not room colour in the room.
slime() {
  convert "$work/shot.png" -crop "200x200+$room_x+$room_y" +repage -fill black +opaque '#C0FFFF' \
    -format '%@' info: | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/' |
    { read -r w h x y; echo "$((x + w / 2)) $((y + h / 2))"; }
}
# Pixels of text in the speech line (client 9,224, 197 x 21 inside its border).
speech_ink() {
  convert "$work/shot.png" -crop "197x21+$((room_x + 2))+$((room_y + 208))" +repage \
    -fill black +opaque white -format '%[fx:int((1-mean)*w*h)]' info:
}
# Clicks at client pixels; the room's top-left corner is at client (7, 16).
click_at() { xdotool mousemove $((room_x - 7 + $1)) $((room_y - 16 + $2)) click 1; }
int16_at() { od -An -td2 -j"$2" -N2 "$work/game/$1" | tr -d ' '; }

start_game() {
  fresh_folder
  python3 "$here/make_slime.py" "$work/game" "$@"
  launch_game "$work/stderr"
  main=$(wait_window "^ZUPEL$")
  sleep 1
  shot
  # The room is the light cyan box: turn everything else black and find the cyan.
  read -r room_x room_y _ <<<"$(convert "$work/shot.png" -fill black +opaque '#C0FFFF' \
    -fill white -opaque '#C0FFFF' -format '%@' info: | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')"
}
quit_game() {
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+f sleep 0.3 key x
  wait_exit "$pid" 50
  check "no error was reported" test ! -s "$work/stderr"
}

# 1. Teach: with thirty words known a new word is learned within a few tries; it is in
#    word.sura at once, and its count in data.sura after the quit.
start_game --age 40 --words "$(seq -s, -f 'w%02g' 1 30)"
click_at 428 28  # talk
sleep 0.3
for _ in 1 2 3 4 5 6; do
  xdotool type --delay 30 "hello"
  xdotool key Return sleep 0.3
  [ "$(stat -c %s "$work/game/word.sura")" -gt 600 ] && break
done
check "the taught word is record 31 of word.sura" test "$(tail -c 20 "$work/game/word.sura")" = "hello               "
check "it is stored once" test "$(stat -c %s "$work/game/word.sura")" -eq 620
quit_game
check "the word count reaches data.sura at the quit" test "$(int16_at data.sura 20)" -eq 31

# 2. Touch: a slime that knows no words never speaks on its own, so text in the speech line is
#    its answer to the click.
start_game --age 3
check "the speech line starts empty" test "$(speech_ink)" -eq 0
for _ in 1 2 3; do  # it may walk on between the screenshot and the click
  read -r sx sy <<<"$(slime)"
  click_at $((7 + sx)) $((16 + sy))
  sleep 0.3
  shot
  [ "$(speech_ink)" -gt 0 ] && break
done
check "the slime answers a click in the speech line" test "$(speech_ink)" -gt 0
quit_game

# 3. Play: the slime runs to the toy held over the room (its bell hangs 20 pixels below the
#    pointer), and its play meter stays full.
start_game --age 3
click_at 372 28  # play
xdotool mousemove $((room_x + 139)) $((room_y + 30)) mousemove $((room_x + 140)) $((room_y + 30))
near() { local d=$(($1 - $2)); [ "${d#-}" -le 10 ]; }
at_toy() { near "$sx" 140 && near "$sy" 50; }
for _ in $(seq 1 25); do  # a step every half second; jumps are slower than walks
  sleep 1
  shot
  read -r sx sy <<<"$(slime)"
  at_toy && break
done
check "the slime has run to the toy at 140,50 (it is at $sx,$sy)" at_toy
quit_game
# Each chase tick fills it to 1000; a meter tick between the last chase tick and the quit takes one.
check "its play meter is full ($(int16_at data.sura 14))" test "$(int16_at data.sura 14)" -ge 999

# 4. Ended by SIGTERM in the middle of play: saved as a close saves it, the full play meter with
#    it, and the lock released.
start_game --age 3
click_at 372 28  # play
xdotool mousemove $((room_x + 100)) $((room_y + 60))
sleep 1.5
kill -TERM "$pid"
check "SIGTERM during play ends the game" wait_exit "$pid" 50
wait "$pid"; status=$?
check "it ends with status 0 ($status)" test "$status" -eq 0
check "the slime is stored living" test "$(int16_at data.sura 22)" -eq 1
check "with the play meter the chase filled ($(int16_at data.sura 14))" test "$(int16_at data.sura 14)" -ge 999
check "the lock is released" test ! -e "$work/game/zupel.lock"

finish
