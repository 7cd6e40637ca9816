#!/usr/bin/env bash
# The Debian package holds exactly what `cmake --install` lays out, with its dependencies
# computed from the program, and the desktop's and Debian's own validators accept it.
# usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
# Who builds the package, as Debian's tools are told (example.org belongs to nobody).
export DEBFULLNAME="Package Tester" DEBEMAIL=tester@example.org
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; return 1; fi
}

cmake --install "$build" --prefix "$work/install/usr" >/dev/null
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1
deb=$(ls "$work"/package/zupel_*.deb 2>/dev/null)
if ! check "the package is built" test -f "$deb"; then cat "$work/cpack.log"; exit 1; fi
check "it is named as Debian expects ($(basename "$deb"))" \
  bash -c "[[ '$(basename "$deb")' =~ ^zupel_[0-9.]+(-[0-9]+)?_$(dpkg --print-architecture)\\.deb$ ]]"

installed=$(cd "$work/install" && find . \( -type f -o -type l \) | sort)
packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
check "the package holds what the install holds" test "$installed" = "$packed"
[ "$installed" = "$packed" ] || diff <(echo "$installed") <(echo "$packed")
for file in ./usr/games/zupel ./usr/share/games/zupel/zupelhelp.hlp ./usr/share/doc/zupel/copyright \
  ./usr/share/man/man6/zupel.6.gz ./usr/share/icons/hicolor/256x256/apps/org.zupel.zupel.png; do
  check "it holds $file" grep -qx "$file" <<<"$packed"
done
check "the copyright file carries the IPA Font License" \
  grep -q 'IPA Font License Agreement v1.0' "$work/install/usr/share/doc/zupel/copyright"

# The maintainer is who builds the package, and the only addresses are theirs and real ones.
check "the package names who built it" \
  test "$(dpkg-deb -f "$deb" Maintainer)" = "Package Tester <tester@example.org>"
address='https?://[^ "<>]*|[[:alnum:]._-]+@[[:alnum:].-]+\.[[:alpha:]]+'
addresses=$({ grep -rIh . "$work/install"; find "$work/install" -name '*.gz' -exec zcat {} +
              dpkg-deb -f "$deb"; } | grep -oE "$address" | sort -u)
owned=$(printf '%s\n' tester@example.org \
  https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/ | sort)
check "its only addresses, changelog and fields too, are the builder's and the copyright format's" \
  test "$addresses" = "$owned"

copyright=$work/install/usr/share/doc/zupel/copyright
while read -r pattern; do
  check "the copyright's Files: $pattern names files of the source" \
    bash -c "cd '$source' && compgen -G '$pattern' >/dev/null"
done < <(sed -n 's/^Files: //p' "$copyright")
check "its licences point at no file an installed system lacks" \
  bash -c "! sed -n '/^License: /,\$p' '$copyright' | grep -E '[[:alnum:]_]+/[[:alnum:]_.-]+\.txt'"

depends=$(dpkg-deb -f "$deb" Depends)
check "it depends on the Qt libraries the program links ($depends)" grep -q 'libqt6widgets6' <<<"$depends"
check "it depends on the font it draws from" grep -q 'fonts-ipafont-gothic' <<<"$depends"

share=$work/install/usr/share
check "desktop-file-validate accepts the menu entry" \
  desktop-file-validate "$share/applications/org.zupel.zupel.desktop"
check "appstreamcli accepts the metainfo" \
  appstreamcli validate --no-net --pedantic "$share/metainfo/org.zupel.zupel.metainfo.xml"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
check "lintian finds no error and no warning" bash -c "! grep -q '^[EW]:' '$work/lintian.log'"
grep '^[EW]:' "$work/lintian.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
