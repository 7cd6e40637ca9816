#!/usr/bin/env bash
# The Windows program under Wine in Xvfb beside the Linux program, doing the same things on
# the same day: their save files must be equal byte for byte (but for the two meters each start
# draws at random), each must carry on a slime the other saved, a damaged record must get the
# same report, a second start must end quietly, and a log-off must save as a close. Then what a
# Windows player meets: the package, the program alone, a deep or read-only folder, the installer.
# usage: wine_game_test.sh LINUX_GAME_FOLDER zupel-VERSION-windows-x64.zip [WINDOWS_GAME_FOLDER]
#   The installer lies beside the zip. WINDOWS_GAME_FOLDER: the build the package must hold.
# KEEP=1 keeps its work folder (the save files of every step) and says where.
set -uo pipefail
linux_src=$1
zip=$2
here=$(cd "$(dirname "$0")" && pwd)
e2e=$here/../e2e
. "$e2e/lib.sh"

export WINEDEBUG=-all
# No Mono or Gecko installers to fetch, no sound card to look for, and no menu entries made on
# this machine for the installer's Start menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=;winemenubuilder.exe=d"
[ -n "${WINEPREFIX:-}" ] || export WINEPREFIX=$work/prefix  # a fresh one, gone with $work
trap 'wineserver -k 2>/dev/null; pkill -f "$work/linux/zupel" 2>/dev/null
      kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
[ -z "${KEEP:-}" ] || echo "keeping $work"

give_up() { echo "FAILED: $*"; exit 1; }
[ -x "$linux_src/zupel" ] ||
  give_up "no Linux build in $linux_src to compare with (scripts/build test makes it)"
setup=${zip%.zip}-setup.exe
[ -f "$zip" ] && [ -f "$setup" ] ||
  give_up "no Windows package $zip and its installer (scripts/package windows makes them)"
python3 -m zipfile -e "$zip" "$work/zip"
windows_src=$(dirname "$(find "$work/zip" -name zupel.exe)")
[ -z "${3:-}" ] || cmp -s "$3/zupel.exe" "$windows_src/zupel.exe" ||
  give_up "$zip holds another program than $3 (scripts/package windows makes it anew)"
wineboot -i >/dev/null 2>&1; wineserver -w  # the prefix is made before any clock starts

# 0. What Windows shows of zupel.exe (icon, version, manifest) and what the zip holds.
exe=$windows_src/zupel.exe
version=$(sed -nE 's/^project\(zupel VERSION ([0-9.]+).*/\1/p' "$here/../../CMakeLists.txt")
wrestool -x -t 14 "$exe" >"$work/zupel.ico" 2>/dev/null
icon_sizes=$(icotool -l "$work/zupel.ico" 2>/dev/null | sed -nE 's/.*--width=([0-9]+) .*/\1/p' | sort -n | paste -sd' ')
check "zupel.exe carries the slime icon at the sizes Windows shows ($icon_sizes)" \
  test "$icon_sizes" = "16 20 24 32 40 48 64 96 128 256"
check "and version $version in its details" bash -c "wrestool -x --raw -t 16 '$exe' | iconv -f UTF-16LE -t UTF-8 -c |
  tr -c '[:print:]' '\n' | grep -A3 -x ProductVersion | grep -qx '$version'"
manifest=$(wrestool -x --raw -t 24 "$exe" 2>/dev/null)
for asked in 'level="asInvoker"' '>PerMonitorV2<' '<longPathAware[^>]*>true<' '<supportedOS'; do
  check "its manifest says $asked" grep -qE "$asked" <<<"$manifest"
done
for part in IPA-Font-License MinGW-w64-runtime-and-winpthreads GCC-runtime-libstdc++-libgcc \
  Qt-source Qt/LGPL-3.0 Qt/Freetype-2 Qt/HarfBuzz-NG Qt/LibPNG Qt/Data-Compression-Library-zlib \
  Qt/LibJPEG-turbo Qt/PCRE2; do
  check "the zip holds licenses/$part.txt" test -s "$windows_src/licenses/$part.txt"
done
check "and the game's source of version $version" test -s "$windows_src/source/zupel-$version-source.zip"
readme=$windows_src/README.txt
check "and a readme with Windows line ends" test "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")"
check "in Japanese and English" bash -c "grep -q スライムのいる場所 '$readme' && grep -q 'Where the slime lives' '$readme'"

# A fresh game folder for one system ($1: linux or windows) holding the program alone.
fresh() {
  rm -rf "${work:?}/$1" && mkdir -p "$work/$1"
  if [ "$1" = linux ]; then
    cp "$linux_src"/zupel "$linux_src"/*.wav "$linux_src"/zupelhelp.hlp "$work/linux/"
  else
    cp -r "$windows_src"/zupel.exe "$windows_src"/*.wav "$windows_src"/zupelhelp.hlp \
      "$windows_src"/translations "$work/windows/"
  fi
}
# Starts the game of $1 in its folder, its stderr to $work/$1.err; sets pid.
start() {
  if [ "$1" = linux ]; then "$work/linux/zupel" 2>"$work/linux.err" &
  else wine "$work/windows/zupel.exe" 2>"$work/windows.err" &
  fi
  pid=$!
}
named() { test "$(head -c 10 "$1" 2>/dev/null)" = "$(printf '%-10s' "$2")"; }  # named RECORD NAME
name_new() { main=$(name_slime "$1") && sleep 1; }  # names the new slime $1; sets main
# Starts an existing slime, waits for its window and finds the room (light cyan) on screen.
start_slime() {
  start "$1"
  main=$(wait_window "^ZUPEL$") || { echo "FAILED: no main window on $1"; return 1; }
  sleep 1.5
  import -window root "$work/shot.png"
  read -r room_x room_y <<<"$(convert "$work/shot.png" -fill black +opaque '#C0FFFF' \
    -fill white -opaque '#C0FFFF' -format '%@' info: | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')"
}
# Clicks at client pixels; the room's top-left corner is at client (7, 16).
click_at() { xdotool mousemove $((room_x - 7 + $1)) $((room_y - 16 + $2)) click 1; }
feed() { click_at 316 28; sleep 0.5; }
teach() {  # teach $1: with thirty words known, a new word is learned within a few tries
  click_at 428 28
  sleep 0.5
  for _ in $(seq 1 10); do
    xdotool type --delay 40 "$1"
    xdotool key Return sleep 0.5
    [ "$(stat -c %s "$work/$system/word.sura")" -gt 600 ] && break
  done
}
quit() {
  xdotool windowfocus "$main" 2>/dev/null
  xdotool key alt+f sleep 0.5 key x
  wait_exit "$pid" 100 || { echo "FAILED: the game on $system did not quit"; kill "$pid"; }
}
grown_slime() {  # a grown-up's meters stand still, so its files depend on the actions alone
  python3 "$e2e/make_slime.py" "$work/$system" --name すらいむ --age 40 \
    --words "$(seq -s, -f 'w%02g' 1 30)" "$@"
}
# Every byte but the meters (bytes 14 to 17 of data.sura), which each start draws at random.
unmetered() { { head -c 14 "$1"; tail -c 14 "$1"; } | od -An -tx1; }
same_files() {
  test "$(unmetered "$1/data.sura")" = "$(unmetered "$2/data.sura")" &&
    cmp -s "$1/word.sura" "$2/word.sura" && cmp -s "$1/big.sura" "$2/big.sura"
}
keep() { rm -rf "${work:?}/$2" && cp -r "$work/$1" "$work/$2"; }

# Whether the Windows game speaks the language whose redecorating dialog is titled $1. Wine
# writes the title only as UTF-8 (_NET_WM_NAME), which xwininfo reads and xdotool does not.
speaks() {
  local dialog
  xdotool windowfocus "$main" 2>/dev/null
  xdotool key alt+o
  for _ in $(seq 1 300); do
    dialog=$(xwininfo -root -tree | grep -F "\"$1\": (\"zupel.exe\"" | awk '{print $1; exit}')
    [ -n "$dialog" ] && { xdotool windowfocus "$dialog" 2>/dev/null; xdotool key Escape; return 0; }
    sleep 0.1
  done
  return 1
}

# 1. A first start: name the slime and quit.
for system in linux windows; do
  fresh $system
  start $system
  name_new Zupel && quit
done
check "a new slime is stored alike" same_files "$work/linux" "$work/windows"

# 2. Feed a grown-up slime named in Japanese and teach it a word: the same bytes.
for system in linux windows; do
  fresh $system
  grown_slime
  start_slime $system && feed && teach hello && quit
done
check "the taught word is in word.sura" test "$(tail -c 20 "$work/windows/word.sura")" = "hello               "
check "the save files are equal byte for byte" same_files "$work/linux" "$work/windows"
keep linux linux_saved
keep windows windows_saved

# 3. Each carries on the slime the other saved: its window opens straight away (no naming),
#    and quitting stores it unchanged.
system=linux
fresh linux && cp "$work"/windows_saved/*.sura "$work/linux/"
start_slime linux && quit
check "the Linux build carries on the Windows build's slime" same_files "$work/linux" "$work/windows_saved"
system=windows
fresh windows && cp "$work"/linux_saved/*.sura "$work/windows/"
start_slime windows && quit
check "the Windows build carries on the Linux build's slime" same_files "$work/windows" "$work/linux_saved"

# 4. A record with a temperature the game could never have written: the same report, the same
#    mended record.
for system in linux windows; do
  fresh $system
  grown_slime --ondo 32767
  start_slime $system && quit
done
report() { tr -d '\r' <"$work/$1.err" | grep '^zupel'; }
check "the damaged record is reported ($(report windows))" test -n "$(report windows)"
check "in the same words on both systems" test "$(report linux)" = "$(report windows)"
check "and mended alike" same_files "$work/linux" "$work/windows"

# 5. A second start on the running slime ends at once, without a message: the lock names this
#    very machine, though Windows names the machine in it otherwise than the host name.
system=windows
fresh windows && grown_slime
check "the slime's window opens on Windows" start_slime windows
first=$pid
check "a second start on Windows ends at once, with status 0" timeout 20 wine "$work/windows/zupel.exe"
check "a Windows of another language gets the English game" speaks Redecorate
pid=$first && quit

# 6. A log-off while the slime is fed saves it as a close does (on Linux: SIGTERM).
for system in linux windows; do
  fresh $system
  grown_slime
  start_slime $system && feed
  if [ $system = linux ]; then kill -TERM "$pid"; else wineboot --end-session; fi
  check "the game on $system ends" wait_exit "$pid" 100
done
check "the log-off saved the fed slime as SIGTERM does on Linux" same_files "$work/linux" "$work/windows"
check "and released the lock" test ! -e "$work/windows/zupel.lock"

# 7. The program alone, as Explorer starts it from inside the zip, in a folder deeper than 260
#    characters: the player is told once to unzip the whole folder, and the slime plays on.
system=windows
deep=$work/$(printf 'フォルダ%02d/' $(seq 1 40))
mkdir -p "$deep" && cp "$windows_src/zupel.exe" "$deep"
wine "$deep/zupel.exe" 2>"$work/windows.err" &
pid=$!
box=$(wait_window "^ZUPEL$")
check "the program alone says in a box to unzip the whole folder" \
  test -n "$box" -a -n "$(grep "unzip the whole folder" "$work/windows.err")"
box_gone() { ! xdotool search --onlyvisible --name "^ZUPEL$" 2>/dev/null | grep -qx "$box"; }
for _ in $(seq 1 10); do sleep 1; xdotool windowfocus "$box" 2>/dev/null; xdotool key Return; box_gone && break; done
name_new Deep && quit
check "which OK closes; the slime plays on in a folder ${#deep} bytes deep" named "$deep/data.sura" Deep

# 8. A Japanese Windows gets the Japanese game (Wine readies its Japanese at the first start).
fresh windows && grown_slime
LC_ALL=ja_JP.UTF-8 wine "$work/windows/zupel.exe" 2>"$work/windows.err" &
pid=$!
main=$(wait_window "^ZUPEL$" || wait_window "^ZUPEL$" || wait_window "^ZUPEL$")
check "a Japanese Windows gets the Japanese game" speaks 模様替え
quit

# 9. A folder nobody may write in (immutable, for root writes anywhere): the report gives
#    Windows's reason in the player's language and says to move the folder.
fresh windows
if chattr +i "$work/windows" 2>/dev/null; then
  LC_ALL=ja_JP.UTF-8 wine "$work/windows/zupel.exe" 2>"$work/windows.err" &
  pid=$!
  expect_report "a folder nobody may write in" 3 "$work/windows.err" \
    "zupel.lock: アクセスが拒否されました[.] .*move the whole folder somewhere you can write"
  chattr -i "$work/windows"
else
  echo "skipped: no folder can be made read-only here (chattr)"
fi

# 10. The installer: silently, for this player alone; the installed game keeps its slime in
#     %APPDATA%\zupel, which an upgrade and the uninstaller leave as it is.
unix_path() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
installed=$(unix_path LOCALAPPDATA)/Programs/ZUPEL
slime=$(unix_path APPDATA)/zupel
menu_entry=$(unix_path APPDATA)/Microsoft/Windows/Start\ Menu/Programs/ZUPEL.lnk
apps_entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZUPEL'
registered() { wine reg query "$apps_entry" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "REG_[A-Z]*  *$2$"; }
install() { wine "$setup" /S && wineserver -w; }
rm -rf "$slime"  # this prefix's own slime, if a run before left one
check "the installer installs silently" install
check "what the zip holds" diff -r -x uninstall.exe "$windows_src" "$installed"
check "with a Start-menu entry" test -f "$menu_entry"
check "and no desktop shortcut unless ticked" test ! -e "$(unix_path USERPROFILE)/Desktop/ZUPEL.lnk"
check "and version $version in the player's list of apps" registered DisplayVersion "$version"
check "with its uninstaller" registered QuietUninstallString ".*uninstall.exe\" /S"
wine "$installed/zupel.exe" 2>"$work/windows.err" &
pid=$!
name_new Installed && quit
check "the installed game keeps its slime in %APPDATA%\\zupel" named "$slime/data.sura" Installed
check "not beside the program" test ! -e "$installed/data.sura"
cp -r "$slime" "$work/slime_installed"
echo "an older program" >"$installed/zupel.exe"
check "installing over it" install
check "puts the new program in place and leaves the slime as it was" \
  bash -c "cmp -s '$installed/zupel.exe' '$windows_src/zupel.exe' && diff -r '$slime' '$work/slime_installed'"
echo "the player's own" >"$installed/notes.txt"
check "the uninstaller runs silently" bash -c "wine '$installed/uninstall.exe' /S && wineserver -w"
check "and removes the program, itself and the Start-menu entry" \
  test ! -e "$installed/zupel.exe" -a ! -e "$installed/uninstall.exe" -a ! -e "$menu_entry"
check "and the entry in the list of apps, but leaves the slime and what it did not install" bash -c \
  "! wine reg query '$apps_entry' >/dev/null 2>&1 && test -f '$installed/notes.txt' && diff -r '$slime' '$work/slime_installed'"

finish
