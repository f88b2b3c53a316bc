#!/usr/bin/env bash
# Reading aloud through the real speech service: the program, with the aid
# switched on, hands the task of an exercise in words to a speech-dispatcher
# of the test's own (its log shows every text it is given), and keeps
# working.  Without a speech service it stays silent, says so in one line on
# standard error and still runs the exercise.  Skipped when speech-dispatcher
# is not installed or cannot start here.
# Usage: test_read_aloud.sh <build dir> <source dir>
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
build=$(cd "$1" && pwd)
pilo=$build/app/pilo
main_title='^Pilo für Windows 95 V1\.11$'

[ -x "$pilo" ] || { echo "FAIL: $pilo is missing" >&2; exit 1; }
if ! command -v speech-dispatcher >/dev/null || [ ! -d /etc/speech-dispatcher ]; then
    echo "skipped: speech-dispatcher is not installed"
    exit 0
fi

make_tmp
start_xvfb 1024x768x24 || exit 1
pilo_pid=
spd_pid=
at_exit 'stop_process "$pilo_pid" KILL'
at_exit 'stop_process "$spd_pid"'
# With --spawn the service forks away from the process started here; its pid
# file names the one that stays.
stop_service() {
    local pid_file=$tmp/run/speech-dispatcher/pid/speech-dispatcher.pid
    [ -s "$pid_file" ] && kill -KILL "$(cat "$pid_file")" 2>/dev/null
    return 0
}
at_exit 'stop_service'
show_logs() {
    echo "--- program output" >&2
    cat "$tmp/pilo.log" >&2 || true
}
on_failure show_logs

cp -r "$build/data" "$tmp/data"
printf '3 + 4 = ?\r\n7\r\n' >"$tmp/data/Pilo Eigene Eins.txt"
mkdir -p "$tmp/config" "$tmp/run" "$tmp/spd-log"
chmod 700 "$tmp/run"
printf '[Parameter]\r\nAufgaben=1\r\nBelohnungsart=3\r\nSound=0\r\n' >"$tmp/config/pilo.INI"
printf '[Lernhilfen]\r\nVorlesen=1\r\n' >>"$tmp/config/pilo.INI"

# The service's own configuration, but logging every text it is given.
cp -r /etc/speech-dispatcher "$tmp/spd-conf"
sed -i 's/^ *LogLevel .*/LogLevel 5/' "$tmp/spd-conf/speechd.conf"

# A sanitizer build gets the caller's sanitizer options.  The speech library
# reads the service's list of thousands of voices with strstr, which the
# address sanitizer's checks make take minutes instead of a second.
sanitizer_env=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizer_env+=("$name=${!name}")
done
sanitizer_env+=("ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strstr=0")
spd_log=$tmp/spd-log/speech-dispatcher.log

# The speech library finds the service at its socket below XDG_RUNTIME_DIR,
# or at SPEECHD_ADDRESS; it would start one with SPEECHD_CMD.
start_pilo() {
    (cd "$tmp/data" && exec env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$DISPLAY" \
        XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run" LANG=C.UTF-8 \
        SPEECHD_CMD=/bin/false "${sanitizer_env[@]}" "$@" "$pilo" >"$tmp/pilo.log" 2>&1) &
    pilo_pid=$!
    wait_window "$main_title" || return 1
    focus_window "$main_title" || return 1
    sleep 0.3
}

# "Eigene 1": its one task, said; then answered, which ends the run.
own_task() {
    open_menu 3
    keys Return
    wait_window_focused "^Eigene 1$" || return 1
}
finish_task() {
    keys 7 Return Return
    wait_gone "^Eigene 1$" || return 1
}
quit_pilo() {
    focus_window "$main_title" || return 1
    open_menu 0
    keys b
    if wait_exit "$pilo_pid" 10; then
        pilo_pid=
    else
        fail "Beenden did not end the program"
    fi
}
service_ready() {
    [ -S "$tmp/run/speech-dispatcher/speechd.sock" ] &&
        grep -q 'waiting for clients' "$spd_log" 2>/dev/null
}
said() {
    grep -q "Queueing message |$1|" "$spd_log" 2>/dev/null
}

echo "== with speech-dispatcher"
(env -i PATH=/usr/bin:/bin HOME="$tmp" XDG_RUNTIME_DIR="$tmp/run" \
    speech-dispatcher --spawn --config-dir "$tmp/spd-conf" --log-dir "$tmp/spd-log" \
    --timeout 60 >"$tmp/spd.out" 2>&1) &
spd_pid=$!
if ! wait_until 30 service_ready; then
    echo "skipped: speech-dispatcher did not start here"
    finish "skipped"
    exit 0
fi
start_pilo || exit 1
own_task || exit 1
wait_until 20 said "Drei plus vier ist gleich?" ||
    fail "the task did not reach speech-dispatcher in words"
finish_task || exit 1
quit_pilo
[ ! -s "$tmp/pilo.log" ] || fail "the program wrote to standard error: $(cat "$tmp/pilo.log")"

echo "== without a speech service"
# A socket nobody listens on, and no way to start a service there.
start_pilo SPEECHD_ADDRESS="unix_socket:$tmp/none.sock" || exit 1
own_task || exit 1
finish_task || exit 1
quit_pilo
lines=$(grep -c 'Vorlesen' "$tmp/pilo.log" || true)
[ "$lines" -eq 1 ] || fail "expected one line about reading aloud on standard error, got $lines"
[ -z "$(window_named '^Pilo$')" ] || fail "a message box showed"

finish "all passed"
