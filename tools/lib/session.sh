# shellcheck shell=bash disable=SC2016,SC2034 # at_exit commands expand late; exit_status is for callers
# What the test and tool scripts that drive Pilo share: a failure counter,
# clean-up at exit, waiting with a time limit, an X server of their own and
# finding windows on it and typing into them.
# Source it from bash (4.4 or newer) right after `set -euo pipefail`.

failures=0

# fail MESSAGE: reports a failed check and counts it; the script goes on.
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# check WHAT COMMAND...: runs the command and reports WHAT if it fails.
check() {
    local what=$1
    shift
    "$@" || fail "$what"
}

# finish MESSAGE: ends the script, with status 1 if a check failed, else
# printing the message.
finish() {
    if ((failures)); then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "$1"
}

_session_cleanups=()
_session_failure_hooks=()

# at_exit COMMAND: evaluated when the script ends, the newest first, so what
# was started last is stopped first.  Quote it singly so that its variables
# are read only then.
at_exit() {
    _session_cleanups+=("$1")
}

# on_failure COMMAND: evaluated before the clean-up when the script ends with
# a status other than 0, e.g. to show a program's log.
on_failure() {
    _session_failure_hooks+=("$1")
}

_session_exit() {
    local status=$? i
    trap - ERR
    set +e
    if ((status != 0)); then
        for ((i = 0; i < ${#_session_failure_hooks[@]}; i++)); do
            eval "${_session_failure_hooks[i]}"
        done
    fi
    for ((i = ${#_session_cleanups[@]} - 1; i >= 0; i--)); do
        eval "${_session_cleanups[i]}"
    done
    exit "$status"
}
trap _session_exit EXIT

# Under `set -e` a failing command ends the script on the spot; say which one
# and where, so that no failure goes unexplained.  Command substitutions and
# background subshells inherit the trap but stay quiet: their caller decides.
_session_error() {
    [ "$BASHPID" = "$$" ] || return 0
    echo "FAIL: stopped at ${BASH_SOURCE[1]##*/}:$2: '$3' returned $1" >&2
}
set -o errtrace
trap '_session_error $? $LINENO "$BASH_COMMAND"' ERR

# make_tmp: a fresh folder in $tmp, removed at exit.
make_tmp() {
    tmp=$(mktemp -d)
    at_exit 'rm -rf "$tmp"'
}

# stop_process PID [SIGNAL]: signals a child process (TERM unless given) and
# reaps it.  An empty pid or one that has already ended is fine.
stop_process() {
    [ -n "${1:-}" ] || return 0
    kill -"${2:-TERM}" "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

_session_now_us() {
    echo "${EPOCHREALTIME//[.,]/}"
}

# wait_until SECONDS COMMAND...: runs the command every tenth of a second
# until it succeeds; returns 1 once the seconds have passed on the clock
# (not counted in rounds, which a loaded machine stretches).
wait_until() {
    local limit=$1
    shift
    local deadline=$(($(_session_now_us) + limit * 1000000))
    while :; do
        "$@" && return 0
        (($(_session_now_us) < deadline)) || return 1
        sleep 0.1
    done
}

# start_xvfb [WIDTHxHEIGHTxDEPTH]: an X server of its own, stopped at exit.
# Xvfb picks a free display number itself and reports it, so two runs side
# by side never share a display.  -noreset: a server that resets when its last
# client leaves refuses connections for a moment, and the polling tools come
# and go while the program under test is still starting.  Sets display and
# exports DISPLAY; needs $tmp.  Returns 1 after reporting why if the server
# did not come up.
start_xvfb() {
    local screen=${1:-1024x768x24}
    local fd_file=$tmp/xvfb.display log=$tmp/xvfb.log
    : >"$fd_file"
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$screen" 3>"$fd_file" >"$log" 2>&1 &
    xvfb_pid=$!
    at_exit 'stop_process "$xvfb_pid"'
    if ! wait_until 30 _session_xvfb_settled "$fd_file" || [ ! -s "$fd_file" ]; then
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            fail "Xvfb reported no display number within 30 s"
        else
            fail "Xvfb ended before it reported a display number:"
            sed 's/^/  Xvfb: /' "$log" >&2
        fi
        return 1
    fi
    display=:$(head -n 1 "$fd_file")
    export DISPLAY=$display
}

_session_xvfb_settled() {
    [ -s "$1" ] || ! kill -0 "$xvfb_pid" 2>/dev/null
}

# big_window ID: whether the window is at least 50 pixels wide; Qt keeps tiny
# helper windows mapped beside the real ones.
big_window() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    [[ $info =~ Width:\ +([0-9]+) ]] && ((BASH_REMATCH[1] >= 50))
}

# window_named PATTERN: the first visible window whose title matches the
# regular expression; prints nothing if there is none.
window_named() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        if big_window "$id"; then
            echo "$id"
            return 0
        fi
    done
}

window_shown() {
    [ -n "$(window_named "$1")" ]
}

# window_titles: the titles of the visible windows, for failure messages.
window_titles() {
    local id titles=()
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        big_window "$id" && titles+=("'$(xdotool getwindowname "$id" 2>/dev/null)'")
    done
    if ((${#titles[@]})); then echo "${titles[*]}"; else echo "none"; fi
}

# The program being driven, if any, is $pilo_pid: waiting for its windows
# stops as soon as it has ended.
_session_program_alive() {
    [ -z "${pilo_pid:-}" ] || kill -0 "$pilo_pid" 2>/dev/null
}

_session_window_or_end() {
    window_shown "$1" || ! _session_program_alive
}

_session_gone_or_end() {
    ! window_shown "$1" || ! _session_program_alive
}

window_timeout=${window_timeout:-20}

# wait_window PATTERN [SECONDS]: waits for a window titled like the pattern;
# reports what it waited for and returns 1 if none came.
wait_window() {
    local pattern=$1 limit=${2:-$window_timeout}
    wait_until "$limit" _session_window_or_end "$pattern" || true
    window_shown "$pattern" && return 0
    if _session_program_alive; then
        fail "waited $limit s for a window titled like '$pattern'; open: $(window_titles)"
    else
        fail "the program ended while waiting for a window titled like '$pattern'"
    fi
    return 1
}

# wait_gone PATTERN [SECONDS]: waits for the window titled like the pattern
# to close; reports it and returns 1 if it stays open.
wait_gone() {
    local pattern=$1 limit=${2:-10}
    wait_until "$limit" _session_gone_or_end "$pattern" || true
    window_shown "$pattern" || return 0
    fail "the window titled like '$pattern' stayed open for $limit s"
    return 1
}

# focus_window PATTERN: gives the window titled like the pattern the
# keyboard and waits until it has it.
focus_window() {
    local id
    id=$(window_named "$1")
    if [ -z "$id" ]; then
        fail "no window titled like '$1' to focus"
        return 1
    fi
    if ! timeout 10 xdotool windowfocus --sync "$id" 2>/dev/null; then
        fail "the window titled like '$1' did not get the keyboard within 10 s"
        return 1
    fi
}

_session_has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(window_named "$1")" ] || ! _session_program_alive
}

# wait_focus PATTERN [SECONDS]: waits until the window titled like the
# pattern has the keyboard.  A window is mapped a moment before the program
# gives it the focus; keys typed in between go to the window behind it.
wait_focus() {
    local pattern=$1 limit=${2:-10}
    wait_until "$limit" _session_has_focus "$pattern" || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(window_named "$pattern")" ] && return 0
    fail "waited $limit s for the window titled like '$pattern' to get the keyboard;" \
        "it is at '$(xdotool getwindowfocus getwindowname 2>/dev/null)'"
    return 1
}

# wait_window_focused PATTERN [SECONDS]: the window is shown and has the keyboard.
wait_window_focused() {
    wait_window "$@" && wait_focus "$1"
}

key_delay=${key_delay:-60}
key_pause=${key_pause:-0.3}

# keys KEY...: types the keys into the focused window, then gives the
# program a moment to act on them.
keys() {
    xdotool key --delay "$key_delay" "$@"
    sleep "$key_pause"
}

# open_menu N: Alt opens the menu bar; Right walks to the Nth menu from the
# left, Down opens it on its first entry.
open_menu() {
    local i
    keys alt
    for ((i = 0; i < $1; i++)); do keys Right; done
    keys Down
}

# wait_exit PID SECONDS: waits for a child process to end and reaps it; its
# status is in exit_status.  Returns 1, leaving it running, if it did not end.
wait_exit() {
    local pid=$1
    wait_until "$2" _session_ended "$pid" || return 1
    exit_status=0
    wait "$pid" || exit_status=$?
}

_session_ended() {
    ! kill -0 "$1" 2>/dev/null
}
