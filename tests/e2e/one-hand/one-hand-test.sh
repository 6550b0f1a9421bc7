#!/usr/bin/env bash
# One hand in the real window: the stake and the bet confirmed from the keyboard, the deal read
# out, Stay pressed, the results frame, and "E&xit Game" by its access key ending the program.
# Screenshots of the table and of the results go to the output folder.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- one-hand-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
source "$XS_LIB_DIR/game-helpers.sh"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log "$out"/*.png "$out"/atspi-*.txt

# The sounds play on SDL's silent driver, in real time as on a sound card.
export SDL_AUDIODRIVER=dummy

# Window-Eyes stored (by the game's own headless mode), so the game starts without asking; its
# speech goes to a log.
echo 'setting Ventrelle StartUp Reader "WE"' | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"
log="$out/one-hand.log"
speech="$out/one-hand-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
wait_speech "Press f2 for help. " 1 10
atspi_until "$out/atspi-stakes.txt" 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"

# The stake: Tab from the list to its OK button, Space presses it; then the bet the same way.
xs_keys "$main" Down Tab space
atspi_until "$out/atspi-bet.txt" 10 "^ *table cell '\\\$100' \[.*\bfocused\b"
grep -q "table cell 'All \\\$2000'" "$out/atspi-bet.txt" ||
    xs_fail "the bet list does not offer all of \$2000" "$out/atspi-bet.txt"
xs_keys "$main" Tab space

# The deal: the shuffle sound, the pause, two cards read out.
wait_speech " you drew the " 2 15
atspi_until "$out/atspi-table.txt" 10 "^ *push button 'Stay' \[.*\bshowing\b"
screenshot "$main" "$out/table.png"

# Stay: from the player's cards, Tab reaches the Stay button after the dealer's cards and Hit.
tab_to Stay
press_until space xs_wait_for "$speech" "^speak.*The player stays. " 2

# The results frame, with the account of the hand.
atspi_until "$out/atspi-results.txt" 40 "^ *push button 'Same Bet' \[.*\bshowing\b"
screenshot "$main" "$out/results.png"
grep -Eq "^ *push button 'Exit Game' \[" "$out/atspi-results.txt" ||
    xs_fail "no Exit Game button" "$out/atspi-results.txt"

# "E&xit Game" by its access key ends the program without a question.
exit_game "$main" "$log"
echo "PASS: one hand in the window"
