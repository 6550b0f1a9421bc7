#!/usr/bin/env bash
# `kill`, logging out (SIGTERM) and Ctrl+C (SIGINT) end the game in its window with the
# Window-Eyes choice, whose eSpeak NG voice plays through SDL's audio: once that audio has
# started, each signal still ends the program at once, and nothing is left in $TMPDIR.
# Run inside tests/e2e/lib/xvfb-session.sh:  xvfb-session.sh --output DIR -- signals-test.sh VENTRA
set -uo pipefail
source "$XS_HELPERS"
ventra=$1
out=$XS_OUTPUT
rm -f "$out"/*.log

# The voice plays on SDL's silent driver, in real time as on a sound card.
export SDL_AUDIODRIVER=dummy
unset VENTRA_SPEECH
store="$XDG_CONFIG_HOME/ventrelle/registry.ini"
mkdir -p "$(dirname "$store")"
printf '# Ventrelle settings 1\n[Ventrelle/StartUp]\nReader=WE\n# end\n' >"$store"

# audio_started PID: SDL's playback thread is running in the process.
audio_started() {
    grep -qs '^SDLAudioP' /proc/"$1"/task/*/comm
}

# ends_by SIGNAL: starts the game, waits for its window and its audio, sends SIGNAL and expects
# the program to end by it within 5 s with nothing left in its private $TMPDIR.
ends_by() {
    local signal=$1 log="$out/$1.log" tries status
    export TMPDIR
    TMPDIR=$(mktemp -d "/tmp/ventra-signals.XXXXXX")
    # A background job of a script starts with SIGINT ignored; the game gets it as from a terminal.
    xs_start "$log" env --default-signal=INT "$ventra"
    xs_window '^Ventrelle$' 20 >/dev/null || xs_fail "$signal: no window" "$log"
    tries=200
    until audio_started "$XS_PID"; do
        ((tries-- > 0)) || xs_fail "$signal: the voice never started the audio device" "$log"
        sleep 0.05
    done
    kill -s "$signal" "$XS_PID"
    tries=100
    while kill -0 "$XS_PID" 2>/dev/null; do
        if ((tries-- <= 0)); then
            kill -s KILL "$XS_PID"
            xs_fail "$signal: the game ignored the signal" "$log"
        fi
        sleep 0.05
    done
    wait "$XS_PID"
    status=$?
    [ "$status" -eq $((128 + $(kill -l "$signal"))) ] ||
        xs_fail "$signal: the game ended with status $status" "$log"
    [ -z "$(ls -A "$TMPDIR")" ] || xs_fail "$signal: left in TMPDIR: $(ls -A "$TMPDIR")" "$log"
    rmdir "$TMPDIR"
}

ends_by TERM
ends_by INT
echo "PASS: SIGTERM and SIGINT end the game with the eSpeak voice"
