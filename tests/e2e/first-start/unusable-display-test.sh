#!/usr/bin/env bash
# With DISPLAY naming a display where no server runs, `ventra` must say so in exactly one line
# of its own that points to the headless mode, and fail. Needs no display at all.
#   unusable-display-test.sh VENTRA
set -uo pipefail
ventra=$1
scratch=$(mktemp -d /tmp/unusable-display.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,config,cache,runtime}
chmod 700 "$scratch/runtime"
failed=0

# A display number with no server: no socket and no lock file.
number=97
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done

# check DISPLAY: one line saying the display cannot be opened, the headless hint at its end.
check() {
    local display=$1 status lines
    env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS DISPLAY="$display" HOME="$scratch/home" \
        XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
        XDG_RUNTIME_DIR="$scratch/runtime" VENTRA_SPEECH=none \
        "$ventra" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null
    status=$?
    lines=$(wc -l <"$scratch/stderr")
    if [ "$status" -eq 0 ] || [ "$lines" -ne 1 ] || [ -s "$scratch/stdout" ] ||
        ! grep -Eq '^ventra: cannot open the display .*; to play without a window, run: ventra --headless$' \
            "$scratch/stderr"; then
        echo "FAIL: DISPLAY=$display: status $status, $lines lines on stderr:" >&2
        cat "$scratch/stderr" "$scratch/stdout" >&2
        failed=1
    else
        echo "ok: DISPLAY=$display: $(cat "$scratch/stderr")"
    fi
}

check ":$number"
check ":$number.0"
# A remote form is left to the toolkit, whose own message must not show either.
check "127.0.0.1:$number"
exit "$failed"
