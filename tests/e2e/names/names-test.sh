#!/usr/bin/env bash
# Every control of every window of the game has a name of its own for screen readers: the
# screen-reader window, the main window with all its frames (hidden ones too), and message
# boxes (an OK box and a Yes/No box). tests/e2e/lib/atspi-names.py does the checking.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- names-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log "$out"/*.txt
export SDL_AUDIODRIVER=dummy

# check TAG WHAT: the whole tree of the game passes, else the faults and the tree are shown.
check() {
    local file="$out/names-$1.txt"
    if ! /usr/bin/python3 "$XS_LIB_DIR/atspi-names.py" ventra >"$file" 2>&1; then
        xs_atspi_dump "$out/atspi-$1.txt" ventra
        xs_fail "controls without a name of their own $2 (tree in $out/atspi-$1.txt)" "$file"
    fi
    echo "ok: $2"
}

log="$out/names.log"
speech="$out/names-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
reader=$(xs_window '^Screen Reader$' 20) || xs_fail "no Screen Reader window" "$log"
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *table cell 'Window-Eyes' \["
check first-start "at the first start"

# Closing the reader window without a choice: an OK box.
xs_close "$reader"
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *alert 'Screen Reader' \["
check ok-box "with an OK box"
xdotool key Return
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *frame 'Screen Reader' \[.*\bactive\b"

# Window-Eyes chosen; the stake and the bet; then New Game in the middle of the hand.
xs_keys "$reader" Down Return
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window is not shown" "$log"
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *table cell '\\\$1000' \[.*\bfocused\b"
check main "in the main window"
xs_keys "$main" Tab space
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *table cell '\\\$100' \[.*\bfocused\b"
xs_keys "$main" Tab space
xs_wait_for "$speech" 'you drew the' 15 || xs_fail "no deal" "$speech"
xs_keys "$main" ctrl+n
xs_atspi_wait "$out/atspi-now.txt" ventra 10 "^ *alert 'New Game' \["
check yes-no-box "with a Yes/No box"
xdotool key alt+n
echo "PASS: every control has a name of its own"
