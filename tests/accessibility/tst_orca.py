#!/usr/bin/python3
"""What the Orca screen reader says of the real program used by keys alone,
on the X server, window manager and session bus this test runs on
(scripts/x-session --wm --buses). Orca speaks through speech-dispatcher and
espeak-ng to a silent audio driver, in Bulgarian, and writes what it says to
its debug log, which the test reads.

    tst_orca.py PROGRAM
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from checks import RUNNING, STOPPED, check, keep_on_failure, start_program, stop, totals

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")


def private_home(root):
    """A HOME whose speech goes nowhere: libao's null driver, no sound card."""
    home = os.path.join(root, "home")
    config = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(config)
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    with open(os.path.join(config, "speechd.conf"), "w") as speechd:
        speechd.write('AudioOutputMethod "libao"\n'
                      'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                      'DefaultModule espeak-ng\n'
                      'DefaultLanguage "bg"\n')
    return home


def bulgarian(env, root):
    """A Bulgarian locale, made privately where the system has none."""
    installed = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if "bg_BG.utf8" not in installed:
        locales = os.path.join(root, "locales")
        os.makedirs(locales)
        subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8", os.path.join(locales, "bg_BG.UTF-8")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        env["LOCPATH"] = locales
    env.update(LANG="bg_BG.UTF-8", LANGUAGE="bg", LC_ALL="bg_BG.UTF-8")


# Orca writes its debug log through Python's block buffer: what it said shows
# in the file only kilobytes later. Line buffering, set for that one file as
# Orca's Python starts, lets the test read it as it is said.
LINE_BUFFERED_LOG = """
import builtins
_open = builtins.open
def _open_log_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if str(file).endswith("orca.log") and "w" in mode and "b" not in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _open_log_line_buffered
"""


class Speech:
    """What Orca has said so far, line by line, from its debug log."""

    def __init__(self, log):
        self.log = log

    def lines(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return [m.group(1) for m in map(SPOKEN.search, log) if m]
        except FileNotFoundError:
            return []

    def wait_for(self, condition, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition(self.lines()):
                return True
            time.sleep(0.1)
        return condition(self.lines())

    def settle(self, quiet=0.5, timeout=10):
        """Waits until Orca has said nothing new for a while; what it said."""
        deadline = time.monotonic() + timeout
        said = self.lines()
        quiet_since = time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - quiet_since < quiet:
            time.sleep(0.1)
            now = self.lines()
            if now != said:
                said, quiet_since = now, time.monotonic()
        return said


def press(speech, key, answer, quiet=0.5):
    """Presses the key as a person would; what Orca says in answer. Orca
    echoes the key at once, but on a busy machine its answer can come a
    second later: the answer expected is waited for, then quiet. Where a
    check counts what is said, the quiet is longer, so that a second saying
    would be heard."""
    before = len(speech.lines())
    subprocess.run(["xdotool", "key", key], check=True)
    speech.wait_for(lambda said: any(answer in s for s in said[before:]), 20)
    return speech.settle(quiet)[before:]


def main():
    program = sys.argv[1]
    root = tempfile.mkdtemp(prefix="tst_orca.")
    # The sound libraries' scratch files go into ours.
    env = dict(os.environ, HOME=private_home(root), TMPDIR=root)
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("QT_SCALE_FACTOR", None)
    bulgarian(env, root)
    speech = Speech(os.path.join(root, "orca.log"))
    startup = os.path.join(root, "startup")
    os.makedirs(startup)
    with open(os.path.join(startup, "sitecustomize.py"), "w") as customize:
        customize.write(LINE_BUFFERED_LOG)
    orca_output = open(os.path.join(root, "orca.out"), "w")
    orca = subprocess.Popen(["orca", "--debug-file=" + speech.log], env=dict(env, PYTHONPATH=startup),
                            stdout=orca_output, stderr=subprocess.STDOUT)
    app = None
    try:
        # Orca takes its time to start; it says so when it is ready. It ends
        # at once where another Orca runs for the same user.
        started = speech.wait_for(lambda said: said or orca.poll() is not None, 120) and orca.poll() is None
        with open(orca_output.name, errors="replace") as output:
            check(started, "Orca starts and speaks", output.read()[-2000:])
        if not started:
            return totals()
        speech.settle()
        app = start_program(program, env)
        check(speech.wait_for(lambda said: any("Биология" in s for s in said), 60), "Orca reads the window")
        speech.settle()

        press(speech, "Tab", "Ляво-Дясно")
        press(speech, "Tab", "Започни")
        said = press(speech, "Return", RUNNING, quiet=1)
        check(sum(RUNNING in s for s in said) == 1, "starting is said once", str(said))

        # Only ticks: the target moves, Orca stays silent.
        quiet = len(speech.lines())
        speech.settle(quiet=1.6)  # eight ticks of silence
        check(speech.lines()[quiet:] == [], "nothing is said while the exercise only ticks", str(speech.lines()[quiet:]))

        press(speech, "Tab", "Спри")
        said = press(speech, "Return", STOPPED, quiet=1)
        check(sum(STOPPED in s for s in said) == 1, "stopping is said once", str(said))

        press(speech, "Tab", "наблюдаван обект")
        said = press(speech, "Tab", "200.")
        check("200." in said, "the period list says its period as it takes the focus", str(said))
        check(any("Списък с 8 елемента" in s for s in said), "the period list says it holds eight periods", str(said))

        said = press(speech, "Down", "300.", quiet=1)
        periods = [s for s in said if s.rstrip(".").isdigit()]
        check(periods == ["300."], "a new period is said once", str(said))
        check(not any("Упражнението" in s for s in said), "a new period is not announced besides", str(said))

        said = press(speech, "ctrl+plus", "Мащаб 125 %", quiet=1)
        check(sum("Мащаб 125 %" in s for s in said) == 1, "a new zoom is said once", str(said))
        said = press(speech, "ctrl+0", "Мащаб 100 %", quiet=1)
        check(sum("Мащаб 100 %" in s for s in said) == 1, "the designed size is said once", str(said))
    except Exception as error:  # a failed step fails the test, it does not crash it
        check(False, "driving the program under Orca", repr(error))
    finally:
        # Orca now and then takes ten seconds and more over ending; what it
        # says by then no longer counts.
        for process in (app, orca):
            stop(process)
        orca_output.close()
        keep_on_failure(speech.log, orca_output.name)
        shutil.rmtree(root, ignore_errors=True)
    return totals()


if __name__ == "__main__":
    sys.exit(main())
