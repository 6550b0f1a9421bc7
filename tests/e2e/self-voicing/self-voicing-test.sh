#!/usr/bin/env bash
# The real window with no screen reader running: the game says the window's title, the stakes
# list and its entries as Down moves, the Game menu and its entries, and the question New Game
# asks during a hand; then, started with --self-voicing=off, it says none of that.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- self-voicing-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
source "$XS_LIB_DIR/game-helpers.sh"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log

# The sounds play on SDL's silent driver, in real time as on a sound card.
export SDL_AUDIODRIVER=dummy

echo 'setting Ventrelle StartUp Reader "JFW"' | "$ventra" --headless >/dev/null ||
    xs_fail "the reader could not be stored"

announced() {  # announced TEXT: an announcement line says exactly TEXT
    grep -q -x -F -- "announce	JFW	$1" "$speech"
}
expect_announced() {
    local tries=150
    until announced "$1"; do
        ((tries-- > 0)) || xs_fail "not announced: \"$1\"" "$speech"
        sleep 0.1
    done
}

# Voiced: nothing on the session bus says a screen reader runs.
log="$out/voiced.log"
speech="$out/voiced-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
expect_announced "Ventrelle"
expect_announced 'Stakes list, $1000'
xs_keys "$main" Down
expect_announced '$2000'
xs_keys "$main" Down
expect_announced '$3000'

xs_keys "$main" alt+g
expect_announced "Game menu"
expect_announced "New Game Ctrl+N"
xs_keys "$main" Down
expect_announced "Screen Reader..."
xs_keys "$main" Escape
wait_speech "Screen Reader..." 1 5

# A hand, then New Game in the middle of it: the question is read when it opens.
xs_keys "$main" Return
expect_announced 'Bet Amount list, $100'
xs_keys "$main" Return
wait_speech " you drew the " 2 15
xs_keys "$main" ctrl+n
box=$(xs_window '^New Game$' 10) || xs_fail "New Game did not ask" "$log"
expect_announced "New Game dialog"
expect_announced "Yes button"
xs_keys "$box" alt+n
tries=100
while xdotool search --onlyvisible --name '^New Game$' >/dev/null; do
    ((tries-- > 0)) || xs_fail "No did not close the question" "$log"
    sleep 0.1
done
# The game's own speech is never an announcement, nor the other way round.
grep -q -x -F "announce	JFW	 your cards " "$speech" && xs_fail "the game's own speech was announced"
xs_keys "$main" alt+g x
box=$(xs_window '^Exit Game$' 10) || xs_fail "Exit Program did not ask" "$log"
xs_keys "$box" alt+y
wait_until_ended() {
    local tries=100
    while ((tries-- > 0)) && kill -0 "$XS_PID" 2>/dev/null; do
        sleep 0.1
    done
    kill -0 "$XS_PID" 2>/dev/null && xs_fail "the program did not end" "$log"
    wait "$XS_PID" || xs_fail "the program ended with status $?" "$log"
}
wait_until_ended

# Silenced from the command line: the same moves announce nothing.
log="$out/silent.log"
speech="$out/silent-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra" --self-voicing=off
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
wait_speech "Press f2 for help. " 1 10
atspi_until "$out/atspi-silent.txt" 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"
xs_keys "$main" Down alt+g Down Escape
atspi_until "$out/atspi-silent.txt" 10 "^ *table cell '\\\$2000' \[.*\bselected\b"
grep -q "^announce" "$speech" && xs_fail "announced with --self-voicing=off" "$speech"
xs_keys "$main" alt+g x
wait_until_ended
echo "PASS: the window voiced without a screen reader, and silent when told"
