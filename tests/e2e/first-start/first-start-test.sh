#!/usr/bin/env bash
# The game's first start in a real window: the screen-reader window, the choice answered with
# keys, the greeting, the stored choice, the stakes list as a screen reader sees it, screenshots,
# a second start that does not ask again, and the system close command ending the program.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- first-start-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
out=$XS_OUTPUT
greeting=$'speak\tWE\tPress f2 for help. '
rm -f "$out"/*.log "$out"/*.png "$out"/atspi-*.txt

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# wait_for_line FILE LINE SECS: polls finely, so the caller can time when LINE arrived.
wait_for_line() {
    local tries=$(($3 * 50))
    while ((tries-- > 0)); do
        grep -Fxq -- "$2" "$1" 2>/dev/null && return 0
        sleep 0.02
    done
    return 1
}

# The entries of the list that follows the label "Stakes", in order, one a line.
stakes_entries() {
    awk '/label .Stakes. / { match($0, /^ */); indent = RLENGTH; inside = 1; next }
         inside { match($0, /^ */); if (RLENGTH < indent) exit }
         inside && /table cell / { sub(/^ *table cell ./, ""); sub(/. \[.*$/, ""); print }' "$1"
}

# ends_with_status LOG STATUS: the program ends by itself within 10 s with STATUS.
ends_with_status() {
    local tries=100 status
    while ((tries-- > 0)) && kill -0 "$XS_PID" 2>/dev/null; do
        sleep 0.1
    done
    kill -0 "$XS_PID" 2>/dev/null && xs_fail "the program did not end after the close command" "$1"
    wait "$XS_PID"
    status=$?
    [ "$status" -eq "$2" ] || xs_fail "the program ended with status $status" "$1"
}

no_reader_window() {
    [ -z "$(xdotool search --onlyvisible --name '^Screen Reader$' 2>/dev/null)" ]
}

# --- First start: nothing stored, so the game asks for the screen reader.
log="$out/first-run.log"
speech="$out/first-run-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
dialog=$(xs_window '^Screen Reader$' 20) || xs_fail "the Screen Reader window did not appear" "$log"
xs_atspi_wait "$out/atspi-reader.txt" ventra 10 \
    "^ *frame 'Screen Reader' \[.*modal" \
    "^ *table cell 'JAWS For Windows' \[.*\bselected\b" \
    "^ *table cell 'Window-Eyes' \["
grep -Eq "table cell 'Window-Eyes' \[.*\bselected\b" "$out/atspi-reader.txt" &&
    xs_fail "Window-Eyes is highlighted as well" "$out/atspi-reader.txt"
xs_window_shot "$dialog" "$out/reader-window.png"
# It belongs to the main window and takes the keyboard focus by itself (there is no window
# manager to give it), so a screen reader announces it.
owner=$(xs_window '^Ventrelle$') || xs_fail "the main window is not shown" "$log"
xprop -id "$dialog" WM_TRANSIENT_FOR | grep -Eqi "window id # 0x0*$(printf '%x' "$owner")\b" ||
    xs_fail "the Screen Reader window does not belong to the main window" "$log"
tries=100
until [ "$(xdotool getwindowfocus)" = "$dialog" ]; do
    ((tries-- > 0)) || xs_fail "the Screen Reader window did not take the keyboard focus" "$log"
    sleep 0.1
done
[ -s "$speech" ] && grep -q '^speak' "$speech" && xs_fail "the game spoke before a reader was chosen" "$speech"

xs_keys "$dialog" Down
chosen=$(now_ms)
xs_keys "$dialog" Return
wait_for_line "$speech" "$greeting" 5 || xs_fail "no greeting in the speech log" "$speech"
delay=$(($(now_ms) - chosen))
echo "greeting ${delay} ms after the choice"
((delay <= 1500)) || xs_fail "the greeting came ${delay} ms after the choice" "$speech"
no_reader_window || xs_fail "the Screen Reader window is still open" "$log"
main=$(xs_window '^Ventrelle$') || xs_fail "the main window is not shown" "$log"

store="$XDG_CONFIG_HOME/ventrelle/registry.ini"
[ -f "$store" ] || xs_fail "no settings file at $store" "$log"
awk '/^\[/ { section = $0 } section == "[Ventrelle/StartUp]" && $0 == "Reader=WE" { found = 1 }
     END { exit !found }' "$store" || xs_fail "the choice Window-Eyes is not stored" "$store"

xs_atspi_wait "$out/atspi-main.txt" ventra 10 \
    "^ *frame 'Ventrelle' \[.*\bactive\b" \
    "^ *table cell '\\\$1000' \[.*\bselected\b" \
    "^ *table cell '\\\$10000' \[" \
    "^ *text 'Player' \[" "^ *text 'Dealer' \[" "^ *text 'Results' \["
expected=$(printf '$%d000\n' 1 2 3 4 5 6 7 8 9 10)
[ "$(stakes_entries "$out/atspi-main.txt")" = "$expected" ] ||
    xs_fail "the stakes list does not hold \$1000 to \$10000" "$out/atspi-main.txt"
xs_window_shot "$main" "$out/main-window.png"

xs_close "$main"
ends_with_status "$log" 0
grep -Eqi 'assertion|critical' "$log" && xs_fail "toolkit warnings in the output" "$log"
echo "PASS: first start"

# --- Second start: the stored choice is used and the game greets without asking.
log="$out/second-run.log"
speech="$out/second-run-speech.log"
VENTRA_SPEECH="log:$speech" xs_start "$log" "$ventra"
main=$(xs_window '^Ventrelle$' 20) || xs_fail "the main window did not appear" "$log"
no_reader_window || xs_fail "the Screen Reader window opened although a reader is stored" "$log"
wait_for_line "$speech" "$greeting" 5 || xs_fail "no greeting through Window-Eyes" "$speech"
no_reader_window || xs_fail "the Screen Reader window opened although a reader is stored" "$log"
xs_close "$main"
ends_with_status "$log" 0
echo "PASS: second start"
