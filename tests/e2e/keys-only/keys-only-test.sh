#!/usr/bin/env bash
# A hand played in the real window with keys only, under one reader: the About window, the help
# of the stakes list, Enter in both lists, the cards read, Up and Down through the card lines
# while the game's own keys leave the caret alone, the stakes, a hit and a stay by key, the
# results' help, Enter on the results dealing the next hand, F1 opening the help document, and
# the way out through the Game menu. Speech is checked through the speech log; screenshots of the
# About window, the table and the results go to the output folder.
# Run inside tests/e2e/lib/xvfb-session.sh:
#   xvfb-session.sh --output DIR -- keys-only-test.sh VENTRA JFW|WE
set -uo pipefail
source "$XS_HELPERS"
source "$XS_LIB_DIR/game-helpers.sh"
ventra=$1
reader=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$XS_OUTPUT
rm -rf "$out/$reader"-*

# The sounds play on SDL's silent driver, in real time as on a sound card.
export SDL_AUDIODRIVER=dummy

if [ "$reader" = JFW ]; then
    hit=Prior stay=Next read_mine=Home read_dealer=End stakes=Return
    help_line="Press page up to hit, or receive another card. "
else
    hit=g stay=s read_mine=r read_dealer=e stakes=space
    help_line="Press the letter g, as in go to hit, or receive another card. "
fi

# A stand-in for the desktop's opener: it writes down what it was asked to open.
mkdir -p "$out/$reader-bin"
cat >"$out/$reader-bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >> '$out/$reader-opened.txt'
EOF
chmod +x "$out/$reader-bin/xdg-open"
export PATH="$out/$reader-bin:$PATH"

speech="$out/$reader-speech.log"
log="$out/$reader-ventra.log"

# spoken TEXT: how many spoken lines are exactly TEXT.
spoken() {
    local count
    count=$(grep -c -x -F -- "speak	$reader	$1" "$speech" 2>/dev/null)
    echo "${count:-0}"
}

# wait_until SECS COMMAND...: until COMMAND succeeds.
wait_until() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

at_least() { (($(speech_count "$1") >= $2)); }
said() { (($(spoken "$1") >= ${2:-1})); }

expect_said() {  # expect_said TEXT [COUNT]
    wait_until 15 said "$1" "${2:-1}" || xs_fail "not spoken: \"$1\"" "$speech"
}

# caret: the caret offset, the selected length and the caret's line in the focused text.
caret() {
    /usr/bin/python3 "$here/focused-text.py" ventra
}

echo "setting Ventrelle StartUp Reader \"$reader\"" | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
expect_said "Press f2 for help. "
atspi_until "$out/$reader-atspi-stakes.txt" 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"

# The About window from the Help menu: Escape closes it, and so does Enter on its OK button.
about_closes_with() {
    xs_keys "$main" alt+h a
    local about
    about=$(xs_window '^About Ventrelle$' 10) || xs_fail "Alt+H, A did not open the About window" "$log"
    [ -f "$out/$reader-about.png" ] || screenshot "$about" "$out/$reader-about.png"
    xs_keys "$about" "$1"
    wait_until 5 eval '! xdotool search --onlyvisible --name "^About Ventrelle\$" >/dev/null' ||
        xs_fail "$1 did not close the About window"
}
about_closes_with Escape
about_closes_with Return

# The stakes list: its help, F3, and Enter taking $1000 and opening the bet list.
xs_keys "$main" F2 F3
expect_said "Use the up and down arrow keys to move to the amount you want to start with, and press enter on it. "
expect_said "This information is not available in this window. "
xs_keys "$main" Return
atspi_until "$out/$reader-atspi-bet.txt" 10 "^ *table cell '\\\$100' \[.*\bfocused\b"
if [ "$reader" = WE ]; then
    expect_said " bet list box "
fi
xs_keys "$main" F3
expect_said 'Stakes = $1000'

# Enter bets $100: the deal, the cards read out, the focus in the player's cards.
xs_keys "$main" Return
wait_until 15 at_least " you drew the " 2 || xs_fail "the cards were not dealt" "$speech"
expect_said " your cards "
if [ "$reader" = JFW ]; then
    expect_said "Your cards "
fi
first_card=$(grep -F " you drew the " "$speech" | sed -n '1s/.* you drew the //p')
second_card=$(grep -F " you drew the " "$speech" | sed -n '2s/.* you drew the //p')
line_is() { test "$(caret | cut -f3)" = "$1"; }

# The caret starts at the top of the cards (the first card: the first line is empty); Up and
# Down move through the card lines; the game's own keys leave the caret where it is.
wait_until 10 line_is "$first_card" || xs_fail "the caret is not on \"$first_card\": $(caret)"
xs_keys "$main" Down
wait_until 5 line_is "$second_card" ||
    xs_fail "Down did not move to the second card \"$second_card\": $(caret)"
before=$(caret)
xs_keys "$main" F2 "$read_dealer" "$read_mine" shift+"$read_dealer"
expect_said "This is the player text box which contains your cards. "
expect_said "$help_line"
expect_said "Dealer's card" 2
[ "$(caret)" = "$before" ] || xs_fail "a key of the game moved the caret or selected: $(caret)"
xs_keys "$main" Up
wait_until 5 line_is "$first_card" || xs_fail "Up did not go back to the first card: $(caret)"
xs_keys "$main" Up
wait_until 5 test "$(caret | cut -f1)" = 0 || xs_fail "Up did not reach the empty first line: $(caret)"
xs_keys "$main" "$stakes"
expect_said 'Stakes = $900'
expect_said 'Current Bet=$100'
screenshot "$main" "$out/$reader-table.png"

# Hit (a play given while the deal still pauses is ignored, so press until a card comes), then
# stay, which a bust makes pointless but harmless.
press_until "$hit" wait_until 2 at_least " you drew the " 3
xs_keys "$main" "$stay"

# The results, their help, and Enter on them dealing the next hand.
atspi_until "$out/$reader-atspi-results.txt" 30 "^ *push button 'Same Bet' \[.*\bshowing\b"
screenshot "$main" "$out/$reader-results.png"
xs_keys "$main" F2
expect_said "Pressing the enter key while in this box is the same as pressing enter on the Same Bet button. "
xs_keys "$main" Return
wait_until 15 at_least " you drew the " 5 || xs_fail "Enter on the results dealt no hand" "$speech"

# F1 opens the help document beside the program, with the desktop's own program.
xs_keys "$main" F1
wait_until 5 test -s "$out/$reader-opened.txt" || xs_fail "F1 opened nothing" "$log"
expected_help="$(dirname "$(readlink -f "$ventra")")/ventra.html"
[ "$(cat "$out/$reader-opened.txt")" = "$expected_help" ] ||
    xs_fail "F1 opened \"$(cat "$out/$reader-opened.txt")\" instead of $expected_help"

# Out through the Game menu; a hand is in play, so the game asks first.
xs_keys "$main" alt+g x
box=$(xs_window '^Exit Game$' 10) || xs_fail "Exit Program did not ask" "$log"
xs_keys "$box" alt+y
wait_until 10 eval '! kill -0 "$XS_PID" 2>/dev/null' || xs_fail "the program did not end" "$log"
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the program ended with status $status" "$log"
grep -qi 'assertion\|critical' "$log" && xs_fail "toolkit warnings in the output" "$log"
echo "PASS: a hand and the next one with keys only, reader $reader"
