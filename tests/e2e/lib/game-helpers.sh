# Helpers for tests of the game's real window, sourced after xvfb-session.sh's helpers:
#   source "$XS_HELPERS"; source "$XS_LIB_DIR/game-helpers.sh"
# Every one waits on a condition, never for a fixed time. The speech functions read the log that
# VENTRA_SPEECH=log:FILE writes, named by $speech; $main is the main window, $out the output.
#   speech_count PATTERN           how many spoken lines contain PATTERN
#   wait_speech PATTERN COUNT SECS until COUNT spoken lines contain PATTERN (fails the test)
#   atspi_until FILE SECS PATTERN... dumps the game's accessibility tree into FILE until every
#                                  extended PATTERN matches a line (fails the test)
#   screenshot WINDOW FILE         the window alone, once it holds a drawing, not one colour
#   focused_line                   the accessibility tree's line of the control with the focus
#   tab_to CAPTION                 Tab until the button CAPTION has the focus, each Tab waited
#                                  for until the focus has moved
#   press_until KEY COMMAND...     presses KEY in the main window until COMMAND (a bounded wait)
#                                  succeeds: the game takes no play command while it pauses
#   exit_game WINDOW LOG           "E&xit Game" ends the program at once, cleanly (below)

speech_count() {
    local count
    count=$(grep -c -F -- "$1" "$speech" 2>/dev/null)
    echo "${count:-0}"
}

wait_speech() {
    local tries=$(($3 * 10))
    while ((tries-- > 0)); do
        (($(speech_count "$1") >= $2)) && return 0
        sleep 0.1
    done
    xs_fail "not spoken $2 times: $1" "$speech"
}

atspi_until() {
    xs_atspi_wait "$1" ventra "$2" "${@:3}"
}

screenshot() {
    xs_window_shot "$1" "$2"
}

focused_line() {
    xs_atspi_dump "$out/atspi-focus.txt" ventra
    grep -E "\bfocused\b" "$out/atspi-focus.txt" | grep -v "^ *frame " | tail -n 1
}

tab_to() {
    local tabs=0 tries focus moved
    focus=$(focused_line)
    until grep -Eq "^ *push button '$1' " <<<"$focus"; do
        ((tabs++ < 12)) || xs_fail "Tab never reached the $1 button" "$out/atspi-focus.txt"
        xs_keys "$main" Tab
        tries=100
        while moved=$(focused_line) && [ "$moved" = "$focus" ]; do
            ((tries-- > 0)) || xs_fail "Tab did not move the focus" "$out/atspi-focus.txt"
            sleep 0.1
        done
        focus=$moved
    done
}

press_until() {
    local key=$1 tries=10
    shift
    until xs_keys "$main" "$key" && "$@"; do
        ((tries-- > 0)) || xs_fail "$key was never taken" "${speech:-}"
    done
}

# exit_game WINDOW LOG: "E&xit Game" by its access key must end the program (started with
# xs_start, $XS_PID) at once and without a question, with status 0 and every sound played.
exit_game() {
    xs_keys "$1" alt+x
    local tries=100 status
    while ((tries-- > 0)) && kill -0 "$XS_PID" 2>/dev/null; do
        sleep 0.1
    done
    kill -0 "$XS_PID" 2>/dev/null && xs_fail "the program did not end after Exit Game" "$2"
    wait "$XS_PID"
    status=$?
    [ "$status" -eq 0 ] || xs_fail "the program ended with status $status" "$2"
    if grep -q "Sounds Module" "$2"; then
        xs_fail "a sound could not be played" "$2"
    fi
}
