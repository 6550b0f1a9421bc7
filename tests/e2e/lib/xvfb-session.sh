#!/usr/bin/env bash
# Runs a command inside its own X server and D-Bus session, for tests of real windows.
#
#   xvfb-session.sh [--output DIR] -- COMMAND [ARGS...]
#
# Starts Xvfb on a free display (1024x768, 24 bits), makes a temporary HOME and XDG_* folders
# (nothing is written into the user's own), and runs COMMAND under dbus-run-session, which also
# brings up the accessibility bus, with DISPLAY set. Exits with COMMAND's status, or 77 (the
# CTest skip code) when Xvfb is not installed. Xvfb, the temporary folders and every program
# started with xs_start are cleaned up on any exit, failures and Ctrl+C included.
# --output DIR (default: the current folder) is passed on as XS_OUTPUT, for screenshots and dumps.
#
# COMMAND is usually a bash script that loads the helpers below with   source "$XS_HELPERS"
#   xs_start LOG PROGRAM [ARGS...]  starts PROGRAM in the background, stdout and stderr into LOG;
#                                    its pid is in XS_PID; it is killed when the script exits
#   xs_wait_for LOG REGEX [SECS]     waits until a line of LOG matches the extended REGEX
#   xs_window REGEX [SECS]           waits for a visible window whose title matches; prints its id
#   xs_focus WINDOW                  gives WINDOW the keyboard focus (there is no window manager,
#                                    so new windows, dialogs included, must be focused by hand)
#   xs_keys WINDOW KEY...            focuses WINDOW and types xdotool key names (ctrl+n alt+y Down)
#   xs_close WINDOW                  sends the system close command (WM_DELETE_WINDOW)
#   xs_screenshot FILE               saves the whole screen as an image (PNG by the name)
#   xs_window_shot WINDOW FILE       saves the window alone, taken again until it holds a drawing
#                                    rather than one colour (it paints a little after it changes)
#   xs_atspi_dump FILE [APP]         writes the accessibility tree, one object a line:
#                                    indent, role, the name in quotes, [states]; APP filters by
#                                    application name (substring)
#   xs_atspi_wait FILE APP SECS REGEX...  dumps APP's tree into FILE until every extended REGEX
#                                    matches a line of it (the tree follows the window a little
#                                    later); fails naming the first one missing after SECS
#   xs_fail MESSAGE [LOG]            prints MESSAGE (and the end of LOG) to stderr and exits 1
#
# Example (a test script run as: xvfb-session.sh --output out -- ./my-test.sh):
#   source "$XS_HELPERS"
#   xs_start "$XS_OUTPUT/app.log" ./app
#   win=$(xs_window '^My App$') || xs_fail "no window" "$XS_OUTPUT/app.log"
#   xs_keys "$win" ctrl+n
#   xs_wait_for "$XS_OUTPUT/app.log" '^menu new' || xs_fail "Ctrl+N ignored" "$XS_OUTPUT/app.log"

xs_start() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 &
    XS_PID=$!
    XS_PIDS+=("$XS_PID")
}

xs_stop_all() {
    local pid tries=30
    [ ${#XS_PIDS[@]} -eq 0 ] && return 0
    for pid in "${XS_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # Some programs ignore SIGTERM when stuck (speech-dispatcher): 3 s, then SIGKILL. A child
    # that has ended stays a zombie until waited for, so look at its state, not its existence.
    while ((tries-- > 0)) && ps -o stat= -p "${XS_PIDS[*]}" 2>/dev/null | grep -qv '^Z'; do
        sleep 0.1
    done
    for pid in "${XS_PIDS[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XS_PIDS=()
}

xs_wait_for() {
    local log=$1 regex=$2 seconds=${3:-10}
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        grep -Eq -- "$regex" "$log" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

xs_window() {
    local regex=$1 seconds=${2:-10} id
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        id=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

xs_focus() {
    xdotool windowfocus --sync "$1"
}

xs_keys() {
    local window=$1
    shift
    xs_focus "$window" && xdotool key --delay 50 "$@"
}

xs_close() {
    /usr/bin/python3 "$XS_LIB_DIR/x-close.py" "$1"
}

xs_screenshot() {
    import -window root "$1"
}

xs_window_shot() {
    local colours tries=50
    while :; do
        import -window "$1" "$2" || xs_fail "no screenshot $2"
        colours=$(convert "$2" -format '%k' info:) || xs_fail "unreadable screenshot $2"
        ((colours > 1)) && return 0
        ((tries-- > 0)) || xs_fail "the screenshot $2 is blank"
        sleep 0.1
    done
}

xs_atspi_dump() {
    /usr/bin/python3 "$XS_LIB_DIR/atspi-dump.py" "${2:-}" >"$1"
}

xs_atspi_wait() {
    local file=$1 app=$2 tries=$(($3 * 10)) pattern missing
    shift 3
    while :; do
        xs_atspi_dump "$file" "$app"
        missing=""
        for pattern in "$@"; do
            grep -Eq -- "$pattern" "$file" || { missing=$pattern; break; }
        done
        [ -z "$missing" ] && return 0
        ((tries-- > 0)) || xs_fail "nothing in the accessibility tree matches: $missing" "$file"
        sleep 0.1
    done
}

xs_fail() {
    echo "FAIL: $1" >&2
    if [ -n "${2:-}" ] && [ -f "$2" ]; then
        echo "--- last lines of $2:" >&2
        tail -n 40 "$2" >&2
    fi
    exit 1
}

if [ "${BASH_SOURCE[0]}" != "$0" ]; then
    # Sourced by a test script: the helpers only, and its programs go when it ends.
    XS_PIDS=()
    trap xs_stop_all EXIT
    return 0
fi

set -euo pipefail
XS_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
output=$PWD
if [ "${1:-}" = "--output" ]; then
    output=$2
    shift 2
fi
[ "${1:-}" = "--" ] && shift
if [ $# -eq 0 ]; then
    echo "usage: $0 [--output DIR] -- COMMAND [ARGS...]" >&2
    exit 2
fi
if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed" >&2
    exit 77
fi
for tool in xdotool xdpyinfo dbus-run-session import; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 1; }
done

scratch=$(mktemp -d /tmp/xvfb-session.XXXXXX)
xvfb_pid=""
stop_xvfb() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
}
cleanup() {
    stop_xvfb
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts Xvfb on a display number it picks itself (-displayfd: it writes the number, then a line
# feed, once it accepts clients; never a fixed number, which another X server may hold) and
# checks that the display answers as this server. -noreset: the server stays as it is when its
# last client goes, between two programs of one test.
start_xvfb() {
    local tries=300
    : >"$scratch/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$scratch/display" 2>"$scratch/xvfb.log" &
    xvfb_pid=$!
    until [ "$(wc -l <"$scratch/display")" -ge 1 ]; do
        kill -0 "$xvfb_pid" 2>/dev/null && ((tries-- > 0)) || return 1
        sleep 0.1
    done
    display=":$(head -n 1 "$scratch/display")"
    xdpyinfo -display "$display" >"$scratch/xdpyinfo" 2>&1 &&
        grep -Eq '^ *dimensions: +1024x768 pixels' "$scratch/xdpyinfo"
}

display=""
for attempt in 1 2 3; do
    start_xvfb && break
    echo "$0: Xvfb attempt $attempt failed (display '$display'):" >&2
    cat "$scratch/xvfb.log" "$scratch/xdpyinfo" >&2 2>/dev/null
    stop_xvfb
    [ "$attempt" -eq 3 ] && exit 1
done

mkdir -p "$scratch"/{home,config,cache,data,runtime} "$output"
chmod 700 "$scratch/runtime"
export DISPLAY=$display
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
export XS_OUTPUT=$(cd "$output" && pwd) XS_HELPERS="$XS_LIB_DIR/xvfb-session.sh" XS_LIB_DIR
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE

status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
