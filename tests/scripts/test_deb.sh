#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields and
# contents, then unpacks it and checks the program needs nothing from the
# build tree.
# Usage: test_deb.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
id=de.pilo.Pilo
make_tmp

# A package is built for a maintainer, as the README's commands name one;
# the test build's own default names none that lintian would accept.
maintainer="Pilo Test <pilo-test@example.org>"
if ! timeout 240 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" \
    -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$maintainer" >"$tmp/cpack.log" 2>&1; then
    fail "cpack made no package within 240 s:"
    cat "$tmp/cpack.log" >&2
    exit 1
fi
debs=("$tmp"/out/pilo_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no pilo_*.deb made" >&2; exit 1; }
deb=${debs[0]}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

echo "== control fields"
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = pilo
check "version $version" test "$(field Version)" = "$version"
check "section" test "$(field Section)" = education
check "architecture" test "$(field Architecture)" = "$(dpkg --print-architecture)"
check "maintainer" test "$(field Maintainer)" = "$maintainer"
depends=$(field Depends)
echo "Depends: $depends"
# Explicit needs, and libraries only dpkg-shlibdeps can have found.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for need in fonts-liberation qt6-translations-l10n libqt6svg6 libqt6sql6-sqlite libqt6widgets6 \
    libqt6multimedia6 libqt6charts6 libc6 libstdc++6; do
    check "depends on $need" grep -qxF "$need" <<<"$names"
done
recommends=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$(field Recommends)")
check "recommends the speech plugin" grep -qxF qt6-speech-speechd-plugin <<<"$recommends"

echo "== contents"
dpkg-deb -c "$deb" >"$tmp/contents"
for path in ./usr/bin/pilo ./usr/libexec/pilo/pilo \
    "./usr/share/pilo/data/Pilo Eigene Eins.txt" "./usr/share/pilo/data/Pilo Eigene Zwei.txt" \
    "./usr/share/pilo/data/Pilo Eigene Drei.txt" "./usr/share/pilo/data/Pilo Eigene Vier.txt" \
    ./usr/share/pilo/data/pilo.INI ./usr/share/pilo/data/BackGround.bmp \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png" ./usr/share/man/man1/pilo.1.gz \
    ./usr/share/man/de/man1/pilo.1.gz ./usr/share/doc/pilo/copyright \
    ./usr/share/doc/pilo/changelog.gz; do
    check "contains $path" grep -qF " $path" "$tmp/contents"
done
check "nothing outside /usr" test -z "$(awk '{print $6}' "$tmp/contents" | grep -v '^\./usr\(/\|$\)' | grep -vx '\./')"
check "files owned by root" test -z "$(awk '$2 != "root/root"' "$tmp/contents")"
check "launcher executable" grep -qE '^-rwxr-xr-x .* \./usr/bin/pilo$' "$tmp/contents"
check "program executable" grep -qE '^-rwxr-xr-x .* \./usr/libexec/pilo/pilo$' "$tmp/contents"
check "data files not executable" \
    test -z "$(grep -F ' ./usr/share/' "$tmp/contents" | grep -E '^-..x')"

echo "== unpacked"
dpkg-deb -x "$deb" "$tmp/root"
program=$tmp/root/usr/libexec/pilo/pilo
check "program has no run path" test -z "$(readelf -d "$program" | grep -E 'RPATH|RUNPATH')"
check "program is stripped" grep -q 'stripped' <(file -b "$program" | sed 's/not stripped//')
check "every library found" test -z "$(ldd "$program" | grep 'not found')"
check "every library outside the build tree" test -z "$(ldd "$program" | grep -F "$build")"
check "same data as the build" diff -r "$build/data" "$tmp/root/usr/share/pilo/data"

check "changelog entry of this version by the maintainer" \
    grep -qF -- "-- $maintainer  " <(zcat "$tmp/root/usr/share/doc/pilo/changelog.gz")
check "changelog names this version" \
    grep -qF "pilo ($version) " <(zcat "$tmp/root/usr/share/doc/pilo/changelog.gz")
copyright=$tmp/root/usr/share/doc/pilo/copyright
license=$(sed -n 's/^PILO_LICENSE:STRING=//p' "$build/CMakeCache.txt")
check "copyright names the holder" grep -qx 'Copyright: 2026 Pilo-Team' "$copyright"
license=$(sed 's/ AND / and /g; s/ OR / or /g' <<<"${license:-none}")
check "copyright names the licence of the build" grep -qxF "License: $license" "$copyright"

echo "== lintian"
# Every tag with its level; errors and warnings fail the test, the
# informational notes the README lists are shown.
code=0
lintian --no-override --display-info --fail-on error,warning "$deb" >"$tmp/lintian" 2>&1 || code=$?
sed 's/^/  /' "$tmp/lintian"
check "lintian finds no error or warning (status $code)" test "$code" = 0

finish "all package checks passed"
