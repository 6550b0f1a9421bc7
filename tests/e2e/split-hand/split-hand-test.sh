#!/usr/bin/env bash
# A pair split in the real window: the 8s of spades and diamonds dealt (VENTRA_DECK stacks the
# first shuffle), "Split Pair" pressed and the question answered Yes, hand 1 hit to 20 and both
# hands stayed, the dealer's 18 played, and the results of both hands in the results frame.
# Buttons are reached with Tab and pressed with Space. Screenshots of hand 2 on the table and of
# the results go to the output folder.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- split-hand-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
source "$XS_LIB_DIR/game-helpers.sh"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log "$out"/*.png "$out"/atspi-*.txt

# The sounds play on SDL's silent driver, in real time as on a sound card. SDL keeps its hands
# off SIGTERM, so that a failing run can still end the program.
export SDL_AUDIODRIVER=dummy SDL_NO_SIGNAL_HANDLERS=1

# press CAPTION: Tab through the table until the button has the focus, then Space presses it.
press() {
    tab_to "$1"
    xs_keys "$main" space
}

# JAWS stored (by the game's own headless mode), so the game starts without asking and reads the
# results out; its speech goes to a log.
echo 'setting Ventrelle StartUp Reader "JFW"' | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"
log="$out/split-hand.log"
speech="$out/split-hand-speech.log"
VENTRA_SPEECH="log:$speech" VENTRA_DECK="8 23 21 34 2 13 22" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
wait_speech "Press f2 for help. " 1 10
atspi_until "$out/atspi-stakes.txt" 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"
xs_keys "$main" Tab space
atspi_until "$out/atspi-bet.txt" 10 "^ *table cell '\\\$100' \[.*\bfocused\b"
xs_keys "$main" Tab space
wait_speech " you drew the 8 of Diamonds" 1 15
atspi_until "$out/atspi-table.txt" 10 "^ *push button 'Split Pair' \["

# The split: the question is a dialog of its own, which has to be given the focus here (there is
# no window manager); Alt+Y answers Yes. The game takes the command once the deal's closing
# pause is over.
tab_to "Split Pair"
press_until space xs_window '^Split Pairs$' 2 >/dev/null
question=$(xs_window '^Split Pairs$' 10) || xs_fail "no split question" "$log"
xs_keys "$question" alt+y
wait_speech " you drew the 2 of Spades" 1 10
atspi_until "$out/atspi-hand1.txt" 10 "^ *label 'Hand #1' \[.*\bshowing\b"

# Hand 1: 8 and 2, a hit for the King (20), then Stay; hand 2 is announced and dealt its 9.
press "Hit"
wait_speech " you drew the King of Spades" 1 10
press "Stay"
wait_speech "Hand #2" 1 10
wait_speech " you drew the 9 of Diamonds" 1 10
screenshot "$main" "$out/hand2.png"
press "Stay"

# The dealer stays on 18: hand 1 wins, hand 2 loses, both in the results frame.
wait_speech "The Dealer stays. " 1 15
atspi_until "$out/atspi-results.txt" 20 "^ *push button 'Same Bet' \[.*\bshowing\b"
screenshot "$main" "$out/results.png"
for expected in 'Hand number  1:\r\nYou win $100 which is the amount of your bet.\r\n' \
    'Hand number  2:\r\nYou Lose $100 which is the amount of your bet.\r\n'; do
    wait_speech "$expected" 1 5
done

# The hand is over: "E&xit Game" ends the program without a question.
exit_game "$main" "$log"
echo "PASS: a split hand in the window"
