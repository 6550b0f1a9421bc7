#!/usr/bin/env bash
# The player's control of the speech in the real window: F4 repeats and F5/F6 review what the
# game said, Control alone silences it, F7 sums up the game, the Options menu's items are real
# menu items that change the voice's rate and the sounds' level, and the statistics window has a
# name for every control and closes with Escape. Speech is checked through the speech log.
# Run inside tests/e2e/lib/xvfb-session.sh:
#   xvfb-session.sh --output DIR -- speech-control-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
source "$XS_LIB_DIR/game-helpers.sh"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log "$out"/*.txt
export SDL_AUDIODRIVER=dummy
speech="$out/speech.log"
log="$out/ventra.log"

# lines LINE: how many lines of the speech log are exactly LINE.
lines() {
    local count
    count=$(grep -c -x -F -- "$1" "$speech" 2>/dev/null)
    echo "${count:-0}"
}

# expect_lines LINE COUNT: waits until the log holds LINE COUNT times.
expect_lines() {
    local tries=150
    until (($(lines "$1") >= $2)); do
        ((tries-- > 0)) || xs_fail "not $2 times in the speech log: \"$1\"" "$speech"
        sleep 0.1
    done
}

said() { expect_lines "speak	WE	$1" "${2:-1}"; }

echo 'setting Ventrelle StartUp Reader "WE"' | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
said "Press f2 for help. "
atspi_until "$out/atspi-stakes.txt" 10 "^ *table cell '\\\$1000' \[.*\bfocused\b" \
    "^ *menu item 'Speak faster' " "^ *menu item 'Sounds off/on' " "^ *menu item 'Statistics...' "

# Repeat and review in the stakes list, whose name the game says as the list gets the focus.
said " stakes list box "
named=$(lines "speak	WE	 stakes list box ")
xs_keys "$main" F4
said " stakes list box " $((named + 1))
xs_keys "$main" F3
said "This information is not available in this window. "
xs_keys "$main" F5
said " stakes list box " $((named + 2))
# press_up_to KEY TIMES LINE: presses KEY until LINE is in the log, at most TIMES times.
press_up_to() {
    local presses=0
    until (($(lines "speak	WE	$3") >= 1)); do
        ((presses++ < $2)) || xs_fail "$1 never reached \"$3\"" "$speech"
        xs_keys "$main" "$1"
        sleep 0.3
    done
}
press_up_to F5 8 "Top of history"
said "Press f2 for help. " 2
press_up_to F6 8 "End of history"
said "This information is not available in this window. " 2
xs_keys "$main" F7
said "No hands played in this game yet."

# Control alone stops the voice.
stops=$(lines "stop	WE")
xs_keys "$main" ctrl
expect_lines "stop	WE" $((stops + 1))

# The Options menu from the keyboard.
xs_keys "$main" alt+o f
expect_lines "rate	WE	60" 1
said "Speech rate 60 percent"
xs_keys "$main" alt+o t
said "Sounds 90 percent"
xs_keys "$main" alt+o o
said "Sounds off"

# The statistics window: named controls, the figures' text focused, Escape closes it.
xs_keys "$main" alt+g t
window=$(xs_window '^Statistics$' 10) || xs_fail "Alt+G, T did not open the statistics window" "$log"
atspi_until "$out/atspi-statistics.txt" 10 "^ *push button 'Reset All-Time Figures' " \
    "^ *text 'Statistics' \[.*\bfocused\b.*\bmulti line\b"
/usr/bin/python3 "$XS_LIB_DIR/atspi-names.py" ventra >"$out/names-statistics.txt" 2>&1 ||
    xs_fail "controls without a name of their own in the statistics window" \
        "$out/names-statistics.txt"
xs_keys "$window" Escape
wait_until_gone() {
    local tries=100
    while xdotool search --onlyvisible --name '^Statistics$' >/dev/null; do
        ((tries-- > 0)) || xs_fail "Escape did not close the statistics window"
        sleep 0.1
    done
}
wait_until_gone

# Out through the Game menu: no hand is in play, so the game ends at once.
xs_keys "$main" alt+g x
tries=100
while kill -0 "$XS_PID" 2>/dev/null; do
    ((tries-- > 0)) || xs_fail "the program did not end" "$log"
    sleep 0.1
done
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the program ended with status $status" "$log"
grep -qi 'assertion\|critical' "$log" && xs_fail "toolkit warnings in the output" "$log"
echo "PASS: review, silence, options and statistics in the real window"
