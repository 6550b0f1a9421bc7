"""Reads what was said from the logs of Orca and of speech-dispatcher, while they are written.

OrcaLog: the utterances of Orca's debug log ("SPEECH OUTPUT: '...'" records), one string each,
inner line breaks shown as " / ".
SpeechLog: the messages speech-dispatcher queued, with the client that sent them and what became
of them (BEGIN, END, CANCELED), from its log at level 5.
"""
import html
import re
from dataclasses import dataclass, field

# Orca writes "HH:MM:SS.ffffff - text" and indents the continuation lines of a record by 18
# spaces. Its key echo and character echo put a space before the voice's settings.
_STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - (.*)$")
_INDENT = " " * 18
_SPEECH = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|None)?$", re.DOTALL)


def one_line(text):
    """An utterance on one line: its inner line breaks become " / "."""
    return " / ".join(part.strip() for part in text.splitlines() if part.strip())


class Follower:
    """Hands out the complete lines added to a file since the last call."""

    def __init__(self, path):
        self._path = path
        self._offset = 0
        self._partial = ""

    def new_lines(self):
        try:
            with open(self._path, encoding="utf-8", errors="replace") as log:
                log.seek(self._offset)
                chunk = log.read()
                self._offset = log.tell()
        except FileNotFoundError:
            return []
        lines = (self._partial + chunk).split("\n")
        self._partial = lines.pop()
        return lines


class OrcaLog:
    def __init__(self, path):
        self._lines = Follower(path)
        self._record = None
        self.utterances = []

    def _close_record(self):
        if self._record is not None:
            match = _SPEECH.match("\n".join(self._record))
            if match and match.group(1).strip():
                self.utterances.append(one_line(match.group(1)))
        self._record = None

    def update(self):
        for line in self._lines.new_lines():
            stamped = _STAMP.match(line)
            if stamped:
                self._close_record()
                self._record = [stamped.group(1)]
            elif self._record is not None and line.startswith(_INDENT):
                self._record.append(line[len(_INDENT):])
            else:
                self._close_record()
        return self.utterances


@dataclass
class Message:
    id: int
    client: str
    text: str
    events: list = field(default_factory=list)


_RECORD = re.compile(r"^\[[^\]]*\] speechd: ", re.MULTILINE)
_DATA = re.compile(r"^\s*(\d+):DATA:\|(.*)$", re.DOTALL)
_CLIENT_NAME = re.compile(r"SET self CLIENT_NAME \"?([^\"\r\n]*)", re.IGNORECASE)
_QUEUED = re.compile(r"Queueing message \|(.*)\| with priority \d+", re.DOTALL)
_REPLY = re.compile(r"^\s*(\d+):REPLY:\|(\d{3})-(\d+)\r?\n(?:\d{3}-\S*\r?\n)*\d{3} (\w+)")


def _whole(record):
    ending = record.rstrip("\n").rsplit("\n", 1)[-1]
    return ending == "|" or _QUEUED.search(record) is not None


class SpeechLog:
    def __init__(self, path):
        self._lines = Follower(path)
        self._pending = []
        self._clients = {}
        self._waiting = None  # the text queued last, its id not yet replied
        self._events = {}  # an event may be logged before the reply that gives the id
        self.messages = {}

    def _record(self, record):
        data = _DATA.match(record)
        if data:
            name = _CLIENT_NAME.search(data.group(2))
            if name:
                self._clients[data.group(1)] = name.group(1).strip()
            return
        queued = _QUEUED.search(record)
        if queued:
            text = html.unescape(re.sub(r"<[^>]*>", "", queued.group(1)))
            self._waiting = one_line(text)
            return
        reply = _REPLY.match(record)
        if not reply:
            return
        fd, code, number, word = reply.groups()
        number = int(number)
        if code == "225" and self._waiting is not None:
            self.messages[number] = Message(number, self._clients.get(fd, fd), self._waiting,
                                            self._events.setdefault(number, []))
            self._waiting = None
        elif code in ("701", "702", "703"):
            self._events.setdefault(number, []).append(word)

    def update(self):
        lines = self._lines.new_lines()
        if not lines:
            return self.messages
        text = "\n".join(self._pending + lines)
        records = _RECORD.split(text)
        # The last record may still be growing: kept for the next call unless it is whole (its
        # last line a lone "|", or a one-line queueing record).
        last = records.pop() if records else ""
        self._pending = [] if _whole(last) else [last]
        for record in records + ([last] if _whole(last) else []):
            self._record(record)
        return self.messages
