#!/usr/bin/env bash
# kill -9 at random moments while the player starts the game, names a slime, feeds it, teaches
# it words, freezes it and quits. After every kill the three save files must decode and hold
# either what they held before the action or what the action writes, never a mix, and the next
# start must take the dead copy's lock over.
# usage: kill_test.sh GAME_FOLDER|GAME_PROGRAM
#   KILLS=N kills (default 40, stopping after 75 s), KILL_SECONDS=S stops earlier when the time
#   is up, SEED=N repeats a run's plan (the moments are its delays; what the game has done by
#   then also depends on the machine's speed),
#   VERBOSE=1 shows the files after every kill.
#   A long run: KILLS=500 tests/e2e/kill_test.sh build/zupel
set -uo pipefail
game_src=$1
[ -f "$game_src" ] && game_src=$(dirname "$game_src")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# A run of a chosen size takes the time it needs; the default run stops in time for CTest.
if [ -n "${KILLS:-}" ]; then seconds=${KILL_SECONDS:-1000000}; else seconds=${KILL_SECONDS:-75}; fi
kills=${KILLS:-40}
seed=${SEED:-$(( $(date +%s%N) % 1000000 ))}
echo "seed $seed: SEED=$seed KILLS=$kills $0 $1 repeats these choices"

# The plan, drawn from the seed: one line per kill.
#   action mode wait moment keep age days state words
# mode "any" kills at a moment drawn over the whole action, "near" a moment drawn within 0.1 s
# after the key or click that makes the game write (its `wait`-th one, for teaching); `moment`
# is where in that range, in thousandths.
plan=$(python3 - "$seed" "$kills" <<'EOF'
import random, sys
r = random.Random(int(sys.argv[1]))
for i in range(int(sys.argv[2])):
    action = r.choice(["start", "name", "feed", "teach", "teach", "freeze", "freeze", "quit", "quit"])
    mode = r.choice(["any", "near", "near"])
    wait = r.randint(1, 4) if action == "teach" else 1
    keep = r.randint(0, 1)
    state = r.choice([1, 2])
    age = r.randint(1, 40)
    days = r.randint(0, 2)
    words = r.randint(20, 40) if action == "teach" else r.randint(0, 5)
    moment = r.randint(0, 1000)
    print(action, mode, wait, moment, keep, age, days, state, words)
EOF
)

# Client pixels of the main window's buttons (room at client 7,16).
feed_xy="316 28"
talk_xy="428 28"
freeze_xy="372 68"
quit_xy="428 68"

# The checker itself must catch what it is there for: a quit record with the new state but the
# old date, and a word record torn while nothing was being taught.
mixed() {
  mkdir -p "$work/m1" "$work/m2"
  python3 "$here/make_slime.py" "$work/m1" --state 2 --days-ago 1 --age 30 --words a,b
  python3 "$here/make_slime.py" "$work/m2" --state 1 --days-ago 1 --age 31 --words a,b
  ! python3 "$here/sura_check.py" after quit "$work/m1" "$work/m2" >/dev/null || return 1
  python3 "$here/make_slime.py" "$work/m2" --state 2 --days-ago 1 --age 30 --words a,b
  printf 'c' >>"$work/m2/word.sura"
  ! python3 "$here/sura_check.py" after feed "$work/m1" "$work/m2" >/dev/null
}
check "the checker catches a mixed record and a torn word" mixed

fresh_folder
game=$work/game
before=$work/before
mkdir -p "$before"
: >"$work/stderr"

# Starts the game on what the folder holds; waits for its first window ($1: a title pattern).
# Fails when the game ends instead (a live copy's lock) or no window shows.
start_game() {
  "$game/zupel" 2>>"$work/stderr" &
  pid=$!
  for _ in $(seq 1 150); do
    win=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$win" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Where the main window's client area lies on the screen: found once, from the room's colour.
find_client() {
  import -window root "$work/shot.png"
  read -r room_x room_y <<<"$(convert "$work/shot.png" -fill black +opaque '#C0FFFF' \
    -fill white -opaque '#C0FFFF' -format '%@' info: | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')"
  client_x=$((room_x - 7))
  client_y=$((room_y - 16))
}
click() { xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1; }
trigger() { : >"$work/trigger.$1"; }

# The files the slime starts from: none for naming; otherwise what the last kill left, when
# it is a slime that lives on, or a new one drawn from the plan.
prepare() {
  rm -f "$before"/*.sura "$work"/trigger.*
  if [ "$action" = name ]; then
    rm -f "$game"/*.sura
    return
  fi
  if [ "$keep" = 1 ] && [ "$(stat -c %s "$game/data.sura" 2>/dev/null)" = 32 ] &&
    [ "$(stat -c %s "$game/big.sura" 2>/dev/null)" = 2 ] &&
    python3 -c 'import struct,sys; c,s=struct.unpack_from("<hxxxxxxxxh",open(sys.argv[1],"rb").read(),12); sys.exit(not (c in (0,4,5,8) and s in (1,2)))' "$game/data.sura"; then
    :
  else
    local size=32
    [ "$age" -lt 22 ] && size=$((10 + age))
    python3 "$here/make_slime.py" "$game" --age "$age" --days-ago "$days" --state "$state" \
      --size "$size" --words "$(seq -s, -f "w%02g" 1 "$words" | sed 's/^w00$//')"
  fi
  cp "$game"/*.sura "$before/"
}

# What the player does; runs beside the killer. Each key or click that makes the game write
# leaves a trigger file, numbered. The player hesitates first, so moments drawn over the whole
# action fall on both sides of the write.
drive() {
  sleep 0.3
  case $action in
    name)
      xdotool type --delay 30 "K$n"
      xdotool key Return  # to OK
      trigger 1
      xdotool key Return ;;
    feed)
      trigger 1
      click $feed_xy ;;
    teach)
      for j in 1 2 3 4 5 6; do
        xdotool type --delay 20 "t${n}x$j"
        trigger "$j"
        xdotool key Return
        sleep 0.2
      done ;;
    freeze)
      xdotool key Tab  # from CANCEL to OK
      trigger 1
      xdotool key space ;;
    quit)
      trigger 1
      if [ $((n % 2)) = 0 ]; then click $quit_xy; else xdotool key alt+f sleep 0.2 key x; fi ;;
  esac
}

# How long the whole action may take, in milliseconds: the range of "any" moments.
span_of() {
  case $1 in
    start) echo 1500 ;; name) echo 1200 ;; feed) echo 1500 ;; teach) echo 3000 ;; *) echo 1000 ;;
  esac
}

typed_words() { [ "$action" = teach ] && seq -s, -f "t${n}x%g" 1 6; }
# Seconds to wait: the plan's moment within a range of $1 milliseconds.
after_ms() { local t=$(($1 * moment / 1000)); printf '%d.%03d' $((t / 1000)) $((t % 1000)); }

started=$(date +%s)
n=0
landed=0
ended_first=0
declare -A held
freeze_missing=0
client_x=""
while read -r action mode wait moment keep age days state words; do
  if [ $(( $(date +%s) - started )) -ge "$seconds" ]; then
    echo "time is up after $n kills"
    break
  fi
  n=$((n + 1))
  if [ "$action" = freeze ] && [ "$freeze_missing" = 1 ]; then action=quit; fi
  prepare
  first="^ZUPEL$"
  [ "$action" = name ] && first="^ $"  # the naming dialog has no title
  if [ "$action" = start ]; then
    "$game/zupel" 2>>"$work/stderr" &
    pid=$!
    sleep "$(after_ms "$(span_of start)")"
  else
    if ! check "kill $n ($action): the start after a kill takes the lock over" start_game "$first"; then
      echo "  seed $seed, kill $n: the game $(kill -0 "$pid" 2>/dev/null && echo "shows no window" || echo ended)"
      tail -3 "$work/stderr"
      kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
      continue
    fi
    if [ -z "$client_x" ] && [ "$first" = "^ZUPEL$" ]; then sleep 0.5; find_client; fi
    if [ "$action" = freeze ]; then
      xdotool windowfocus --sync "$win" 2>/dev/null
      if [ $((n % 2)) = 0 ]; then click $freeze_xy; else xdotool key alt+f sleep 0.2 key s; fi
      freeze_box=""
      for _ in $(seq 1 30); do
        freeze_box=$(xdotool search --onlyvisible --name "^FREEZE$" 2>/dev/null | head -1)
        [ -n "$freeze_box" ] && break
        sleep 0.1
      done
      if ! check "kill $n: the freeze button opens the FREEZE dialog" test -n "$freeze_box"; then
        echo "  no FREEZE dialog: the remaining freezes are quits"
        freeze_missing=1
        action=quit
      fi
    fi
    [ "$action" = teach ] && { click $talk_xy; sleep 0.3; }
    # A dialog takes the keyboard a moment after it shows.
    case $action in
      name | freeze) sleep 0.3 ;;
      *) xdotool windowfocus --sync "$win" 2>/dev/null ;;
    esac
    drive &
    driver=$!
    if [ "$mode" = near ]; then
      for _ in $(seq 1 100); do [ -e "$work/trigger.$wait" ] && break; sleep 0.03; done
      sleep "$(after_ms 100)"
    else
      sleep "$(after_ms "$(span_of "$action")")"
    fi
  fi
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  # 137 is death by SIGKILL; anything else means the game had already ended (a quit, a freeze).
  if [ $? -eq 137 ]; then landed=$((landed + 1)); else ended_first=$((ended_first + 1)); fi
  [ -n "${driver:-}" ] && { kill "$driver" 2>/dev/null; wait "$driver" 2>/dev/null; driver=""; }

  if out=$(python3 "$here/sura_check.py" after "$action" "$before" "$game" --name "K$n" \
    --typed "$(typed_words)"); then
    passed=$((passed + 1))
    verdict=$(sed -n 's/^verdict: //p' <<<"$out")
    held[$action: $verdict]=$(( ${held[$action: $verdict]:-0} + 1 ))
    [ -n "${VERBOSE:-}" ] && { echo "kill $n: $action ($mode)"; sed 's/^/  /' <<<"$out"; }
  else
    failed=$((failed + 1))
    echo "FAILED: kill $n ($action, $mode) left these files (seed $seed):"
    sed 's/^/  /' <<<"$out"
  fi
done <<<"$plan"

# The last kill's lock, too, is taken over.
prepare_last() { action=quit; keep=1; age=25; days=0; state=1; words=0; prepare; }
prepare_last
check "the start after the last kill takes the lock over" start_game "^ZUPEL$"
kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null

echo "$n kills in $(( $(date +%s) - started )) s: $landed while the game ran, $ended_first after it had ended itself"
echo "what the files held after the kills (action: file record, ...):"
for k in "${!held[@]}"; do echo "  ${held[$k]} x $k"; done | sort -k3
finish
