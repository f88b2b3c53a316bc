#!/usr/bin/env bash
# Installs Pilo into a temporary prefix and checks the installed tree, the
# desktop metadata and the launcher: first with a stand-in program (fast,
# no display), then the real program on its own Xvfb display.
# Usage: test_install.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
title="Pilo für Windows 95 V1.11"
# The exact caption, as a pattern for window_named.
title_pattern='^Pilo für Windows 95 V1\.11$'
lists=("Pilo Eigene Eins.txt" "Pilo Eigene Zwei.txt" "Pilo Eigene Drei.txt" "Pilo Eigene Vier.txt")

make_tmp

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
shipped=$prefix/share/pilo/data
id=de.pilo.Pilo

echo "== installed files"
check "bin/pilo is an executable sh script" test -x "$prefix/bin/pilo"
check "bin/pilo starts with #!/bin/sh" grep -qx '#!/bin/sh' <(head -n 1 "$prefix/bin/pilo")
check "launcher parses as sh" sh -n "$prefix/bin/pilo"
check "program in libexec" test -x "$prefix/libexec/pilo/pilo"
check "program is an ELF executable" grep -q 'ELF' <(file -b "$prefix/libexec/pilo/pilo")
check "data folder matches the build's" diff -r "$build/data" "$shipped"
for name in "${lists[@]}" pilo.INI BackGround.bmp applaus.wav witz1.txt; do
    check "data file $name" test -s "$shipped/$name"
done
check "desktop entry" test -f "$prefix/share/applications/$id.desktop"
check "metainfo" test -f "$prefix/share/metainfo/$id.metainfo.xml"
check "scalable icon" grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    check "icon ${size}x$size" grep -q "PNG image data, $size x $size," <(file -b "$png")
done
check "desktop entry starts the launcher" grep -qx 'Exec=pilo' "$prefix/share/applications/$id.desktop"
check "desktop entry names the icon" grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"

echo "== desktop metadata"
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"

echo "== build-tree launcher"
check "pilo-launch parses as sh" sh -n "$build/pilo-launch"
check "pilo-launch starts the built program" grep -qF "program='$build/app/pilo'" "$build/pilo-launch"
check "pilo-launch uses the built data" grep -qF "shipped='$build/data'" "$build/pilo-launch"

echo "== launcher with a stand-in program"
# The installed launcher beside a program that reports where and how it ran.
fake=$tmp/fake
mkdir -p "$fake/bin" "$fake/libexec/pilo" "$fake/share/pilo"
cp "$prefix/bin/pilo" "$fake/bin/pilo"
cp -r "$shipped" "$fake/share/pilo/data"
cat >"$fake/libexec/pilo/pilo" <<'EOF'
#!/bin/sh
pwd >"$REPORT"
for arg do printf '%s\n' "$arg" >>"$REPORT"; done
EOF
chmod +x "$fake/libexec/pilo/pilo"

# run_fake <home> [VAR=value...] -- [args...]: runs the launcher with only
# the given environment; the report holds the working folder and arguments.
run_fake() {
    local home=$1
    shift
    local vars=()
    while [ "$1" != -- ]; do vars+=("$1"); shift; done
    shift
    env -i PATH=/usr/bin:/bin HOME="$home" REPORT="$tmp/report" "${vars[@]}" \
        timeout 30 "$fake/bin/pilo" "$@"
}

home=$tmp/arguments
mkdir -p "$home"
run_fake "$home" -- "eins zwei" '' "*"
check "arguments pass through unchanged" \
    diff <(printf '%s\n' "eins zwei" "" "*") <(tail -n +2 "$tmp/report")
check "with arguments: nothing made in HOME" test -z "$(ls -A "$home")"

home="$tmp/Eltern Heim"
mkdir -p "$home"
run_fake "$home" --
folder=$home/.local/share/pilo
check "first start: works in the user's data folder" grep -qxF "$folder" <(head -n 1 "$tmp/report")
check "first start: no arguments" test "$(wc -l <"$tmp/report")" = 1
check "first start: every shipped file copied" \
    diff -r -x pilo.INI "$fake/share/pilo/data" "$folder"
check "first start: demo profile not in the data folder" test ! -e "$folder/pilo.INI"
check "first start: demo profile seeded" cmp -s "$shipped/pilo.INI" "$home/.config/pilo.INI"

printf 'meine Aufgabe\n' >"$folder/Pilo Eigene Eins.txt"
printf 'noch eine\n' >"$folder/Meine Liste.txt"
rm "$folder/witz3.txt" "$folder/Pilo Eigene Zwei.txt"
printf '[Parameter]\nAufgaben=9\n' >"$home/.config/pilo.INI"
run_fake "$home" --
check "restart: changed list kept" grep -qx 'meine Aufgabe' "$folder/Pilo Eigene Eins.txt"
check "restart: added file kept" test -f "$folder/Meine Liste.txt"
check "restart: deleted joke restored" cmp -s "$shipped/witz3.txt" "$folder/witz3.txt"
check "restart: deleted list restored" cmp -s "$shipped/Pilo Eigene Zwei.txt" "$folder/Pilo Eigene Zwei.txt"
check "restart: changed profile kept" grep -qx 'Aufgaben=9' "$home/.config/pilo.INI"
check "restart: no temporary copies left" test -z "$(find "$home" -name '*.pilo-new.*')"

home=$tmp/xdg
mkdir -p "$home"
run_fake "$home" XDG_DATA_HOME="$tmp/xdg data" XDG_CONFIG_HOME="$tmp/xdg config" --
check "absolute XDG folders: data there" grep -qxF "$tmp/xdg data/pilo" <(head -n 1 "$tmp/report")
check "absolute XDG folders: profile there" test -f "$tmp/xdg config/pilo.INI"
check "absolute XDG folders: nothing in HOME" test -z "$(ls -A "$home")"

home=$tmp/relative
mkdir -p "$home"
(cd "$tmp" && run_fake "$home" XDG_DATA_HOME=rel XDG_CONFIG_HOME=rel --)
check "relative XDG folders are ignored: data" test -f "$home/.local/share/pilo/witz1.txt"
check "relative XDG folders are ignored: profile" test -f "$home/.config/pilo.INI"
check "relative XDG folders are ignored: nothing made" test ! -e "$tmp/rel"

if [ "$(id -u)" != 0 ]; then
    home=$tmp/readonly
    mkdir -p "$home/.local/share" "$home/.config"
    chmod a-w "$home/.local/share"
    run_fake "$home" -- 2>/dev/null
    check "unusable data folder: runs in the shipped one" \
        grep -qxF "$fake/share/pilo/data" <(head -n 1 "$tmp/report")
    chmod u+w "$home/.local/share"
fi

echo "== manual pages"
man_en=$prefix/share/man/man1/pilo.1.gz
man_de=$prefix/share/man/de/man1/pilo.1.gz
for page in "$man_en" "$man_de"; do
    check "${page#"$prefix/"}: mandoc -T lint" mandoc -T lint -W warning "$page"
    check "${page#"$prefix/"}: man --warnings" \
        test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
done
# man picks the page of the locale's language from the same manual path.
show_man_in() {
    local locale=$1
    shift
    LOCPATH=$tmp/locale LC_ALL=$locale MANWIDTH=${width:-80} MANPATH=$prefix/share/man \
        man --nh "$@" 2>&1 | col -b
}
show_man() { show_man_in C.UTF-8 "$@"; }
check "English page" grep -q 'pilo - arithmetic trainer for young children' <(show_man -l "$man_en")
check "German page" grep -q 'pilo - Rechentrainer für Kinder' <(show_man -l "$man_de")
# A German locale of the test's own, so that man sees the user's language.
mkdir -p "$tmp/locale"
if localedef -i de_DE -f UTF-8 "$tmp/locale/de_DE.UTF-8" >/dev/null 2>&1; then
    check "man pilo in a German locale is German" grep -q '^UMGEBUNGSVARIABLEN' \
        <(show_man_in de_DE.UTF-8 pilo)
else
    fail "localedef made no German locale"
fi
check "man pilo in the C locale is English" grep -q '^ENVIRONMENT' <(show_man_in C.UTF-8 pilo)
# On lines wide enough that no name is broken.
for page in "$man_en" "$man_de"; do
    for topic in pilo.INI .local/share/pilo fortschritt.sqlite "Pilo Eigene Eins.txt" witz1.txt \
        BackGround.bmp applaus.wav XDG_CONFIG_HOME XDG_DATA_HOME HOME Hilfethemen --version; do
        check "${page#"$prefix/"} names $topic" grep -qF -- "$topic" <(width=1000 show_man -l "$page")
    done
done

echo "== command line without a display"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
home=$tmp/cli
mkdir -p "$home"
# name | locale | the one argument | status | pattern of standard output |
# pattern of standard error (empty: nothing may be written there)
while IFS='|' read -r name locale arg status out err; do
    code=0
    env -i PATH=/usr/bin:/bin HOME="$home" LANG="$locale" \
        timeout 30 "$prefix/bin/pilo" "$arg" >"$tmp/out" 2>"$tmp/err" || code=$?
    check "$name: status $status (was $code)" test "$code" = "$status"
    if [ -n "$out" ]; then
        check "$name: standard output" grep -qE -- "$out" "$tmp/out"
    else
        check "$name: nothing on standard output" test ! -s "$tmp/out"
    fi
    if [ -n "$err" ]; then
        check "$name: standard error" grep -qE -- "$err" "$tmp/err"
    else
        check "$name: nothing on standard error" test ! -s "$tmp/err"
    fi
done <<EOF
--help|C.UTF-8|--help|0|^Usage: pilo \[--help|
-h|C.UTF-8|-h|0|^      --version  print the version and exit$|
--help in German|de_DE.UTF-8|--help|0|^Aufruf: pilo|
--version|C.UTF-8|--version|0|^Pilo ${version//./\\.}$|
--version names the copyright|C.UTF-8|--version|0|^Copyright \(C\) 2026 Pilo-Team$|
unknown option|C.UTF-8|--hilfe|2||^pilo: unrecognized argument '--hilfe'$
unknown option points to --help|C.UTF-8|--hilfe|2||^Try 'pilo --help' for more information\.$
a file name|C.UTF-8|Aufgaben.txt|2||'Aufgaben\.txt'
Qt's own options|C.UTF-8|-platform|2||'-platform'
an empty argument|C.UTF-8||2||''
unknown option in German|de_DE.UTF-8|--hilfe|2||^„pilo --help“
EOF
check "no file made for the command line" test -z "$(ls -A "$home")"
code=0
env -i PATH=/usr/bin:/bin HOME="$home" "$prefix/bin/pilo" --help >/dev/full 2>"$tmp/err" || code=$?
check "--help onto a full disk fails (was $code)" test "$code" = 1
check "--help onto a full disk says so" grep -q 'write error' "$tmp/err"

echo "== the installed program on a display"
start_xvfb 1024x768x24 || exit 1
pilo_pid=
at_exit 'stop_process "$pilo_pid" KILL'

# start_pilo <home>: starts the installed launcher with XDG folders unset and
# waits up to 90 s for the main window.
start_pilo() {
    env -i PATH=/usr/bin:/bin HOME="$1" DISPLAY="$display" LANG=C.UTF-8 \
        QT_LOGGING_RULES='qt.multimedia*=false' "$prefix/bin/pilo" >"$tmp/pilo.log" 2>&1 &
    pilo_pid=$!
    wait_window "$title_pattern" 90 && return 0
    sed 's/^/  pilo: /' "$tmp/pilo.log" >&2
    return 1
}

# stop_pilo: ends the program (it writes nothing at exit) and waits for it.
stop_pilo() {
    kill -TERM "$pilo_pid" 2>/dev/null || true
    wait_exit "$pilo_pid" 10 || stop_process "$pilo_pid" KILL
    pilo_pid=
}

home="$tmp/Kinder Heim"
mkdir -p "$home"
folder=$home/.local/share/pilo
if start_pilo "$home"; then
    check "program runs in the data folder" \
        test "$(readlink "/proc/$pilo_pid/cwd")" = "$folder"
    check "the launcher became the program" \
        test "$(readlink "/proc/$pilo_pid/exe")" = "$prefix/libexec/pilo/pilo"
    stop_pilo
    check "data folder seeded" diff -r -x pilo.INI "$shipped" "$folder"
    check "profile seeded" cmp -s "$shipped/pilo.INI" "$home/.config/pilo.INI"

    sed -i 's/^Aufgaben=.*/Aufgaben=3/' "$home/.config/pilo.INI"
    cp "$home/.config/pilo.INI" "$tmp/changed.INI"
    rm "$folder/Pilo Eigene Drei.txt"
    printf '1 + 1 = \n2\n' >"$folder/Pilo Eigene Vier.txt"
    if start_pilo "$home"; then
        stop_pilo
        check "changed profile kept" cmp -s "$tmp/changed.INI" "$home/.config/pilo.INI"
        check "deleted list restored" \
            cmp -s "$shipped/Pilo Eigene Drei.txt" "$folder/Pilo Eigene Drei.txt"
        check "changed list kept" grep -qx '1 + 1 = ' "$folder/Pilo Eigene Vier.txt"
    else
        fail "second start: no window titled $title"
    fi
else
    fail "first start: no window titled $title"
fi

finish "all install checks passed"
