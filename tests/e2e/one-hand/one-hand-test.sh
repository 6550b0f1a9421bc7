#!/usr/bin/env bash
# One hand in the real window: the stake and the bet confirmed from the keyboard, the deal read
# out, Stay pressed, the results frame, and "E&xit Game" by its access key ending the program.
# Screenshots of the table and of the results go to the output folder.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- one-hand-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log "$out"/*.png "$out"/atspi-*.txt

# The sounds play on SDL's silent driver, in real time as on a sound card.
export SDL_AUDIODRIVER=dummy

# speech_count PATTERN: how many spoken lines contain PATTERN.
speech_count() {
    local count
    count=$(grep -c -F -- "$1" "$speech" 2>/dev/null)
    echo "${count:-0}"
}

# wait_speech PATTERN COUNT SECS: until COUNT spoken lines contain PATTERN.
wait_speech() {
    local tries=$(($3 * 10))
    while ((tries-- > 0)); do
        (($(speech_count "$1") >= $2)) && return 0
        sleep 0.1
    done
    xs_fail "not spoken $2 times: $1" "$speech"
}

# focused_line: the accessibility tree's line of the object that has the focus.
focused_line() {
    xs_atspi_dump "$out/atspi-focus.txt" ventra
    grep -E "\bfocused\b" "$out/atspi-focus.txt" | grep -v "^ *frame " | tail -n 1
}

# Window-Eyes stored (by the game's own headless mode), so the game starts without asking; its
# speech goes to a log.
echo 'setting Ventrelle StartUp Reader "WE"' | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"
log="$out/one-hand.log"
speech="$out/one-hand-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
wait_speech "Press f2 for help. " 1 10
xs_atspi_wait "$out/atspi-stakes.txt" ventra 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"

# The stake: Tab from the list to its OK button, Space presses it; then the bet the same way.
xs_keys "$main" Down Tab space
xs_atspi_wait "$out/atspi-bet.txt" ventra 10 "^ *table cell '\\\$100' \[.*\bfocused\b"
grep -q "table cell 'All \\\$2000'" "$out/atspi-bet.txt" ||
    xs_fail "the bet list does not offer all of \$2000" "$out/atspi-bet.txt"
xs_keys "$main" Tab space

# The deal: the shuffle sound, the pause, two cards read out.
wait_speech " you drew the " 2 15
xs_atspi_wait "$out/atspi-table.txt" ventra 10 "^ *push button 'Stay' \[.*\bshowing\b"
xs_window_shot "$main" "$out/table.png"

# Stay: from the player's cards, Tab reaches the Stay button after the dealer's cards and Hit;
# each Tab is waited for until the focus has moved.
tabs=0
focus=$(focused_line)
until grep -Eq "^ *push button 'Stay' " <<<"$focus"; do
    ((tabs++ < 6)) || xs_fail "Tab never reached the Stay button" "$out/atspi-focus.txt"
    xs_keys "$main" Tab
    tries=100
    while moved=$(focused_line) && [ "$moved" = "$focus" ]; do
        ((tries-- > 0)) || xs_fail "Tab did not move the focus" "$out/atspi-focus.txt"
        sleep 0.1
    done
    focus=$moved
done
# The game takes no play command until the deal's closing pause is over: press again until
# Stay is taken (a Stay given while the dealer plays is ignored as well).
tries=10
until xs_keys "$main" space && xs_wait_for "$speech" "^speak.*The player stays. " 2; do
    ((tries-- > 0)) || xs_fail "Stay was never taken" "$speech"
done

# The results frame, with the account of the hand.
xs_atspi_wait "$out/atspi-results.txt" ventra 40 "^ *push button 'Same Bet' \[.*\bshowing\b"
xs_window_shot "$main" "$out/results.png"
grep -Eq "^ *push button 'Exit Game' \[" "$out/atspi-results.txt" ||
    xs_fail "no Exit Game button" "$out/atspi-results.txt"

# "E&xit Game" by its access key ends the program without a question.
xs_keys "$main" alt+x
tries=100
while ((tries-- > 0)) && kill -0 "$XS_PID" 2>/dev/null; do
    sleep 0.1
done
kill -0 "$XS_PID" 2>/dev/null && xs_fail "the program did not end after Exit Game" "$log"
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the program ended with status $status" "$log"
grep -q "Sounds Module" "$log" && xs_fail "a sound could not be played" "$log"
echo "PASS: one hand in the window"
