#!/usr/bin/env bash
# The real game in a real X server, driven with xdotool: a first start, naming, quitting from
# the menu, coming back, a second copy, and what the window shows.
# usage: e2e_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# 1. A first start asks for a name; the new slime's size is stored at once.
fresh_folder
launch_game "$work/stderr1"
naming=$(wait_window "^ $")
check "the naming dialog, the first window, shows the slime icon" \
  bash -c "xprop -id '$naming' _NET_WM_ICON | grep -q '32 x 32'"
main=$(name_slime "Puyo")
check "the main window opens after naming" test -n "$main"
menu_bar() {  # the top 20 pixels of the main window, as picture $1
  xdotool mousemove 0 0 sleep 0.5
  import -window "$main" "$work/window.png" && convert "$work/window.png" -crop 240x20+0+0 +repage "$work/$1.png"
}
menu_bar japanese
check "a new slime's size 10 is in big.sura" test "$(hexdump_of "$work/game/big.sura")" = "0a 00"
check "the new slime is saved at once" test "$(state_of "$work/game/data.sura")" = 1

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
cp "$work/game/data.sura" "$work/named_in_japanese.sura"

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
launch_game "$work/stderr5"
if ! check "the game starts after a crash" test -n "$(wait_window "^ZUPEL$")"; then
  kill -0 "$pid" 2>/dev/null && echo "  (it is running without a window)" || echo "  (it ended)"
  cat "$work/stderr5"
fi
kill "$pid"; wait "$pid" 2>/dev/null

# 6. A save file that cannot be written is reported, not ignored.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 40
rm -f "$work/game/big.sura" && mkdir "$work/game/big.sura"
launch_game "$work/stderr6"
sleep 3
xdotool key Return 2>/dev/null
wait_exit "$pid" 50
wait "$pid"; status=$?
check "a broken save folder ends with a non-zero status ($status)" test "$status" -ne 0
check "the report names the file" grep -q "big.sura" "$work/stderr6"

# 7. A desktop in any language but Japanese gets the English game; File -> Language -> 日本語
#    switches it to the very Japanese of step 1, for good. The record is the same bytes.
in_english() { LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 "$@"; }
differ() { test "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" != 0; }
same() { ! differ "$@"; }
file_menu() { xdotool windowfocus --sync "$main" 2>/dev/null; xdotool key alt+f sleep 0.3 "$@"; }
rm "$XDG_CONFIG_HOME/zupel/zupel.conf"  # no choice made: the desktop's language
fresh_folder
in_english launch_game "$work/stderr7"
main=$(name_slime "Puyo")
menu_bar english
check "another language's desktop gets a window unlike the Japanese one" differ japanese english
file_menu key l sleep 0.3 key Return sleep 0.5  # 日本語
check "the choice is kept in the settings" grep -qx 'language=ja' "$XDG_CONFIG_HOME/zupel/zupel.conf"
file_menu key x && wait_exit "$pid" 50
in_english launch_game "$work/stderr7b"
main=$(wait_window "^ZUPEL$")
menu_bar restarted
check "the choice outlives a restart" same japanese restarted
file_menu key x && wait_exit "$pid" 50
fields() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | cut -d' ' -f2-15,20-; }  # all but the meters
check "a slime named in English is the same bytes as one named in Japanese" \
  test "$(fields "$work/game/data.sura")" = "$(fields "$work/named_in_japanese.sura")"
check "no error was reported in English" test ! -s "$work/stderr7" -a ! -s "$work/stderr7b"

finish
