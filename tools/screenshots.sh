#!/usr/bin/env bash
# Takes the README's screenshots from the real program: starts it through the
# build tree's launcher on a virtual X display of its own, with a temporary
# home folder and profile, drives it with the keyboard only and saves each
# window as a PNG file.
# Usage: tools/screenshots.sh [build dir] [output dir] [scale]
#   defaults: build/ and docs/screenshots/ of this checkout, scale 1; at
#   another scale (QT_SCALE_FACTOR, e.g. 2) the screen grows by it and the
#   files are named like exercise-scale2.png
# Needs Xvfb, xdotool, x11-utils, ImageMagick and openbox for the window
# frames (tools/setup.sh installs them); without openbox the windows have no
# frames and no titles.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/lib/session.sh"
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshots}
scale=${3:-1}
[[ $scale =~ ^[1-4](\.[0-9]+)?$ ]] || { echo "screenshots: scale $scale is not from 1 to 4" >&2; exit 1; }
suffix=
[ "$scale" = 1 ] || suffix=-scale${scale/./_}
main_title="Pilo für Windows 95 V1.11"
launcher=$build/pilo-launch
# The whole run takes about a minute; past this something hangs.
time_limit=240
max_kb=$(awk -v s="$scale" 'BEGIN { printf "%d", 300 * s * s }')

for tool in Xvfb xdotool xwininfo xprop import convert identify; do
    command -v "$tool" >/dev/null ||
        { echo "screenshots: $tool is missing (run tools/setup.sh)" >&2; exit 1; }
done
if [ ! -x "$launcher" ] || [ ! -x "$build/app/pilo" ]; then
    echo "screenshots: build Pilo first (no program in $build)" >&2
    exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)

make_tmp
trap 'echo "screenshots: stopped" >&2; exit 130' INT TERM

# The watchdog takes its sleep along when it is stopped, so no stray process
# keeps the script's output open.
main_pid=$$
(
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep "$time_limit" >/dev/null 2>&1 &
    sleeper=$!
    wait "$sleeper" && echo "screenshots: gave up after $time_limit s" >&2 && kill -TERM "$main_pid"
) &
watchdog_pid=$!
at_exit 'stop_process "$watchdog_pid"'

die() {
    echo "screenshots: $*" >&2
    if [ -s "$tmp/pilo.log" ]; then sed 's/^/  pilo: /' "$tmp/pilo.log" >&2; fi
    exit 1
}

# Everything runs with a home folder of its own, so neither the window
# manager nor the launcher touches the user's files.
home=$tmp/home
data=$home/.local/share/pilo
config=$home/.config
mkdir -p "$data" "$config"
clean_env=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share"
    XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 QT_SCALE_FACTOR="$scale")

# A small screen: the main window opens maximized and the picture in it keeps
# its size, so a large screen would mostly show empty border.
start_xvfb "$(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 800 * s, 600 * s }')" ||
    die "Xvfb did not start"

wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null
}
if command -v openbox >/dev/null; then
    "${clean_env[@]}" DISPLAY="$DISPLAY" openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    wm_pid=$!
    at_exit 'stop_process "$wm_pid"'
    wait_until 10 wm_running ||
        echo "screenshots: openbox did not start within 10 s, the windows may get no frames" >&2
else
    echo "screenshots: openbox is not installed, the windows get no frames" >&2
fi

# An own list with known answers: the keyboard cannot read the screen.
printf '3 + 4 =\r\n7\r\n5 + 2 =\r\n7\r\n9 - 2 =\r\n7\r\n' >"$data/Pilo Eigene Eins.txt"
# A task written as Pilo writes its sums, so the hint draws it as dots; the
# same one thrice, so the README's picture shows it whichever is drawn.
printf '8 + 5 = ??\r\n13\r\n8 + 5 = ??\r\n13\r\n8 + 5 = ??\r\n13\r\n' \
    >"$data/Pilo Eigene Zwei.txt"

# The demo profile with three tasks a run, no sound and the given reward
# kind (0 picture, 1 joke). The launcher keeps a profile that is there.
write_profile() {
    sed -e 's/^Aufgaben=.*/Aufgaben=3/' -e 's/^Sound=.*/Sound=0/' \
        -e "s/^Belohnungsart=.*/Belohnungsart=$1/" "$build/data/pilo.INI" >"$config/pilo.INI"
    grep -q "^Belohnungsart=$1" "$config/pilo.INI" || die "the demo profile has no reward kind"
    if [ -n "${2:-}" ]; then
        printf '[Lernhilfen]\r\nWiederholen=1\r\nTipp=1\r\nFortschritt=1\r\n' >>"$config/pilo.INI"
    fi
}

program_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pilo_pid" 2>/dev/null); do
        if big_window "$id"; then echo "$id"; fi
    done
}
# The waits report what they waited for; the run cannot go on without it.
need_window() {
    wait_window "$1" 15 || die "stopped"
}
need_gone() {
    wait_gone "$1" 10 || die "stopped"
}
# Keys typed before the window manager has handed a window the keyboard go
# to the window behind it.
need_focus() {
    wait_focus "$1" || die "stopped"
}
key_delay=80
key_pause=0.4

pilo_pid=
at_exit 'stop_process "$pilo_pid" KILL'
start_pilo() {
    write_profile "$@"
    ("${clean_env[@]}" DISPLAY="$DISPLAY" "$launcher" >>"$tmp/pilo.log" 2>&1) &
    pilo_pid=$!
    need_window "^$main_title"
    focus_window "^$main_title" || die "stopped"
    sleep 0.5
}

# "Plus" -> "&Beenden"; a program that does not end by then is killed.
quit_pilo() {
    open_menu 0
    keys b
    if ! wait_exit "$pilo_pid" 5; then
        echo "screenshots: Beenden did not end the program within 5 s" >&2
        stop_process "$pilo_pid" KILL
    fi
    pilo_pid=
}

# Position and size of a window on the screen with its frame: its outermost
# ancestor below the root window.
frame_geometry() {
    local id=$1 parent
    while :; do
        parent=$(xwininfo -children -id "$id" 2>/dev/null |
            sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
        [ -z "$parent" ] && break
        xwininfo -id "$parent" 2>/dev/null | grep -q '(the root window)' && break
        id=$parent
    done
    xwininfo -id "$id" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# Saves the screen cut to the smallest box around the given windows.
shoot() {
    local name=${1%.png}$suffix.png
    shift
    [ $# -gt 0 ] || die "nothing to take for $name"
    sleep 0.6
    local x0=100000 y0=100000 x1=0 y1=0 id x y w h
    for id in "$@"; do
        read -r x y w h <<<"$(frame_geometry "$id")"
        ((x < 0)) && w=$((w + x)) && x=0
        ((y < 0)) && h=$((h + y)) && y=0
        ((x < x0)) && x0=$x
        ((y < y0)) && y0=$y
        ((x + w > x1)) && x1=$((x + w))
        ((y + h > y1)) && y1=$((y + h))
    done
    import -window root "$tmp/screen.png"
    convert "$tmp/screen.png" -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -strip \
        -define png:compression-level=9 "$tmp/$name"
    if [ "$(identify -format '%k' "$tmp/$name")" -lt 50 ]; then
        die "$name came out nearly blank"
    fi
    local kb=$(($(stat -c %s "$tmp/$name") / 1024))
    if ((kb > max_kb)); then
        convert "$tmp/$name" -colors 255 -define png:compression-level=9 "$tmp/$name"
        kb=$(($(stat -c %s "$tmp/$name") / 1024))
    fi
    mv "$tmp/$name" "$out/$name"
    echo "saved $out/$name ($(identify -format '%wx%h' "$out/$name"), $kb KB)"
}

# Types the answers 0 to 10 into a task of "Aufgaben kleiner 10" until one
# is right, leaving each wrong one through "Nochmal" (Escape).  The program
# also asks 9 + 1, so 10 is among them.
answer_small_sum() {
    local answer
    for answer in 0 1 2 3 4 5 6 7 8 9 10; do
        need_focus '^Aufgaben kleiner 10'
        # shellcheck disable=SC2046 # one key per digit
        keys $(fold -w 1 <<<"$answer") Return
        sleep 0.3
        [ -z "$(window_named '^Oh! Oooooh!')" ] && return 0
        need_focus '^Oh! Oooooh!'
        keys Escape
        need_gone '^Oh! Oooooh!'
    done
    die "no answer from 0 to 10 was right"
}

# "Eigene" -> "Eigene 1": three tasks whose answer is 7, all right.
perfect_own_run() {
    open_menu 3
    keys Return
    need_window '^Eigene 1'
    need_focus '^Eigene 1'
    keys 7 Return Return
    keys 7 Return Return
    keys 7 Return Return
}

echo "== main window with the menu Plus open"
start_pilo 0
open_menu 0
mapfile -t windows < <(program_windows)
shoot main-window.png "${windows[@]}"
keys Escape Escape

echo "== an exercise: a right answer and its praise"
open_menu 0
keys Down Return
need_window '^Aufgaben kleiner 10'
answer_small_sum
shoot exercise.png "$(window_named '^Aufgaben kleiner 10')"

echo "== a wrong answer"
# "Weiter" to the next task; no sum of "kleiner 10" is 99.
keys Return
keys 9 9 Return
need_window '^Oh! Oooooh!'
shoot wrong-answer.png "$(window_named '^Aufgaben kleiner 10')" "$(window_named '^Oh! Oooooh!')"
need_focus '^Oh! Oooooh!'
keys Escape
need_gone '^Oh! Oooooh!'
need_focus '^Aufgaben kleiner 10'
keys Escape
need_gone '^Aufgaben kleiner 10'
quit_pilo

echo "== picture reward"
start_pilo 0
perfect_own_run
need_window '^Und jetzt ein h'
shoot picture-reward.png "$(window_named '^Und jetzt ein h')"
need_focus '^Und jetzt ein h'
keys Return
need_gone '^Und jetzt ein h'
quit_pilo

echo "== joke reward"
start_pilo 1
perfect_own_run
need_window '^Und jetzt ein lustiger'
shoot joke-reward.png "$(window_named '^Und jetzt ein lustiger')"
need_focus '^Und jetzt ein lustiger'
keys Return
need_gone '^Und jetzt ein lustiger'
quit_pilo

echo "== the own-list editor with findings"
# "Eigene 1" (its runs are done) with a wrong result, an answer that cannot be typed, a task too
# long for the old program and a lost answer line near the end.
printf '%s\r\n' '2 · 5 =' 10 '3 · 5 =' 15 '4 · 5 =' 21 'Hälfte von 3?' '1½' \
    'Wie heißt die Hauptstadt von Österreich?' Wien '6 · 5 =' '7 · 5 =' 35 \
    >"$data/Pilo Eigene Eins.txt"
start_pilo 0
# "Optionen": Up from the first entry wraps round to the parents' group.
open_menu 4
keys Up Up Up Return
need_window '^Eigene Übungen bearbeiten'
need_focus '^Eigene Übungen bearbeiten'
shoot own-lists-editor.png "$(window_named '^Eigene Übungen bearbeiten')"
keys Escape
need_gone '^Eigene Übungen bearbeiten'

echo "== a worksheet of Plus -> Aufgaben kleiner 10, saved as PDF"
open_menu 4
keys Up Up Return
need_window '^Arbeitsblatt drucken'
need_focus '^Arbeitsblatt drucken'
# The kind list has the keyboard: its second entry is "Aufgaben kleiner 10".
keys Down alt+p
need_window '^Arbeitsblatt als PDF speichern'
need_focus '^Arbeitsblatt als PDF speichern'
keys Return
need_gone '^Arbeitsblatt als PDF speichern'
wait_until 10 test -s "$home/Arbeitsblatt.pdf" || die "no worksheet PDF was written"
need_focus '^Arbeitsblatt drucken'
keys Escape
quit_pilo
if command -v pdftoppm >/dev/null; then
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$home/Arbeitsblatt.pdf" "$tmp/worksheet"
    convert "$tmp/worksheet.png" -strip -colors 64 -define png:compression-level=9 \
        "$out/worksheet.png"
    echo "saved $out/worksheet.png"
else
    echo "screenshots: pdftoppm is missing (poppler-utils), no worksheet picture" >&2
fi

echo "== learning aids: their page, the hint and the progress marks"
start_pilo 3 aids
# "Optionen" -> "Einstellungen", then to the fourth page.
open_menu 4
keys Down Return
need_window '^Einstellungen'
need_focus '^Einstellungen'
keys ctrl+Tab ctrl+Tab ctrl+Tab
shoot learning-aids.png "$(window_named '^Einstellungen')"
keys Escape
need_gone '^Einstellungen'
focus_window "^$main_title" || die "stopped"
open_menu 3
keys Down Return
need_window '^Eigene 2'
need_focus '^Eigene 2'
keys 1 3 Return Return
keys 9 Return
need_window '^Oh! Oooooh!'
need_focus '^Oh! Oooooh!'
shoot wrong-answer-hint.png "$(window_named '^Eigene 2')" "$(window_named '^Oh! Oooooh!')"
# Lösen, Nochmal, Tipp
keys Tab Tab space
need_window '^Tipp'
shoot hint.png "$(window_named '^Tipp')"
need_focus '^Tipp'
keys Escape
need_gone '^Tipp'
need_focus '^Oh! Oooooh!'
keys Escape
need_gone '^Oh! Oooooh!'
need_focus '^Eigene 2'
keys 1 3 Return Return
shoot progress.png "$(window_named '^Eigene 2')"
keys Escape
need_gone '^Eigene 2'
quit_pilo

echo "== progress window over four weeks of practice"
"$build/tools/progress_demo" "$data/fortschritt.sqlite" || die "no demo record"
start_pilo 0
# "Optionen" -> "Fortschritt...", the menu's last entry.
open_menu 4
keys Up Return
need_window '^Fortschritt'
shoot progress-window.png "$(window_named '^Fortschritt')"
need_focus '^Fortschritt'
keys alt+p
shoot progress-grid.png "$(window_named '^Fortschritt')"
keys alt+o
shoot progress-missed.png "$(window_named '^Fortschritt')"
keys Escape
need_gone '^Fortschritt'
quit_pilo

echo "done"
