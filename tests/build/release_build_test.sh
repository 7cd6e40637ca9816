#!/usr/bin/env bash
# A packager's build: a plain Release configure with the tests, as Debian's own compiler makes
# it. Warnings stay warnings there, so a compiler's new (or mistaken) warning cannot stop it;
# ZUPEL_WERROR=ON, which scripts/test sets, makes them errors. The fuzzer's run of a game is
# the source GCC 12 wrongly warns about at -O3 (-Warray-bounds), so it is compiled here.
# usage: release_build_test.sh SOURCE_FOLDER
set -euo pipefail
src=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if grep -q -- -Werror "$dir/compile_commands.json"; then
  echo "FAILED: a plain Release build turns warnings into errors"
  exit 1
fi
cmake --build "$dir" --target tests/game/CMakeFiles/game_tests.dir/__/fuzz/save_run.cpp.o

cmake -S "$src" -B "$dir" -DZUPEL_WERROR=ON >/dev/null
if ! grep -q -- -Werror "$dir/compile_commands.json"; then
  echo "FAILED: ZUPEL_WERROR=ON does not turn warnings into errors"
  exit 1
fi
echo "passed"
