#!/usr/bin/env bash
# The game as a screen reader (Orca) hears it on the accessibility bus of a session of its own:
# news comes as notifications, which Orca speaks wherever the focus is.
# usage: screen_reader_test.sh GAME_FOLDER
set -uo pipefail
if [ -z "${ZUPEL_OWN_BUS:-}" ]; then  # the session's settings go to a folder of its own
  exec env ZUPEL_OWN_BUS=1 XDG_CONFIG_HOME="$(mktemp -d)" dbus-run-session -- "$0" "$@"
fi
session_config=$XDG_CONFIG_HOME
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
heard=$work/heard
mark() { echo "-- $1" >>"$heard"; }
since() { sed -n "/^-- $1\$/,\$p" "$heard"; }
heard_since() {  # heard_since MARK PATTERN: heard after MARK within eight seconds
  for _ in $(seq 1 80); do since "$1" | grep -q "$2" && return 0; sleep 0.1; done
  return 1
}
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.3; done; }

/usr/bin/python3 "$here/a11y_bus.py" >>"$heard" 2>"$work/bus.err" &  # brings the bus up
listener=$!
for _ in $(seq 1 100); do grep -q '^ready' "$heard" && break; sleep 0.1; done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null
fresh_folder
cp "$game_src/zupelhelp.hlp" "$work/game/"
mark start
launch_game "$work/err"
check "the naming dialog reads out its question" \
  heard_since start '^activated|dialog|名前をつける|これから育てるスライムに名前をつけてあげて下さい$'
xdotool type --delay 50 "ぷよ"
keys Return Return
main=$(wait_window "^ZUPEL$")
xdotool windowfocus --sync "$main" 2>/dev/null  # no window manager does
check "the status comes as the game opens" heard_since start '^showing|notification|スライム|様子：元気です$'
mark touch
keys shift+Tab space
check "Shift+Tab reaches the room" heard_since touch '^focused|.*|スライムの部屋|'
check "Space touches the slime: its answer comes at once" heard_since touch '^showing|notification|.*「'
mark fed
keys Tab Tab space
check "fed, its change comes at once" heard_since fed '^showing|notification|.*様子：喜んでいます'
# A round of play fills the play meter and the meal the food meter: nothing but the room's heat
# can weaken the slime while the test listens, whatever meters it woke with.
keys Tab space
sleep 1
keys space shift+Tab shift+Tab
mark hot
keys Down Down Down Down Down
sleep 8
check "at 100 degrees the slime calls every second: told once, the focus kept" \
  test "$(since hot | grep -c '様子：弱っています') $(since hot | grep '^focused' | grep -vc '|温度|')" = "1 0"
# Its calls raise the window, which without a window manager may leave the keyboard nowhere.
xdotool windowfocus --sync "$main" 2>/dev/null
mark keys
keys F10
check "F10 opens the menus" heard_since keys '^focused|menu item|ファイル(F)|'
keys Escape Escape F1
check "F1 brings the help as a document, whole, without stray characters" \
  heard_since keys '^focused|document frame|ZUPEL ヘルプ||[0-9]\{4,\}|0$'
kill -TERM "$pid"
check "the game ends as told" wait_exit "$pid" 50
check "no fault reported" test -z "$(grep -E 'ERROR|Sanitizer|runtime error' "$work/err")"
kill "$listener"
rm -rf "$session_config"
finish
