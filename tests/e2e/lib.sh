# Shared by the real-window tests: an Xvfb of their own, a fresh game folder, checks that count.
# A test script sets game_src (the built game folder) and sources this file.
# The server picks its own display number, and must not reset when its last client goes (a
# killed game), or the next start finds it closed.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'pkill -f "$work/game/zupel" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
# The game in Japanese, as a player chose, with any further settings lines given.
write_settings() {
  mkdir -p "$XDG_CONFIG_HOME/zupel" &&
    printf '[setting]\nlanguage=ja\n%s' "$*" >"$XDG_CONFIG_HOME/zupel/zupel.conf"
}
write_settings
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}:detect_leaks=0"
passed=0
failed=0

check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; return 1; fi
}

# Starts the game in the fresh folder, its stderr to $1 (default: nowhere); sets pid.
launch_game() {
  "$work/game/zupel" 2>"${1:-/dev/null}" &
  pid=$!
}

# Today as the save files count days (from 30 December 1899), and the day a record was saved.
today=$(python3 -c 'import datetime; print((datetime.date.today() - datetime.date(1899, 12, 30)).days)')
day_of() { python3 -c 'import struct,sys; print(int(struct.unpack("<d", open(sys.argv[1],"rb").read()[24:32])[0]))' "$1"; }

fresh_folder() {
  rm -rf "$work/game" && mkdir -p "$work/game" && cp "$game_src"/zupel "$game_src"/*.wav "$work/game/"
}

# Waits for a window whose name matches $1; prints its id.
wait_window() {
  local id
  for _ in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Answers the naming dialog that a first start shows with the name $1, then waits for the main
# window; prints its id.
name_slime() {
  local dialog
  dialog=$(wait_window "^ $") || return 1
  sleep 1
  xdotool windowfocus "$dialog" 2>/dev/null  # where no window manager gives it the keyboard
  xdotool type --delay 50 "$1"
  xdotool key Return
  sleep 0.3
  xdotool key Return
  wait_window "^ZUPEL$"
}

hexdump_of() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
state_of() { od -An -td2 -j22 -N2 "$1" | tr -d ' '; }
wait_exit() {  # wait_exit PID TENTHS
  for _ in $(seq 1 "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# Answers the message box of the game started as $pid, then checks that the game ended with
# STATUS and wrote a line matching PATTERN (an extended regular expression) to STDERR_FILE.
expect_report() {  # expect_report WHAT STATUS STDERR_FILE PATTERN
  local box status
  box=$(wait_window "^ZUPEL$") || box=""
  check "$1 is reported in a message box" test -n "$box"
  xdotool key --window "$box" Return 2>/dev/null; sleep 0.3; xdotool key Return 2>/dev/null
  check "$1: the game ends" wait_exit "$pid" 50
  wait "$pid"; status=$?
  check "$1: it ends with status $2 ($status)" test "$status" -eq "$2"
  check "$1: stderr says what is wrong" grep -qE "$4" "$3"
}

# Ends the script with the tally.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
