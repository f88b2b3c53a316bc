#!/usr/bin/env bash
# The real program as a native Wayland client of weston's headless back end,
# used with the keyboard only: the menu bar opens with Alt and its entries
# with the arrow keys, an own exercise list runs through a wrong answer
# ("Nochmal") to the picture reward, the options sheet opens and closes, and
# "&Beenden" ends the program with status 0.  Afterwards the profile holds
# what the run wrote and nothing else.
# The headless back end has no input devices: the weston module weston_keys
# (tests/tools/weston_keys.c) adds a keyboard whose keys the script writes
# into a FIFO; they reach Pilo as ordinary Wayland key events.
# Usage: test_wayland.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
pilo=$build/app/pilo
module=$build/tests/weston_keys.so
main_title='Pilo für Windows 95 V1\.11'

[ -x "$pilo" ] || { echo "FAIL: $pilo is missing" >&2; exit 1; }
[ -f "$build/data/pilo.bmp" ] || { echo "FAIL: the data folder is not built" >&2; exit 1; }
command -v weston >/dev/null || { echo "FAIL: weston is not installed (tools/setup.sh)" >&2; exit 1; }
[ -f "$module" ] || { echo "FAIL: $module is missing (libweston-10-dev, tools/setup.sh)" >&2; exit 1; }

make_tmp
# Wayland wants its runtime folder private to the user.
runtime=$tmp/runtime
mkdir -m 700 "$runtime"
socket=pilo-test
mkfifo "$tmp/keys"
: >"$tmp/focus.log"
weston_pid=
pilo_pid=
at_exit 'stop_process "$weston_pid"'
at_exit 'stop_process "$pilo_pid" KILL'
show_logs() {
    echo "--- weston" >&2
    cat "$tmp/weston.log" >&2 || true
    echo "--- program output" >&2
    cat "$tmp/pilo.log" >&2 || true
    echo "--- keyboard focus" >&2
    cat "$tmp/focus.log" >&2 || true
}
on_failure show_logs

env -i PATH=/usr/bin:/bin HOME="$tmp" XDG_RUNTIME_DIR="$runtime" \
    PILO_KEYS_FIFO="$tmp/keys" PILO_FOCUS_LOG="$tmp/focus.log" \
    weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --width=1024 --height=768 --modules="$module" --log="$tmp/weston.log" &
weston_pid=$!
socket_ready() { [ -S "$runtime/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; }
wait_until 30 socket_ready || true
[ -S "$runtime/$socket" ] || { fail "weston did not open its socket"; exit 1; }

# What has the keyboard now: the title of the focused window.
focused_title() {
    local line
    line=$(tail -n 1 "$tmp/focus.log")
    echo "${line#focus}" | sed 's/^ //'
}
_has_focus() {
    [[ $(focused_title) =~ ^$1$ ]] || ! _session_program_alive
}
# wl_focus PATTERN [SECONDS]: waits until the window titled like the pattern
# has the keyboard.
wl_focus() {
    local limit=${2:-$window_timeout}
    wait_until "$limit" _has_focus "$1" || true
    [[ $(focused_title) =~ ^$1$ ]] && return 0
    if _session_program_alive; then
        fail "waited $limit s for '$1' to get the keyboard; it is at '$(focused_title)'"
    else
        fail "the program ended while waiting for '$1'"
    fi
    return 1
}
# wl_keys KEY...: types the keys (xdotool's names), then gives the program a
# moment to act on them.
wl_keys() {
    echo "$*" >"$tmp/keys"
    sleep "$key_pause"
}
wl_menu() {
    local i
    wl_keys alt
    for ((i = 0; i < $1; i++)); do wl_keys Right; done
    wl_keys Down
}

cp -r "$build/data" "$tmp/data"
# Every answer is 7: the keyboard cannot read the screen.
printf '3 + 4 =\r\n7\r\n2 + 5 =\r\n7\r\n6 + 1 =\r\n7\r\n' >"$tmp/data/Pilo Eigene Eins.txt"
mkdir -p "$tmp/config"
{
    printf '[Parameter]\r\nAufgaben=3\r\nBelohnungsart=0\r\nSound=0\r\nWitze=19\r\n'
    printf 'Hintergrundbild=pilo.bmp\r\n[Lobe]\r\nAnzahl=1\r\nLob1=Bravo!\r\n'
    printf '[Bilder]\r\nAnzahl=1\r\nAnzahlHinter=1\r\nBild0=katze.bmp\r\nBild1=katze.bmp\r\n'
} >"$tmp/config/pilo.INI"
cp "$tmp/config/pilo.INI" "$tmp/before.INI"

sanitizer_env=()
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!v:-}" ] && sanitizer_env+=("$v=${!v}")
done
(cd "$tmp/data" && exec env -i PATH=/usr/bin:/bin HOME="$tmp" XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_CONFIG_HOME="$tmp/config" \
    LANG=C.UTF-8 QT_LOGGING_RULES='qt.multimedia*=false' "${sanitizer_env[@]}" \
    "$pilo" >"$tmp/pilo.log" 2>&1) &
pilo_pid=$!

echo "== an own exercise list through a wrong answer to the picture reward"
wl_focus "$main_title" || exit 1
wl_menu 3
wl_keys Return
wl_focus "Eigene 1" || exit 1
wl_keys 8 Return
wl_focus "Oh! Oooooh!" || exit 1
wl_keys Escape
wl_focus "Eigene 1" || exit 1
for _ in 1 2 3; do wl_keys 7 Return Return; done
wl_focus "Und jetzt ein hübsches Bild " || exit 1
wl_keys Return
wl_focus "$main_title" || exit 1
tr -d '\r' <"$tmp/config/pilo.INI" >"$tmp/after.txt"
grep -qx 'Lobe=0' "$tmp/after.txt" || fail "the reward flag is not back at 0"
grep -qx 'Laenge=7' "$tmp/after.txt" || fail "the longest task line is not recorded"
diff <(grep -v -e '^Lobe=' -e '^Laenge=' "$tmp/after.txt") <(tr -d '\r' <"$tmp/before.INI") \
    || fail "the run changed other settings"

echo "== the options sheet, then Beenden"
wl_menu 4
wl_keys Down Return
wl_focus "Einstellungen" || exit 1
wl_keys Escape
wl_focus "$main_title" || exit 1
wl_menu 0
wl_keys b
if wait_exit "$pilo_pid" 10; then
    pilo_pid=
    [ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status"
else
    fail "Beenden did not end the program within 10 s"
fi

finish "all passed"
