# Helpers for tests of the game's real window, sourced after xvfb-session.sh's helpers:
#   source "$XS_HELPERS"; source "$XS_LIB_DIR/game-helpers.sh"
# The speech functions read the log that VENTRA_SPEECH=log:FILE writes, named by $speech.
#   speech_count PATTERN           how many spoken lines contain PATTERN
#   wait_speech PATTERN COUNT SECS until COUNT spoken lines contain PATTERN (fails the test)
#   atspi_until FILE SECS PATTERN  dumps the game's accessibility tree into FILE until a line
#                                  matches the extended PATTERN (fails the test)
#   screenshot WINDOW FILE         the window alone, checked to hold a drawing, not one colour
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
    local tries=$(($2 * 4))
    while ((tries-- > 0)); do
        xs_atspi_dump "$1" ventra
        grep -Eq -- "$3" "$1" && return 0
        sleep 0.25
    done
    xs_fail "nothing in the accessibility tree matches: $3" "$1"
}

screenshot() {
    import -window "$1" "$2" || xs_fail "no screenshot $2"
    local colours
    colours=$(convert "$2" -format '%k' info:) || xs_fail "unreadable screenshot $2"
    ((colours > 1)) || xs_fail "the screenshot $2 is blank"
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
