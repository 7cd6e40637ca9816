#!/usr/bin/env bash
# The game as a screen reader hears it, on the accessibility bus of a session of its own with
# the desktop's screen-reader setting on, as Orca turns it on: the untitled naming dialog is
# named and asks its question; what the slime says and each change of its status are told as
# notifications, which Orca speaks wherever the focus is, and the focus stays put; a status
# called out every second is told once; the room takes the keyboard in its turn and Space
# touches the slime, its answer told at once; F10 opens the menus; the help is a document.
# usage: screen_reader_test.sh GAME_FOLDER
set -uo pipefail
# The session's settings (the screen-reader setting among them) go to a folder of its own.
if [ -z "${ZUPEL_OWN_BUS:-}" ]; then
  exec env ZUPEL_OWN_BUS=1 XDG_CONFIG_HOME="$(mktemp -d)" dbus-run-session -- "$0" "$@"
fi
session_config=$XDG_CONFIG_HOME
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
bus() { /usr/bin/python3 "$here/a11y_bus.py" "$@" 2>>"$work/bus.err"; }
heard=$work/heard
mark() { echo "-- $1" >>"$heard"; }
since() { sed -n "/^-- $1\$/,\$p" "$heard"; }  # what was heard since the mark
wait_heard() {  # wait_heard MARK PATTERN TENTHS: PATTERN is heard after MARK within the time
  for _ in $(seq 1 "$3"); do since "$1" | grep -q "$2" && return 0; sleep 0.1; done
  return 1
}
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.3; done; }

# The listener brings up the accessibility bus; the desktop then says a screen reader runs.
bus listen >>"$heard" &
listener=$!
for _ in $(seq 1 100); do grep -q '^ready' "$heard" 2>/dev/null && break; sleep 0.1; done
check "the accessibility bus is up" grep -q '^ready' "$heard" || { kill "$listener"; finish; exit; }
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null

# 1. A first start: the naming dialog, whose title bar is blank, is named and asks its question.
fresh_folder
cp "$game_src/zupelhelp.hlp" "$work/game/"
launch_game "$work/err"
wait_window "^ $" >/dev/null
sleep 1
check "the naming dialog is named and reads out its question ($(bus show dialog))" \
  grep -qx '名前をつける|これから育てるスライムに名前をつけてあげて下さい||' <(bus show dialog)
mark opened
xdotool type --delay 50 "ぷよ"
keys Return Return
main=$(wait_window "^ZUPEL$")
xdotool windowfocus --sync "$main" 2>/dev/null  # no window manager gives it the keyboard
check "the slime's status is told as the game opens" \
  wait_heard opened '^showing|notification|スライム|様子：元気です$' 100

# 2. From the temperature, Shift+Tab reaches the room; Space touches the slime, which answers.
mark room
keys shift+Tab
check "the room takes the keyboard" wait_heard room '^focused|.*|スライムの部屋|' 20
mark touch
keys space
check "Space touches the slime and its answer is told at once" \
  wait_heard touch '^showing|notification|スライム|「.*」' 15
check "the room keeps the keyboard" test -z "$(since touch | grep '^focused')"

# 3. At 100 degrees the weak slime calls every second: told once. Fed, it is glad: told too.
mark hot
keys Tab Down Down Down Down Down
sleep 8
told=$(since hot | grep -c '^showing|notification|.*様子：弱っています')
check "a status called out every second is told once ($told times)" test "$told" -eq 1
check "and the temperature keeps the keyboard" \
  test -z "$(since hot | grep '^focused|' | grep -v '|温度|')"
mark fed
keys Up Up Up Up Up Tab space
check "its change is told" wait_heard fed '^showing|notification|.*様子：喜んでいます' 80

# 4. F10 opens the menus; F1 opens the help, a document that reads without stray characters.
mark menus
keys F10
check "F10 opens the menus" wait_heard menus '^\(showing\|focused\)|.*|ファイル(F)\?|\|^showing|.*menu|' 20
keys Escape Escape
mark help
keys F1
check "F1 brings the help to the reader as a document" \
  wait_heard help '^focused|document frame|ZUPEL ヘルプ|' 50
read -r chars replacements <<<"$(bus show 'document frame' | awk -F'|' '{print $3, $4}')"
check "it reads the whole help ($chars characters)" test "${chars:-0}" -gt 1000
check "without object-replacement characters ($replacements)" test "${replacements:-1}" -eq 0

kill -TERM "$pid"
check "the game ends as told" wait_exit "$pid" 50
check "no fault reported" test -z "$(grep -E 'ERROR|Sanitizer|runtime error' "$work/err")"
kill "$listener"
rm -rf "$session_config"
finish
