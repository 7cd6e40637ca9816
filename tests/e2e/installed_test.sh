#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix, then the program started from its
# menu entry by an ordinary player under a window manager. The slime lands in the player's own
# data folder and the prefix stays untouched; a second start brings the first one forward; a
# second player gets a slime of their own.
# usage: installed_test.sh GAME_FOLDER   (the game folder of a build tree)
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$(dirname "$game_src")
prefix=$work/prefix
chmod 755 "$work"
games=()
trap 'for p in "${games[@]}" "${wm:-}"; do [ -n "$p" ] && kill -9 "$p" 2>/dev/null; done
      kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
check "the program is installed" test -x "$prefix/games/zupel"
check "its sounds and help are installed" test -f "$prefix/share/games/zupel/zupelhelp.hlp" -a -f "$prefix/share/games/zupel/bell.wav"
entry=$prefix/share/applications/org.zupel.zupel.desktop
check "the menu entry is installed" test -f "$entry"
chmod -R a-w "$prefix"
listing() { find "$prefix" -printf '%p %s %m %T@\n' | sort; }
before=$(listing)

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# Each player has a home of their own; as root the players are real unprivileged users.
if [ "$(id -u)" -eq 0 ]; then players=(65534 1); else players=("$(id -u)"); fi
home_of() { echo "$work/home-$1"; }
for uid in "${players[@]}"; do
  mkdir -p "$(home_of "$uid")/runtime" && chmod 700 "$(home_of "$uid")/runtime"
  [ "$(id -u)" -eq 0 ] && chown -R "$uid" "$(home_of "$uid")"
done

# The command that runs what follows it as player $1 (as root, a real unprivileged user).
as_player() {
  if [ "$(id -u)" -eq 0 ]; then echo setpriv --reuid="$1" --regid=65534 --clear-groups; fi
}
# Starts the menu entry's command as player $1, as a desktop does; sets pid.
command_line=$(sed -n 's/^Exec=//p' "$entry")
start_as() {
  local uid=$1 home
  shift
  home=$(home_of "$uid")
  $(as_player "$uid") env -i -C "$home" HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
    ASAN_OPTIONS="$ASAN_OPTIONS" "$@" $command_line 2>>"$home/stderr" &
  pid=$!
  games+=("$pid")
}

# 1. The first player names a slime; it is saved in their data folder at once.
player=${players[0]}
saves=$(home_of "$player")/.local/share/zupel
start_as "$player" XDG_RUNTIME_DIR="$(home_of "$player")/runtime"
first=$pid
main=$(name_slime "Puyo")
check "the main window opens after naming" test -n "$main"
sleep 0.5
check "the record lands in the player's data folder" test "$(state_of "$saves/data.sura")" = 1
check "the record holds the name" test "$(head -c 10 "$saves/data.sura" 2>/dev/null)" = "Puyo      "
check "the lock is in the data folder too" test -f "$saves/zupel.lock"
check "so is the socket a second start calls" test -S "$saves/zupel.socket"
# Choosing a language from the File menu writes the settings.
[ -n "$main" ] && xdotool windowfocus --sync "$main" key alt+f sleep 0.3 key l sleep 0.3 key Return sleep 1
made=$(find "$(home_of "$player")"/.local "$(home_of "$player")"/.config -perm /077 2>&1)
check "what the game made, settings too, is the player's alone ($made)" \
  test -z "$made" -a -f "$(home_of "$player")/.config/zupel/zupel.conf"

# 2. A second start of the same player brings the hidden window forward and ends at once.
if [ -n "$main" ]; then
  xdotool windowminimize "$main"
  for _ in $(seq 1 50); do
    [ -z "$(xdotool search --onlyvisible --name '^ZUPEL$' 2>/dev/null)" ] && break
    sleep 0.1
  done
  check "the window is minimised" test -z "$(xdotool search --onlyvisible --name '^ZUPEL$' 2>/dev/null)"
  # Started without a runtime folder, and with a relative data folder that the XDG rules ignore.
  start_as "$player" XDG_DATA_HOME=data
  check "the second start ends at once" wait_exit "$pid" 50
  wait "$pid"
  check "the second start ends with status 0 ($?)" test "$?" -eq 0
  check "the first window came forward" test -n "$(wait_window '^ZUPEL$')"
  check "the first copy still runs" kill -0 "$first"
  check "no data folder was made where it started" test ! -e "$(home_of "$player")/data"
fi

# 3. A second player of the machine gets a slime of their own, beside the first one's.
if [ ${#players[@]} -gt 1 ]; then
  other=$(home_of "${players[1]}")
  $(as_player "${players[1]}") mkdir -m 755 "$other/saves"$'\xff'  # a folder of the player's own
  start_as "${players[1]}" XDG_DATA_HOME="$other/saves"$'\xff'
  second=$pid
  check "a second player is asked to name their own slime" test -n "$(wait_window "^ $")"
  kill "$second"
  wait "$second" 2>/dev/null
  own=$other/saves$'\xff'
  check "the second player's own slime is where XDG_DATA_HOME says, byte for byte" \
    test -f "$own/zupel/data.sura" -a ! -s "$own/zupel/data.sura" -a ! -e "$other/.local"
  check "their own folder keeps its mode" test "$(stat -c %a "$own") $(stat -c %a "$own/zupel")" = "755 700"
fi

# 4. Quitting saves in the data folder; the prefix holds nothing new and nothing changed.
kill "$first"
check "the game ends when told to" wait_exit "$first" 50
check "the saved slime is there" test "$(state_of "$saves/data.sura")" = 1
check "the socket is gone with the game" test ! -e "$saves/zupel.socket"
check "the prefix stays untouched" test "$before" = "$(listing)"
for uid in "${players[@]}"; do  # but Qt's own word on a missing runtime folder
  check "player $uid saw no error" \
    test -z "$(grep -v '^QStandardPaths: XDG_RUNTIME_DIR not set' "$(home_of "$uid")/stderr")"
done
chmod -R u+w "$prefix"

finish
