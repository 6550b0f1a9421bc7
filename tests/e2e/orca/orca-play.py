#!/usr/bin/python3
"""Plays the game from its first start with keys and checks, in order, what Orca said.

The deck is stacked (orca-test.sh sets VENTRA_DECK): the first hand is the 5 of Spades and the
6 of Hearts against the dealer's 10 of Diamonds and 7 of Clubs, doubled down for the 9 of Spades
(20, a win); the second is the King of Hearts and the 4 of Clubs against the 3 of Diamonds and
the 8 of Spades, left by asking for a new game and then for the exit.

Usage: orca-play.py --out DIR --orca-log FILE --speech-log FILE --close X-CLOSE.PY
Run by orca-test.sh, with Orca, speech-dispatcher and the game running; the game ends at the
last step. Every step waits for what Orca says, never for a fixed time. Writes
DIR/transcript.txt (Orca's utterances) and DIR/speech.txt (every message speech-dispatcher
queued and what became of it). Exit 0: pass.
"""
import argparse
import os
import re
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from speech_logs import OrcaLog, SpeechLog  # noqa: E402

WAIT = 20  # seconds for one thing to be said, on a loaded machine
GAME = "ventra"


class Failure(Exception):
    pass


class Listener:
    """Orca's utterances in order; each expectation is looked for after the previous one."""

    def __init__(self, orca_log):
        self.log = OrcaLog(orca_log)
        self.next = 0

    def expect(self, wanted, what=None, seconds=WAIT):
        """Waits until an utterance matches `wanted` (text or regex) and returns it."""
        deadline = time.monotonic() + seconds
        while True:
            said = self.log.update()
            for index in range(self.next, len(said)):
                if matches(wanted, said[index]):
                    self.next = index + 1
                    return said[index]
            if time.monotonic() > deadline:
                heard = "\n  ".join(said[self.next:][-15:]) or "(nothing)"
                raise Failure(f"Orca did not say {what or wanted!r} (windows on screen: "
                              f"{shown_windows()}; the keyboard focus is on "
                              f"{focused_window()!r}); it said since:\n  {heard}")
            time.sleep(0.05)


def expect_box(orca, title, text, title_key=None):
    """A message box read whole, once, as it opens: its title, its text, its focused button.
    `title_key`, when given, is pressed until the title is said (see press_until_said)."""
    title_re = re.compile(re.escape("alert " + title) + r"\.?")
    if title_key is None:
        orca.expect(title_re, f"the {title} box's title")
    else:
        press_until_said(orca, title_key, title_re, f"the {title} box's title")
    start = orca.next
    orca.expect(text, f"the {title} box's text")
    orca.expect("Yes push button.", f"the {title} box's focused button")
    if orca.log.utterances[start:orca.next].count(text) != 1:
        raise Failure(f"the {title} box's text was said more than once")


def matches(wanted, utterance):
    if isinstance(wanted, re.Pattern):
        return wanted.fullmatch(utterance) is not None
    return utterance == wanted


def focused_window():
    found = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True,
                           text=True)
    return found.stdout.strip() or "no window"


def shown_windows():
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                         capture_output=True, text=True).stdout.split()
    names = [subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                            text=True).stdout.strip() for window in ids]
    return ", ".join(repr(name) for name in names) or "none"


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.15)  # lets the game and Orca take keys one at a time, as a person types


def say_after(orca, name, wanted, what=None, seconds=WAIT):
    """Presses a key and waits until Orca says `wanted`."""
    key(name)
    return orca.expect(wanted, what, seconds)


def press_until_said(orca, name, wanted, what):
    """Presses a key until Orca says `wanted` (a command the game ignores while it pauses)."""
    for attempt in range(5):
        key(name)
        try:
            return orca.expect(wanted, what, seconds=2 if attempt < 4 else WAIT)
        except Failure:
            if attempt == 4:
                raise
    return None


def game_text(name):
    """The text of the game's text box named `name`, read from the accessibility tree."""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == GAME:
            found = pyatspi.findDescendant(
                app, lambda a: a.getRoleName() == "text" and a.name == name)
            if found is not None:
                text = found.queryText()
                return text.getText(0, text.characterCount)
    raise Failure(f"no text box named {name!r} in the accessibility tree")


def deal_heard(orca, first_card):
    """After a deal: Orca names the player's box and reads its first card."""
    orca.expect("Player read only text.", "the player's box when it gets the focus")
    orca.expect(first_card, "the first card of the player's box")


def double_down(orca, speech):
    """Tab to the dealer's box and on to Double Down; Yes. Returns the game's message that names
    the drawn card."""
    say_after(orca, "Tab", "Dealer read only text.", "the dealer's box named Dealer")
    orca.expect("face down", "the dealer's face-down card")
    say_after(orca, "Tab", "Hit push button.")
    say_after(orca, "Tab", "Stay push button.")
    say_after(orca, "Tab", "Double Down push button.")
    # The game takes no play command until the deal's closing pause is over.
    expect_box(orca, "Double Down",
               "To Double Down means to double your current bet. / If you choose to make this "
               "bet, you will receive only one more card. / This bet will double your current "
               "bet to $200. / Do you want to make this bet?", title_key="space")
    before = max(speech.update(), default=0)
    say_after(orca, "alt+y", "Results read only text.", "the results box when it gets the focus",
              seconds=40)
    first_line = orca.expect(re.compile(r".+"), "the first line of the results")
    wanted = game_text("Results").splitlines()[0].strip()
    if first_line != wanted:
        raise Failure(f"Orca read {first_line!r} as the results' first line, not {wanted!r}")
    drawn = [m for m in speech.update().values()
             if m.id > before and "ventra" in m.client and m.text == "you drew the 9 of Spades"]
    if not drawn:
        raise Failure("the game did not speak the card drawn after Double Down")
    return drawn[0]


def card_heard_whole(speech, message):
    """Waits until speech-dispatcher has finished with the message; true when it was not cut."""
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        events = speech.update()[message.id].events
        if "END" in events or "CANCELED" in events:
            return "END" in events and "CANCELED" not in events
        time.sleep(0.05)
    raise Failure(f"speech-dispatcher never finished {message.text!r}")


def play(orca, speech, close):
    # The first start: the reader window has the focus and Orca reads it.
    orca.expect("Screen Reader frame.", "the reader window's title")
    orca.expect("Screen Reader.", "the reader list's name")
    orca.expect("JAWS For Windows.", "the reader list's first item")
    say_after(orca, "Down", "Window-Eyes.", "the reader list's second item")
    say_after(orca, "Up", "JAWS For Windows.")
    say_after(orca, "Return", "Ventrelle frame.", "the main window's title")

    # The stake and the bet.
    orca.expect("Stakes.", "the stakes list's name")
    orca.expect("$1000.")
    say_after(orca, "Down", "$2000.", "an item of the stakes list")
    say_after(orca, "Tab", "OK push button.")
    say_after(orca, "space", "Bet Amount.", "the bet list's name")
    orca.expect("$100.")
    say_after(orca, "Down", "$150.", "an item of the bet list")
    say_after(orca, "Up", "$100.")
    say_after(orca, "Tab", "OK push button.")
    key("space")

    # The first hand, doubled down: the drawn card is heard whole, and Orca after it.
    deal_heard(orca, "5 of Spades.")
    message = double_down(orca, speech)
    if not card_heard_whole(speech, message):
        raise Failure(f"the game's {message.text!r} was cut off")
    heard = [m for m in speech.update().values() if m.id > message.id and "Orca" in m.client
             and "END" in m.events]
    if not heard:
        raise Failure("none of Orca's announcements after the drawn card was heard to its end")

    # The next hand, and a new game asked for in its middle.
    key("alt+s")  # Same Bet
    deal_heard(orca, "King of Hearts.")
    key("ctrl+n")
    expect_box(orca, "New Game", "There is currently a game in progress. / Are you shure you want "
               "to start a new game?")
    say_after(orca, "alt+n", "Player read only text.",
              "the player's box when the question has gone")

    # Closing the window in the middle of a hand asks first; Yes ends the program.
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Ventrelle$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["/usr/bin/python3", close, window], check=True)
    expect_box(orca, "Exit Game", "There is currently a game in progress. / Are you shure you "
               "want to exit this game?")
    key("alt+y")


def write_logs(out, orca, speech):
    with open(os.path.join(out, "transcript.txt"), "w") as transcript:
        transcript.writelines(line + "\n" for line in orca.log.update())
    with open(os.path.join(out, "speech.txt"), "w") as queued:
        for message in speech.update().values():
            queued.write(f"{message.id}\t{message.client}\t{','.join(message.events)}\t"
                         f"{message.text}\n")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--out", "--orca-log", "--speech-log", "--close"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    orca = Listener(args.orca_log)
    speech = SpeechLog(args.speech_log)
    try:
        play(orca, speech, args.close)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        write_logs(args.out, orca, speech)
    print("ok: everything was said, in order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
