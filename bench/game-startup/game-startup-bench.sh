#!/usr/bin/env bash
# How soon the real game's main window is on the screen, and how much CPU the game uses while
# it waits one second before greeting the player (its event loop should sleep, not spin).
# Run inside the test harness, with a built ventra:
#   tests/e2e/lib/xvfb-session.sh -- bench/game-startup/game-startup-bench.sh build/NAME/bin/ventra [RUNS]
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
runs=${2:-5}
speech="$XS_OUTPUT/game-startup-speech.log"
log="$XS_OUTPUT/game-startup.log"
greeting=$'\tPress f2 for help. '

now_us() {
    echo "${EPOCHREALTIME/./}"
}

# CPU time of every thread of PID so far, in microseconds (schedstat counts nanoseconds).
cpu_us() {
    local total=0 ns _
    for task in /proc/"$1"/task/*/schedstat; do
        read -r ns _ <"$task" 2>/dev/null || continue
        total=$((total + ns))
    done
    echo $((total / 1000))
}

run_game() {
    rm -f "$speech"
    VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
}

close_game() {
    local window
    window=$(xs_window '^Ventrelle$') || xs_fail "no main window to close" "$log"
    xs_close "$window"
    wait "$XS_PID" || xs_fail "the game ended with an error" "$log"
}

# A first run stores the reader through its window (and warms up the session's accessibility
# bus and font cache, which the first program of a session pays for).
run_game
dialog=$(xs_window '^Screen Reader$' 20) || xs_fail "no Screen Reader window" "$log"
xs_keys "$dialog" Down Return
xs_wait_for "$speech" "$greeting" 5 || xs_fail "no greeting" "$speech"
close_game

printf '%-4s %14s %14s %12s %12s\n' run window-ms greeting-ms pause-cpu-% settled-cpu-%
for run in $(seq "$runs"); do
    started=$(now_us)
    run_game
    until xdotool search --onlyvisible --name '^Ventrelle$' >/dev/null 2>&1; do
        sleep 0.005
    done
    shown=$(now_us)
    shown_cpu=$(cpu_us "$XS_PID")
    # The CPU figures must read the program's own /proc entry, not a shell's around it.
    [ "$(cat /proc/"$XS_PID"/comm)" = "$(basename "$ventra")" ] ||
        xs_fail "process $XS_PID is not $ventra"
    # The first 300 ms after the window maps hold drawing and accessibility set-up; after
    # that the game only waits for its timer.
    sleep 0.3
    settled=$(now_us)
    settled_cpu=$(cpu_us "$XS_PID")
    until grep -Fq -- "$greeting" "$speech" 2>/dev/null; do
        sleep 0.005
    done
    greeted=$(now_us)
    greeted_cpu=$(cpu_us "$XS_PID")
    awk -v run="$run" -v start="$started" -v shown="$shown" -v settled="$settled" \
        -v greeted="$greeted" -v shownCpu="$shown_cpu" -v settledCpu="$settled_cpu" \
        -v greetedCpu="$greeted_cpu" 'BEGIN {
            printf "%-4s %14d %14d %12.2f %12.2f\n", run, (shown - start) / 1000,
                (greeted - start) / 1000, 100 * (greetedCpu - shownCpu) / (greeted - shown),
                100 * (greetedCpu - settledCpu) / (greeted - settled) }'
    close_game
done
