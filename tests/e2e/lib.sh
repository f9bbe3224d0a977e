# shellcheck shell=bash
# End-to-end harness: runs the real program on a private X server with a window manager and drives
# it with the keyboard only. Source it, call e2e_setup, then use the helpers; everything it
# started is stopped and its temporary folder removed when the script exits, however it exits.
#
# Every wait is for a condition, bounded by a deadline; none is a fixed pause.

set -euo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20}   # seconds any single wait may take
E2E_TMP=
E2E_XVFB_PID=
E2E_WM_PID=
E2E_PIDS=()

e2e_log() { printf '[e2e] %s\n' "$*" >&2; }

e2e_fail() {
    printf '[e2e] FAIL: %s\n' "$*" >&2
    exit 1
}

# e2e_wait_for DESCRIPTION COMMAND...: runs COMMAND until it succeeds, or fails the test after
# E2E_TIMEOUT seconds.
e2e_wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            e2e_fail "timed out waiting for: $what"
        fi
        sleep 0.05
    done
}

e2e_cleanup() {
    local status=$?
    set +e
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    [ -n "$E2E_TMP" ] && [ -d "$E2E_TMP/records" ] && : >"$E2E_TMP/records/release"
    [ -n "$E2E_WM_PID" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    if [ "$status" -ne 0 ] && [ -n "$E2E_TMP" ]; then
        for f in "$E2E_TMP"/*.log; do
            [ -s "$f" ] && { echo "---- $f"; tail -n 40 "$f"; } >&2
        done
    fi
    if [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$E2E_TMP"
    fi
    exit "$status"
}

_e2e_display_ready() { grep -q '^[0-9][0-9]*$' "$E2E_TMP/displayfd" 2>/dev/null; }
_e2e_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# e2e_setup: a temporary folder ($E2E_TMP), an X server on a free display ($DISPLAY) and openbox.
e2e_setup() {
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vorn-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    # Xvfb picks a free display itself and writes its number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_TMP/displayfd" \
        >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for "the X server" _e2e_display_ready
    export DISPLAY=":$(cat "$E2E_TMP/displayfd")"
    unset WAYLAND_DISPLAY XAUTHORITY
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_wait_for "the window manager" _e2e_wm_ready
    mkdir -p "$E2E_TMP/records"
    export VORN_STANDIN_RECORDS="$E2E_TMP/records"
    e2e_log "display $DISPLAY, folder $E2E_TMP"
}

# e2e_start DIR PROGRAM [ARGS...]: starts PROGRAM in DIR in the background; sets E2E_PID.
e2e_start() {
    local dir=$1
    shift
    (cd "$dir" && exec "$@") >>"$E2E_TMP/program.log" 2>&1 </dev/null &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
}

_e2e_regex() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$(){}?+|/]/\\&/g')"; }

# e2e_window TITLE: prints the id of the visible window titled exactly TITLE, waiting for it.
e2e_window() {
    local ids
    ids=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "$(_e2e_regex "$1")" \
        2>/dev/null) || e2e_fail "no window titled \"$1\""
    printf '%s\n' "$ids" | head -n 1
}

_e2e_gone() {
    local state
    state=$(xwininfo -id "$1" 2>/dev/null | sed -n 's/.*Map State: //p') || return 0
    [ "$state" != IsViewable ]
}

# e2e_wait_gone WINDOW: waits until WINDOW is no longer shown.
e2e_wait_gone() { e2e_wait_for "window $1 to close" _e2e_gone "$1"; }

_e2e_active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# e2e_keys WINDOW KEY...: makes WINDOW active and types the keys (xdotool names: Return, Escape,
# Tab, alt+k, alt+F4), one after another.
e2e_keys() {
    local window=$1
    shift
    xdotool windowactivate "$window" 2>/dev/null || true
    e2e_wait_for "window $window to become active" _e2e_active_is "$window"
    xdotool key --clearmodifiers --delay 40 "$@"
}

# e2e_next TITLE OLD_WINDOW: waits for OLD_WINDOW to close and prints the window titled TITLE that
# follows it.
e2e_next() {
    e2e_wait_gone "$2"
    e2e_window "$1"
}

_e2e_ended() {
    local state
    [ -r "/proc/$1/stat" ] || return 0
    state=$(sed 's/.*) //' "/proc/$1/stat" | cut -d' ' -f1)
    [ "$state" = Z ] || [ "$state" = X ]
}

# e2e_wait_exit PID: waits until PID (a child of this shell) has ended and reaps it.
e2e_wait_exit() {
    e2e_wait_for "process $1 to end" _e2e_ended "$1"
    wait "$1" 2>/dev/null || true
}

e2e_running() { ! _e2e_ended "$1"; }

# e2e_record NAME: the path of the record a stand-in named NAME writes when it is started.
e2e_record() { printf '%s/%s.rec' "$VORN_STANDIN_RECORDS" "$1"; }

# e2e_wait_record NAME: waits until the stand-in NAME has written its record.
e2e_wait_record() { e2e_wait_for "$1 to be started" test -f "$(e2e_record "$1")"; }

# e2e_field NAME KEY: one field of a stand-in's record.
e2e_field() { sed -n "s/^$2=//p" "$(e2e_record "$1")"; }

# e2e_expect_eq WHAT EXPECTED ACTUAL
e2e_expect_eq() {
    [ "$2" = "$3" ] || e2e_fail "$1: expected \"$2\", got \"$3\""
}

# e2e_expect_clean_run: fails when a program started by e2e_start reported a sanitizer error.
e2e_expect_clean_run() {
    if grep -E 'ERROR: (Address|Leak|Undefined)Sanitizer|runtime error:' "$E2E_TMP/program.log"; then
        e2e_fail "the program reported a sanitizer error (see program.log)"
    fi
}
