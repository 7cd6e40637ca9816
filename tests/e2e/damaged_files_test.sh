#!/usr/bin/env bash
# The real game where it cannot trust its save files: a torn data.sura, and a program whose
# folder cannot be named. Each stops with a report saying what is wrong and touches no file.
# usage: damaged_files_test.sh GAME_FOLDER
set -uo pipefail
game_src=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# 1. data.sura cut short, past the name and inside it: never played, never renamed.
for length in 23 5; do
  fresh_folder
  python3 "$here/make_slime.py" "$work/game" --age 10 --days-ago 1 --words ぷよ
  truncate -s "$length" "$work/game/data.sura"
  before=$(cd "$work/game" && md5sum *.sura)
  launch_game "$work/stderr1"
  expect_report "a $length-byte data.sura" 2 "$work/stderr1" "data.sura: it is $length bytes long"
  check "a $length-byte data.sura: the save files are untouched" test "$before" = "$(cd "$work/game" && md5sum *.sura)"
done

# 2. Started through a file descriptor from a folder whose path is longer than the system's
#    limit: the game says its folder cannot be found, and plays nowhere else.
mkdir "$work/elsewhere"
python3 - "$work" "$game_src/zupel" "$work/stderr2" <<'PY' &
import os, shutil, sys
work, program, stderr = sys.argv[1:]
os.chdir(work)
for _ in range(20):  # 20 folders of 250 bytes: 5000 bytes, past the 4096 of PATH_MAX
    os.mkdir("d" * 250)
    os.chdir("d" * 250)
shutil.copyfile(program, "zupel")
os.chmod("zupel", 0o755)
fd = os.open("zupel", os.O_RDONLY)
os.chdir(os.path.join(work, "elsewhere"))
os.dup2(os.open(stderr, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 2)
os.execve(fd, ["zupel"], dict(os.environ))
PY
pid=$!
expect_report "a folder past the path limit" 2 "$work/stderr2" "cannot find the game folder.*longer than the system's limit"
check "nothing is saved in the current folder" test -z "$(ls -A "$work/elsewhere")"
check "nothing is saved beside the program" test -z "$(find "$work/d"* -name '*.sura' 2>/dev/null)"

finish
