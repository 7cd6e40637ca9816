#!/usr/bin/env bash
# The real game meeting the world outside its window: signals, kill -9 after naming, stale,
# foreign and impossible locks, a FIFO as the room picture, a folder whose name is not UTF-8,
# and the X server going away.
# usage: outside_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

age_of() { od -An -td2 -j10 -N2 "$1" | tr -d ' '; }

# 1. SIGTERM, SIGHUP and SIGINT save a running slime as the window close does.
for sig in TERM HUP INT; do
  fresh_folder
  python3 "$here/make_slime.py" "$work/game" --age 10 --days-ago 2 --size 20
  env --default-signal=INT "$work/game/zupel" 2>"$work/stderr1" &  # as a terminal starts it
  pid=$!
  main=$(wait_window "^ZUPEL$") || main=""
  check "SIG$sig: the saved slime comes back" test -n "$main"
  sleep 0.5
  kill -s "$sig" "$pid"
  check "SIG$sig: the game ends" wait_exit "$pid" 50
  wait "$pid"; status=$?
  check "SIG$sig: it ends with status 0 ($status)" test "$status" -eq 0
  check "SIG$sig: the record is saved with today's date" test "$(day_of "$work/game/data.sura")" -eq "$today"
  check "SIG$sig: the two days are added to its age" test "$(age_of "$work/game/data.sura")" -eq 12
  check "SIG$sig: the slime is stored living" test "$(state_of "$work/game/data.sura")" -eq 1
  check "SIG$sig: the lock is gone" test ! -e "$work/game/zupel.lock"
done

# 2. kill -9 right after naming: the next start finds the slime.
fresh_folder
launch_game
wait_window "^$" >/dev/null
sleep 0.5
xdotool type --delay 50 "Puyo"
xdotool key Return
sleep 0.3
xdotool key Return
check "the named slime's window opens" test -n "$(wait_window "^ZUPEL$")"
kill -9 "$pid"; wait "$pid" 2>/dev/null
check "the new slime is on the disk after kill -9" test "$(head -c 10 "$work/game/data.sura")" = "Puyo      "
check "it is stored living, dated today" test "$(state_of "$work/game/data.sura")" -eq 1 -a "$(day_of "$work/game/data.sura")" -eq "$today"
launch_game
check "the next start shows the slime (the window opens only after a naming)" test -n "$(wait_window "^ZUPEL$")"
kill "$pid"; wait "$pid" 2>/dev/null

# 3. An empty lock (a crash while it was being made) is stale: the game starts.
fresh_folder
python3 "$here/make_slime.py" "$work/game"
: >"$work/game/zupel.lock"
launch_game
check "an empty lock is taken over" test -n "$(wait_window "^ZUPEL$")"
kill "$pid"; wait "$pid" 2>/dev/null

# 4. Another machine's lock: a clear report, a non-zero status, the files untouched.
fresh_folder
python3 "$here/make_slime.py" "$work/game"
printf '4242\nzupel\nfar-away-box\n' >"$work/game/zupel.lock"
before=$(md5sum "$work/game"/*.sura)
launch_game "$work/stderr4"
box=$(wait_window "^ZUPEL$") || box=""
check "another machine's lock is shown in a message box" test -n "$box"
xdotool key --window "$box" Return 2>/dev/null; sleep 0.3; xdotool key Return 2>/dev/null
check "the game ends after the message" wait_exit "$pid" 50
wait "$pid"; status=$?
check "it ends with a non-zero status ($status)" test "$status" -ne 0
check "stderr names the other machine" grep -q "far-away-box" "$work/stderr4"
check "stderr says how to start anyway" grep -q "delete .*zupel.lock" "$work/stderr4"
check "the save files are untouched" test "$before" = "$(md5sum "$work/game"/*.sura)"
check "the foreign lock stays" grep -q "far-away-box" "$work/game/zupel.lock"

# 5. A FIFO as the room picture or as the settings file does not hang the start (the old
#    program blocked on it for ever, before any window).
fresh_folder
python3 "$here/make_slime.py" "$work/game"
mkfifo "$work/room.bmp"
write_settings "bmpdir=$work/room.bmp"
launch_game
check "a FIFO as the room picture does not hang the start" test -n "$(wait_window "^ZUPEL$")"
kill "$pid"; wait "$pid" 2>/dev/null
rm -f "$XDG_CONFIG_HOME/zupel/zupel.conf"
mkfifo "$XDG_CONFIG_HOME/zupel/zupel.conf"
launch_game
check "a FIFO as the settings file does not hang the start" test -n "$(wait_window "^ZUPEL$")"
kill "$pid"; wait "$pid" 2>/dev/null
rm -f "$XDG_CONFIG_HOME/zupel/zupel.conf"
write_settings

# 6. A game folder whose name is not valid UTF-8 keeps its slime.
fresh_folder
odd="$work/game/"$'sura\xff\xfe'
mkdir "$odd" && cp "$game_src"/zupel "$game_src"/*.wav "$odd/"
python3 "$here/make_slime.py" "$odd" --age 10 --days-ago 1
(cd "$work" && exec "$odd/zupel" 2>"$work/stderr6") &
pid=$!
check "the slime in a non-UTF-8 folder comes back" test -n "$(wait_window "^ZUPEL$")"
check "the lock is made in that folder" test -e "$odd/zupel.lock"
kill "$pid"; wait "$pid" 2>/dev/null
check "the record is saved in that folder" test "$(age_of "$odd/data.sura")" -eq 11
check "nothing is saved in the current folder" test ! -e "$work/data.sura"

# Starts the game in FOLDER, where the lock cannot be made: a message box, status 3 and
# the reason on stderr.
expect_lock_report() {  # expect_lock_report FOLDER WHAT STDERR_PATTERN
  "$1/zupel" 2>"$work/stderr_lock" &
  pid=$!
  expect_report "$2" 3 "$work/stderr_lock" "$3"
}

# 7. A read-only game folder: a clear report naming the lock, a non-zero status.
fresh_folder
python3 "$here/make_slime.py" "$work/game"
if [ "$(id -u)" -eq 0 ]; then
  mount --bind "$work/game" "$work/game" && mount -o remount,ro,bind "$work/game" && ro=mount
else
  chmod a-w "$work/game" && ro=chmod
fi
if [ -n "${ro:-}" ]; then
  expect_lock_report "$work/game" "a read-only folder" "zupel.lock: (Read-only file system|Permission denied)"
  if [ "$ro" = mount ]; then umount "$work/game"; else chmod u+w "$work/game"; fi
else
  echo "SKIPPED: the folder cannot be made read-only here"
fi

# 7b. A full disk: the same kind of report, with the system's reason.
if [ "$(id -u)" -eq 0 ] && mkdir -p "$work/full" && mount -t tmpfs -o size=$(( $(stat -c %s "$game_src/zupel") / 1024 + 2048 ))k tmpfs "$work/full" 2>/dev/null; then
  cp "$game_src"/zupel "$work/full/"
  python3 "$here/make_slime.py" "$work/full"
  dd if=/dev/zero of="$work/full/filler" bs=4k 2>/dev/null
  expect_lock_report "$work/full" "a full disk" "zupel.lock: No space left on device"
  umount "$work/full"
else
  echo "SKIPPED: no small file system to fill here"
fi

# 8. The X server dies under the game: the slime is saved as a close saves it.
fresh_folder
python3 "$here/make_slime.py" "$work/game" --age 10 --days-ago 2
Xvfb -displayfd 4 -screen 0 800x600x24 -nolisten tcp 4>"$work/display2" 2>/dev/null &
xvfb2=$!
for _ in $(seq 1 100); do [ -s "$work/display2" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display2")" "$work/game/zupel" 2>"$work/stderr8" &
pid=$!
for _ in $(seq 1 100); do DISPLAY=":$(cat "$work/display2")" xdotool search --onlyvisible --name "^ZUPEL$" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
kill "$xvfb2"; wait "$xvfb2" 2>/dev/null
check "the game ends with its display" wait_exit "$pid" 50
wait "$pid"; status=$?
check "it ends with status 1, as Qt ends it ($status)" test "$status" -eq 1
check "the record is saved with today's date" test "$(day_of "$work/game/data.sura")" -eq "$today"
check "the lock is gone" test ! -e "$work/game/zupel.lock"

finish
