#!/usr/bin/env bash
# Drives the demo program's real window with keys and checks what it reports on stdout.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- demo-window-test.sh DEMO
set -uo pipefail
source "$XS_HELPERS"
demo=$1
log="$XS_OUTPUT/wx-demo.log"
rm -f "$log" "$XS_OUTPUT"/wx-demo*

expect() {  # expect REGEX WHAT [SECS]
    xs_wait_for "$log" "$1" "${3:-10}" || xs_fail "$2" "$log"
}

xs_start "$log" "$demo"
win=$(xs_window '^Ventrelle Demo$') || xs_fail "the main window did not appear" "$log"
xs_focus "$win"
expect '^ready$' "the program did not start"
expect '^focus lstChoices$' "the list did not get the focus when the window came up"
expect '^timer tmrTick$' "the timer did not fire"
[ "$(grep -c '^timer tmrTick$' "$log")" -eq 1 ] || xs_fail "the timer fired after it was disabled" "$log"

# Ctrl+N must reach the menu although a GTK list would take it for itself.
xs_keys "$win" ctrl+n
expect '^menu mnuDemoNew focus lstChoices$' "Ctrl+N with the list focused did not reach the menu"

# Arrowing in the list moves the model's index; Enter reports it.
xs_keys "$win" Down Return
expect '^key lstChoices 13 index 1$' "the list selection did not reach the model"

# Alt+G presses "&Go": the text frame replaces the list frame and its box takes the focus.
xs_keys "$win" alt+g
expect '^click btnGo$' "Alt+G did not press the Go button"
expect '^focus txtNotes$' "the text box did not get the focus"

# Keys in the text box arrive as virtual-key codes; a swallowed Page Up still reports.
xs_keys "$win" F2 shift+h Prior
expect '^key txtNotes 113 modifiers 0$' "F2 did not arrive as 113"
expect '^key txtNotes 72 modifiers 1$' "Shift+H did not arrive as 72 with Shift"
expect '^key txtNotes 33 modifiers 0$' "Page Up did not arrive as 33"

# Tab follows the tab order, and focus moved by the user reaches the model.
xs_keys "$win" Tab
expect '^key txtNotes 9 modifiers 0$' "Tab did not reach the text box's key handler"
expect '^focus btnWait$' "Tab from the text box did not reach the Wait button"
xs_keys "$win" shift+Tab
for _ in $(seq 50); do
    [ "$(grep -c '^focus txtNotes$' "$log")" -eq 2 ] && break
    sleep 0.1
done
[ "$(grep -c '^focus txtNotes$' "$log")" -eq 2 ] ||
    xs_fail "Shift+Tab did not bring the focus back to the text box" "$log"

# The text box is named after its label for screen readers.
xs_atspi_wait "$XS_OUTPUT/wx-demo-atspi.txt" wx_demo_app 10 "^ *text 'Notes'"

# A wait of two seconds keeps handling keys while it waits.
xs_keys "$win" alt+w
expect '^wait begin$' "Alt+W did not start the wait"
xs_keys "$win" F3
expect '^key txtNotes 114 ' "a key pressed during the wait was not handled"
expect '^wait end elapsed (2[0-9]{3})$' "the wait did not end after about two seconds" 5
grep -A1 '^key txtNotes 114 ' "$log" | grep -q '^wait end' ||
    xs_fail "the key was handled only after the wait" "$log"
elapsed=$(sed -n 's/^wait end elapsed //p' "$log")
((elapsed < 2500)) || xs_fail "the wait took ${elapsed} ms" "$log"

# A Yes/No box titled "Double Down" answers Yes to Alt+Y.
xs_keys "$win" alt+k
expect '^click btnAsk$' "Alt+K did not press the Ask button"
box=$(xs_window '^Double Down$') || xs_fail "the message box did not appear" "$log"
xs_screenshot "$XS_OUTPUT/wx-demo.png" || xs_fail "no screenshot"
[ -s "$XS_OUTPUT/wx-demo.png" ] || xs_fail "the screenshot is empty"
# Its title must be what a screen reader announces.
xs_atspi_dump "$XS_OUTPUT/wx-demo-box-atspi.txt" wx_demo_app
grep -Eq "^ *alert 'Double Down'" "$XS_OUTPUT/wx-demo-box-atspi.txt" ||
    xs_fail "the box is not an alert named 'Double Down'" "$XS_OUTPUT/wx-demo-box-atspi.txt"
xs_keys "$box" alt+y
expect '^answer yes$' "Alt+Y did not answer the box with Yes"

# The system close command asks the form, which refuses the first time.
xs_close "$win"
expect '^unload cancelled$' "the close command did not reach the form"
# A key handled after the refusal shows the program went on with its window.
presses=$(grep -c '^key txtNotes 114 ' "$log")
xs_keys "$win" F3
for _ in $(seq 100); do
    [ "$(grep -c '^key txtNotes 114 ' "$log")" -gt "$presses" ] && break
    sleep 0.1
done
[ "$(grep -c '^key txtNotes 114 ' "$log")" -gt "$presses" ] ||
    xs_fail "the program took no key after refusing to close" "$log"
xdotool search --onlyvisible --name '^Ventrelle Demo$' >/dev/null ||
    xs_fail "the window went although the form refused to close" "$log"

# Exit ends the process at once with status 0.
xs_keys "$win" alt+x
expect '^end$' "Alt+X did not press Exit"
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the program ended with status $status" "$log"
grep -q '^run returned$' "$log" && xs_fail "the program went on after End()" "$log"
grep -qi 'assertion\|critical' "$log" && xs_fail "toolkit warnings in the output" "$log"
echo "PASS: the demo window behaved"

# A second run: once the form accepts the close command, Run() returns and the program ends.
log="$XS_OUTPUT/wx-demo-close.log"
xs_start "$log" "$demo"
win=$(xs_window '^Ventrelle Demo$') || xs_fail "the main window did not come back" "$log"
expect '^ready$' "the program did not start"
xs_close "$win"
expect '^unload cancelled$' "the close command did not reach the form"
xs_close "$win"
expect '^run returned$' "unloading the main form did not end the main loop"
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the program ended with status $status after its main loop" "$log"
echo "PASS: closing the main window"
