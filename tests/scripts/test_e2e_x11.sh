#!/usr/bin/env bash
# The real program on its own virtual X display, used with the keyboard only:
# it paints its main window and menus, runs an own exercise list through a
# wrong answer to the picture reward, and ends through "&Beenden" with status
# 0, leaving in the profile what the run wrote and nothing else.  Then the
# same program over a profile it cannot write (a folder standing in its
# place, a read-only mount, a full disk): the runs go on, the options sheet
# says the settings were not saved, and the old profile is left as it was.
# Usage: test_e2e_x11.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
pilo=$build/app/pilo
# Window titles are exactly the program's own, with nothing appended.
main_title='^Pilo für Windows 95 V1\.11$'

[ -x "$pilo" ] || { echo "FAIL: $pilo is missing" >&2; exit 1; }
[ -f "$build/data/pilo.bmp" ] || { echo "FAIL: the data folder is not built" >&2; exit 1; }

make_tmp
mounts=()
at_exit 'for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done'
start_xvfb 1024x768x24 || exit 1
pilo_pid=
at_exit 'stop_process "$pilo_pid" KILL'
show_program_log() {
    echo "--- program output" >&2
    cat "$tmp/pilo.log" >&2 || true
}
on_failure show_program_log

# The data folder, with an own list whose every answer is 7: the keyboard
# cannot read the screen, so the answers must be known beforehand.
cp -r "$build/data" "$tmp/data"
printf '3 + 4 =\r\n7\r\n2 + 5 =\r\n7\r\n6 + 1 =\r\n7\r\n' >"$tmp/data/Pilo Eigene Eins.txt"

profile_text() {
    printf '[Parameter]\r\nAufgaben=%s\r\nBelohnungsart=0\r\nSound=0\r\nWitze=19\r\n' "$1"
    printf 'Hintergrundbild=pilo.bmp\r\n[Lobe]\r\nAnzahl=1\r\nLob1=Bravo!\r\n'
    printf '[Bilder]\r\nAnzahl=1\r\nAnzahlHinter=1\r\nBild0=katze.bmp\r\nBild1=katze.bmp\r\n'
}

# A clean environment, but a sanitizer build keeps its settings.
sanitizer_env=()
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!v:-}" ] && sanitizer_env+=("$v=${!v}")
done

start_pilo() {
    local config=$1
    (cd "$tmp/data" && exec env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$DISPLAY" \
        XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 "${sanitizer_env[@]}" \
        "$pilo" >>"$tmp/pilo.log" 2>&1) &
    pilo_pid=$!
    wait_window "$main_title" || return 1
    focus_window "$main_title" || return 1
    sleep 0.3
}

# "Plus" -> "&Beenden"; the program must end by itself with status 0.
quit_pilo() {
    # Closed dialogs hand the keyboard back to the root window, not to it.
    focus_window "$main_title" || return 1
    open_menu 0
    keys b
    if ! wait_exit "$pilo_pid" 10; then
        fail "Beenden did not end the program within 10 s"
        stop_process "$pilo_pid" KILL
        pilo_pid=
        return
    fi
    pilo_pid=
    [ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status"
}

# "Eigene" -> "Eigene 1", tasks answered with 7.
own_run() {
    local tasks=$1
    open_menu 3
    keys Return
    wait_window_focused "^Eigene 1$" || return 1
    for ((t = 0; t < tasks; t++)); do
        keys 7 Return Return
    done
}

colours() {
    identify -format '%k' "$1"
}

echo "== a run to the reward, then Beenden"
config=$tmp/config
mkdir -p "$config"
profile_text 3 >"$config/pilo.INI"
cp "$config/pilo.INI" "$tmp/before.INI"
start_pilo "$config" || exit 1
import -window root "$tmp/main.png"
[ "$(colours "$tmp/main.png")" -gt 100 ] || fail "the main window shows no background picture"
open_menu 3
import -window root "$tmp/menu.png"
cmp -s "$tmp/main.png" "$tmp/menu.png" && fail "the open menu is not drawn"
keys Return
wait_window_focused "^Eigene 1$" || exit 1
# A wrong answer, "Nochmal" (Escape), then the right one.
keys 8 Return
wait_window_focused "^Oh! Oooooh!$" && keys Escape
wait_gone "^Oh! Oooooh!$" || exit 1
wait_focus "^Eigene 1$" || exit 1
keys 7 Return Return
keys 7 Return Return
keys 7 Return Return
if wait_window_focused "^Und jetzt ein h.*bsches Bild $"; then
    import -window root "$tmp/reward.png"
    [ "$(colours "$tmp/reward.png")" -gt 100 ] || fail "the reward shows no picture"
    keys Return
    wait_gone "^Und jetzt ein h.*bsches Bild $"
fi
wait_gone "^Eigene 1$" || exit 1
tr -d '\r' <"$config/pilo.INI" >"$tmp/after.txt"
grep -qx 'Lobe=0' "$tmp/after.txt" || fail "the reward flag is not back at 0"
grep -qx 'Laenge=7' "$tmp/after.txt" || fail "the longest task line is not recorded"
diff <(grep -v -e '^Lobe=' -e '^Laenge=' "$tmp/after.txt") <(tr -d '\r' <"$tmp/before.INI") \
    || fail "the run changed other settings"
cp "$config/pilo.INI" "$tmp/ran.INI"
quit_pilo
cmp -s "$config/pilo.INI" "$tmp/ran.INI" || fail "the program wrote to the profile at exit"

# Runs one task, then confirms the options sheet on its background page: the
# write fails, and a box titled "Pilo" says so.
unwritable_session() {
    local config=$1
    start_pilo "$config" || return 1
    own_run 1 || return 1
    wait_gone "^Eigene 1$" || return 1
    focus_window "$main_title" || return 1
    open_menu 4
    keys Down Return
    # The sheet opens only after the run and what follows it are over: by
    # then a reward would be showing (and would have kept the menu shut).
    if wait_window_focused "^Einstellungen$"; then
        [ -z "$(window_named "^Und jetzt")" ] || fail "a reward showed though none could be recorded"
        keys ctrl+Tab ctrl+Tab Return
        if wait_window_focused "^Pilo$"; then
            keys Return
            wait_gone "^Pilo$"
        fi
        wait_gone "^Einstellungen$"
    fi
    quit_pilo
}

echo "== a folder in place of the profile"
config=$tmp/folder
mkdir -p "$config/pilo.INI/inhalt"
unwritable_session "$config"
[ -d "$config/pilo.INI/inhalt" ] || fail "the folder in the profile's place was changed"

echo "== a read-only profile"
config=$tmp/readonly
mkdir -p "$config"
profile_text 1 >"$config/pilo.INI"
cp "$config/pilo.INI" "$tmp/readonly.INI"
if mount --bind "$config" "$config" 2>/dev/null; then
    mounts+=("$config")
    if mount -o remount,ro,bind "$config" 2>/dev/null; then
        unwritable_session "$config"
        cmp -s "$config/pilo.INI" "$tmp/readonly.INI" || fail "the read-only profile changed"
    else
        echo "skipped: a read-only mount is not permitted here"
    fi
else
    echo "skipped: mounting is not permitted here"
fi

echo "== a full disk"
config=$tmp/full
mkdir -p "$config"
if mount -t tmpfs -o size=64k tmpfs "$config" 2>/dev/null; then
    mounts+=("$config")
    profile_text 1 >"$config/pilo.INI"
    cp "$config/pilo.INI" "$tmp/full.INI"
    dd if=/dev/zero of="$config/filler" bs=1k count=128 2>/dev/null || true
    unwritable_session "$config"
    cmp -s "$config/pilo.INI" "$tmp/full.INI" || fail "the profile on the full disk changed"
    [ ! -e "$config/pilo.INI.tmp" ] || fail "a half-written profile was left behind"
else
    echo "skipped: mounting a small tmpfs is not permitted here"
fi

finish "all passed"
