#!/usr/bin/env bash
# The game as a blind player hears it: the real Orca screen reader and the game's own "JFW"
# voice, both through speech-dispatcher playing in real time into a silent PulseAudio sink (so a
# sentence cut off by another shows in the speech log). orca-play.py types the keys and checks
# what was said. Skipped (77) only when Orca is not installed.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- orca-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
out=$XS_OUTPUT
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v orca >/dev/null; then
    echo "SKIP: the Orca screen reader is not installed (scripts/setup installs it)" >&2
    exit 77
fi
for tool in speech-dispatcher pulseaudio gdbus; do
    command -v "$tool" >/dev/null || xs_fail "$tool is missing (scripts/setup installs it)"
done
rm -rf "$out"/*.log "$out"/*.txt "$out/speechd"
mkdir -p "$out/speechd"

# Orca refuses to start beside another Orca of the same user, even a dying one.
others_gone() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }
tries=1800
until others_gone; do
    ((tries-- > 0)) || xs_fail "another Orca of this user is running; this test needs it gone"
    sleep 0.1
done

# A silent sound server that plays in real time.
runtime=$XDG_RUNTIME_DIR
mkdir -p "$runtime/pulse" "$runtime/speech-dispatcher" "$XDG_CONFIG_HOME/speech-dispatcher" \
    "$XDG_DATA_HOME/orca"
export PULSE_SERVER="unix:$runtime/pulse/native"
xs_start "$out/pulseaudio.log" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-native-protocol-unix socket=$runtime/pulse/native auth-anonymous=1" \
    -L "module-null-sink sink_name=silent" -L "module-always-sink"

# The accessibility bus, up before Orca and the game look for it.
xs_start "$out/at-spi.log" /usr/libexec/at-spi-bus-launcher --launch-immediately

# speech-dispatcher with eSpeak NG, everything it queues and speaks in its log.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AudioOutputMethod "pulse"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
LogLevel 5
EOF
export SPEECHD_ADDRESS="unix_socket:$runtime/speech-dispatcher/speechd.sock"
xs_start "$out/speechd.out" speech-dispatcher -s -t 0 -l 5 -L "$out/speechd" \
    -C "$XDG_CONFIG_HOME/speech-dispatcher" -c unix_socket -S "${SPEECHD_ADDRESS#unix_socket:}"

a11y_bus_up() {
    gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner org.a11y.Bus 2>/dev/null | grep -q true
}
tries=300
until [ -S "$runtime/pulse/native" ] && [ -S "${SPEECHD_ADDRESS#unix_socket:}" ] && a11y_bus_up; do
    ((tries-- > 0)) ||
        xs_fail "the sound server, speech-dispatcher or the accessibility bus did not start" \
            "$out/speechd.out"
    sleep 0.1
done

# Orca with a debug log, made line-buffered (Orca imports this file at start) so it can be
# followed while it is written.
export GSETTINGS_BACKEND=memory
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
EOF
xs_start "$out/orca.out" orca --debug-file "$out/orca-debug.log"
xs_wait_for "$out/orca-debug.log" "ORCA: Starting ATSPI registry" 60 ||
    xs_fail "Orca did not start" "$out/orca.out"

# The game, at its first start, with its sounds on a silent driver and the two hands orca-play.py
# plays stacked on the deck.
SDL_AUDIODRIVER=dummy VENTRA_DECK="5 23 45 33 9 52 16 30 8" xs_start "$out/ventra.log" "$ventra"
/usr/bin/python3 "$here/orca-play.py" --out "$out" \
    --orca-log "$out/orca-debug.log" --speech-log "$out/speechd/speech-dispatcher.log" \
    --close "$XS_LIB_DIR/x-close.py" ||
    xs_fail "see $out/transcript.txt (what Orca said) and $out/speech.txt" "$out/ventra.log"

# The last step confirmed Exit Game: the program ends by itself, cleanly.
tries=200
while ((tries-- > 0)) && kill -0 "$XS_PID" 2>/dev/null; do
    sleep 0.1
done
if kill -0 "$XS_PID" 2>/dev/null; then
    shown=$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd ,)
    xs_fail "the game did not end after Exit Game (windows on screen: ${shown:-none})" \
        "$out/ventra.log"
fi
wait "$XS_PID"
status=$?
[ "$status" -eq 0 ] || xs_fail "the game ended with status $status" "$out/ventra.log"
grep -Eq 'CRITICAL|WARNING|Gtk-|GLib' "$out/ventra.log" &&
    xs_fail "toolkit warnings on the game's output" "$out/ventra.log"
echo "PASS: the game heard through Orca"
