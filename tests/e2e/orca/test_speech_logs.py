#!/usr/bin/python3
"""Unit tests of speech_logs: the readers of Orca's and speech-dispatcher's logs."""
import os
import tempfile
import unittest

from speech_logs import OrcaLog, SpeechLog

ORCA = """\
17:20:34.194483 - EVENT MANAGER: Queueing window:activate [frame | Ventrelle]
17:20:34.206411 - SPEECH OUTPUT: 'Ventrelle frame.'{'established': False}
17:20:34.206500 - SPEECH OUTPUT: 'There is currently a game in progress. 
                  Are you shure you want to start a new game?
                  '{'established': False}
17:20:34.206600 - SPEECH OUTPUT: 'space ' {'established': False}
17:20:34.206700 - SPEECH OUTPUT: '   ' None
"""

SPEECHD = """\
[Mon Dec  7 17:10:25 2026 : 551647] speechd:     22:DATA:|SET SELF CLIENT_NAME "root:ventra:main"\r
|
[Mon Dec  7 17:10:26 2026 : 100000] speechd:     16:DATA:|SET self CLIENT_NAME unknown:Orca:default\r
|
[Mon Dec  7 17:10:35 2026 : 906564] speechd:     Queueing message | you drew the King of Clubs| with priority 2
[Mon Dec  7 17:10:35 2026 : 906570] speechd:     22:REPLY:|701-21\r
701-22\r
701 BEGIN\r
|
[Mon Dec  7 17:10:35 2026 : 906580] speechd:     22:REPLY:|225-21\r
225 OK MESSAGE QUEUED\r
|
[Mon Dec  7 17:10:36 2026 : 000001] speechd:     Queueing message |<speak><mark name="0:6"/>Player &amp; Co</speak>| with priority 2
[Mon Dec  7 17:10:36 2026 : 000002] speechd:     16:REPLY:|225-22\r
225 OK MESSAGE QUEUED\r
|
[Mon Dec  7 17:10:36 2026 : 000003] speechd:     22:REPLY:|702-21\r
702-22\r
702 END\r
|
[Mon Dec  7 17:10:36 2026 : 000004] speechd:     16:REPLY:|703-22\r
703-16\r
703 CANCELED\r
|
"""


class Logs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.folder.name, "log")

    def tearDown(self):
        self.folder.cleanup()

    def write(self, text, mode="w"):
        with open(self.path, mode, newline="") as log:
            log.write(text)

    def test_orca_utterances_one_a_line_blank_ones_dropped(self):
        self.write(ORCA)
        self.assertEqual(OrcaLog(self.path).update(), [
            "Ventrelle frame.",
            "There is currently a game in progress. / Are you shure you want to start a new "
            "game?",
            "space"])

    def test_orca_log_read_while_it_grows_half_lines_included(self):
        log = OrcaLog(self.path)
        self.assertEqual(log.update(), [])  # not written yet
        cut = ORCA.index("Ventrelle") + 3
        self.write(ORCA[:cut])
        self.assertEqual(log.update(), [])
        self.write(ORCA[cut:], "a")
        self.assertEqual(log.update()[0], "Ventrelle frame.")
        self.assertEqual(len(log.update()), 3)

    def test_speech_messages_with_client_and_fate(self):
        self.write(SPEECHD)
        messages = SpeechLog(self.path).update()
        self.assertEqual(messages[21].client, "root:ventra:main")
        self.assertEqual(messages[21].text, "you drew the King of Clubs")
        self.assertEqual(messages[21].events, ["BEGIN", "END"])  # BEGIN came before the id
        self.assertEqual(messages[22].client, "unknown:Orca:default")
        self.assertEqual(messages[22].text, "Player & Co")
        self.assertEqual(messages[22].events, ["CANCELED"])


if __name__ == "__main__":
    unittest.main()
