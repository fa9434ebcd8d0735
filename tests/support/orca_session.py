# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""What the Orca tests share: a private home, locale, X display (from
with_display.sh) and D-Bus session with the accessibility bus, Orca with its debug log written line
by line, the keys typed through xdotool, and the record of each step: what
Orca said after it, and what was missed. A test calls main() with its own
session function, which runs inside all of that and returns failures.

Orca logs what it says (SPEECH OUTPUT) whether or not it has a voice, but
presents live regions and other messages only with speech on: a test that
listens for those starts Orca with speech on (there is no sound device;
nothing is heard)."""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SESSION = "VELLACOR_ORCA_SESSION"
SKIPPED = 77
NEEDED = ["orca", "Xvfb", "xdotool", "openbox", "dbus-run-session", "localedef",
          "/usr/libexec/at-spi-bus-launcher", "/usr/libexec/at-spi2-registryd"]
STEP_TIMEOUT = 5.0  # seconds for Orca to say what a key leads to
SESSION_TIMEOUT = 150.0  # seconds for the whole session; ctest allows 180


def outer(script, target):
    """Sets up a private home and locale, then runs the session in them on
    the private X display it was started on."""
    work = tempfile.mkdtemp(prefix="vellacor-orca-")
    env = dict(os.environ)
    for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        path = os.path.join(work, name.lower())
        os.makedirs(path, mode=0o700)
        env[name] = path
    env["GSETTINGS_BACKEND"] = "memory"
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    # Orca's role words in Chinese (文本, 只读, 按钮): a zh_CN locale, made
    # privately where the system lacks one.
    locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
    if not re.search(r"^zh_CN\.utf-?8$", locales, re.I | re.M):
        env["LOCPATH"] = os.path.join(work, "locale")
        os.makedirs(env["LOCPATH"])
        subprocess.run(["localedef", "-i", "zh_CN", "-f", "UTF-8",
                        os.path.join(env["LOCPATH"], "zh_CN.UTF-8")], check=True)
    env["LANG"] = env["LC_ALL"] = "zh_CN.UTF-8"
    env["LANGUAGE"] = "zh_CN"
    env[SESSION] = work
    try:
        return run_session(script, target, env, work)
    finally:
        if not os.environ.get("VELLACOR_ORCA_KEEP"):  # the logs, for a look by hand
            shutil.rmtree(work, ignore_errors=True)


def end_group(leader):
    """Kills the leader's process group and waits, a while, until it is
    gone: an Orca still dying would make the next run skip."""
    end = time.monotonic() + 10
    try:
        os.killpg(leader.pid, signal.SIGKILL)
        leader.wait()
        while time.monotonic() < end:
            os.killpg(leader.pid, 0)
            time.sleep(0.05)
    except ProcessLookupError:
        pass


def run_session(script, target, env, work):
    """Runs the session in a D-Bus session and a process group of its own.
    The session's processes write to a file, never to this test's output: a
    daemon that outlived the session would keep ctest waiting on it. All of
    them are in the one process group, ended together."""
    args = [sys.executable, script, target] + sys.argv[2:]
    noise = os.path.join(work, "session.out")
    with open(noise, "w") as out:
        run = subprocess.Popen(["dbus-run-session", "--"] + args, env=env, stdout=out,
                               stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                               start_new_session=True)
        try:
            code = run.wait(timeout=SESSION_TIMEOUT)
        except subprocess.TimeoutExpired:
            code = 1
            print(f"orca: the session did not end in {SESSION_TIMEOUT:.0f} s")
        finally:
            end_group(run)
    report = os.path.join(work, "report.txt")
    if os.path.exists(report):
        with open(report, encoding="utf-8") as text:
            print(text.read(), end="")
    if code != 0:
        with open(noise, encoding="utf-8", errors="replace") as text:
            print("orca: the session's own output:\n" + text.read()[-4000:])
    return code


class Orca:
    """Orca started with speech and braille off, its debug log written line
    by line (Orca's own launcher writes it block-buffered), and without
    --replace, which would end any other Orca of the user. It stays in the
    session's process group, so that a session ended by the timeout takes
    its Orca along: one left over would make the next run skip."""

    def __init__(self, work, speech=False):
        self.log = os.path.join(work, "orca.log")
        launcher = os.path.join(work, "orca")
        with open(shutil.which("orca"), encoding="utf-8") as original:
            text = original.read()
        interpreter = text.splitlines()[0].removeprefix("#!").split()
        buffered = "open(args.debug_file, 'w')"
        if buffered not in text:
            raise SystemExit("orca: this Orca opens its debug file otherwise; update the test")
        with open(launcher, "w", encoding="utf-8") as copy:
            copy.write(text.replace(buffered, "open(args.debug_file, 'w', buffering=1)"))
        self.out = open(os.path.join(work, "orca.out"), "w")
        self.process = subprocess.Popen(
            interpreter + [launcher] + ([] if speech else ["-d", "speech"]) + ["-d", "braille",
             "-u", os.path.join(work, "orca-settings"), "--debug-file=" + self.log],
            stdout=self.out, stderr=subprocess.STDOUT)
        self.seen = 0

    def text(self):
        """The debug log so far ("" before Orca has opened it)."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def ready(self):
        """Waits until Orca listens to the desktop: its last step at start
        is to run the registry's event loop, and it logs that it does."""
        until(lambda: "ORCA: Starting registry" in self.text(), "Orca listening")

    def handled(self, event):
        """Whether Orca has taken the event (as its debug log names it,
        "document:load-complete [document web | Vellacor]") from its queue
        and finished with it."""
        text = self.text()
        at = text.rfind("Dequeued " + event)
        return at >= 0 and "^^^^^ PROCESS OBJECT EVENT " + event.split()[0] in text[at:]

    def utterances(self):
        # SPEECH OUTPUT: 'text' {voice} or SPEECH OUTPUT: 'text'
        spoken = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?\{.*\})?$")
        return [m.group(1) for m in map(spoken.search, self.text().splitlines()) if m]

    def wait_until(self, done, timeout=STEP_TIMEOUT):
        """The utterances since the last step, once done(them) holds (and a
        short quiet after), or at the timeout."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            new = self.utterances()[self.seen:]
            if done(new):
                time.sleep(0.3)
                break
            time.sleep(0.05)
        new = self.utterances()[self.seen:]
        self.seen += len(new)
        return new

    def stop(self):
        self.process.kill()
        self.process.wait()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(keys), check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def succeeds(*command):
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def until(done, what, timeout=60.0):
    """Waits, on a busy machine too, until done() holds."""
    end = time.monotonic() + timeout
    while not done():
        if time.monotonic() > end:
            raise SystemExit(f"orca: no {what} after {timeout:.0f} s")
        time.sleep(0.1)


def desktop():
    """The accessibility bus, its registry and a window manager, started in
    the session and waited for (the bus telling its address, the window
    manager keeping desktops); Orca comes after them."""
    started = [
        subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]),
        subprocess.Popen(["/usr/libexec/at-spi2-registryd"]),
        subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL),
    ]
    until(lambda: succeeds("dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                           "/org/a11y/bus", "org.a11y.Bus.GetAddress")
          and succeeds("xdotool", "get_num_desktops"), "accessibility bus and window manager")
    return started


class Steps:
    """Each step's utterances, and what a step missed."""

    def __init__(self, orca):
        self.orca = orca
        self.steps = []
        self.failures = []

    def __call__(self, title, done, timeout=STEP_TIMEOUT):
        said = self.orca.wait_until(done, timeout)
        self.steps.append((title, said))
        return said

    def check(self, ok, what):
        if not ok:
            self.failures.append(what)

    def heard_name(self, title, name, timeout=STEP_TIMEOUT):
        """A step after which the stop's whole name must be heard."""
        said = self(title, heard(name), timeout)
        self.check(any(name in s for s in said), f"{title}: {name} not heard by its name")
        return said

    def report(self, name, transcript):
        """Writes the report the outer process prints; 1 where a step failed."""
        lines = []
        if transcript or self.failures:
            for title, said in self.steps:
                lines.append(f"[{title}]")
                lines += [f"    {s}" for s in said]
        lines += ["FAILED: " + failure for failure in self.failures]
        lines.append(f"{name}: {len(self.steps)} steps, {len(self.failures)} failures")
        with open(os.path.join(os.environ[SESSION], "report.txt"), "w", encoding="utf-8") as report:
            report.write("\n".join(lines) + "\n")
        return 1 if self.failures else 0


def heard(text):
    return lambda said: any(text in s for s in said)


def scenarios():
    """The windows' table of scenarios, as the build writes it."""
    with open(os.environ["VELLACOR_SCENARIOS"], encoding="utf-8") as table:
        return json.load(table)


def hear_rows(step, results, read_only_word):
    """Every row of the table marked for the ear, over the window whose
    focus is in the first mass: each mass typed over the box's text (Tab
    selects it) and every stop from there to the button heard by its name;
    a press by Space, whose outcome is heard once, and again at a second
    press; or the message heard, and closed by Enter. After the first row
    that calculates, the first results in tab order, each heard by its name
    and its whole value (and as read-only where read_only_word)."""
    table = scenarios()
    stops = [stop["name"] for stop in table["tabStops"]]
    named = {stop["name"]: stop["heard"] for stop in table["tabStops"]}
    here = stops[0]
    for row in (r for r in table["scenarios"] if r["ear"]):
        for masses in filter(None, (row["before"], row["masses"])):
            if here != stops[0]:
                key(*(["shift+Tab"] * stops.index(here)))
                step("back to the first mass", heard(named[stops[0]]))
            for i, mass in enumerate(masses):
                type_text(mass) if mass else key("BackSpace")
                key("Tab")
                step.heard_name(f"{row['name']}: type {mass or 'nothing'}, Tab", named[stops[i + 1]])
            for stop in stops[len(masses) + 1:stops.index("Command1") + 1]:
                key("Tab")
                step.heard_name("Tab to " + named[stop], named[stop])
            here = "Command1"
            if masses is row["before"]:
                key("space")
                step(row["name"] + ": the press before", lambda said: len(said) > 0, 8)
        here = hear_outcome(step, row, named)
        if results and not row["notice"]:
            for stop in stops[stops.index(here) + 1:][:results]:
                key("Tab")
                hear_value(step, named[stop], row["shown"][table["resultBoxes"].index(stop)],
                           read_only_word)
                here = stop
            results = 0


def hear_outcome(step, row, named):
    """The press of a row, and where the focus is after it."""
    check = step.check
    expected = row["heard"] or row["message"]
    for press in ("press", "press again") if row["heard"] else ("press",):
        key("space")
        said = step(f"{row['name']}: {press}", heard(expected), 8)
        outcome = [s for s in said if expected in s]
        check(len(outcome) == 1 if row["heard"] else len(outcome) > 0,
              f"{row['name']}: {press}: {expected} is not heard {'exactly ' if row['heard'] else ''}once: {said}")
    if not row["notice"]:
        return "Command1"
    check(any("Vellacor" in s for s in said) and any("确定" in s for s in said),
          f"{row['name']}: the message box is not heard with its title and its OK button: {said}")
    key("Return")
    back = row["select"] or "Command1"
    step(row["name"] + ": close the message", heard(named[back]))
    return back


def hear_value(step, name, value, read_only_word):
    """A result box reached by Tab: its name and its whole value heard, no
    selected copy cut short, read-only where that word is heard."""
    check = step.check
    said = step.heard_name(f"Tab to {name} ({value})", name)
    check(any(re.search(rf"(^|\s){re.escape(value)}(\s|$)", s) for s in said),
          f"{name}: the value {value} is not heard")
    selected = [s for s in said if "已选中" in s]
    check(all(value in s for s in selected), f"{name}: a selected copy of {value} is cut short: {selected}")
    if read_only_word:
        check(any(name in s and "只读" in s for s in said), f"{name}: not heard as read-only")


def stop(orca, started):
    orca.stop()
    for process in reversed(started):
        process.kill()
        process.wait()


def main(script, session, usage, needed=()):
    """Runs session(target, transcript) inside the private session, after
    skipping where a tool is missing or the user's own Orca runs. The
    arguments after the target reach the session as they are."""
    if len(sys.argv) < 2:
        raise SystemExit(usage)
    target = os.path.abspath(sys.argv[1])
    transcript = "--transcript" in sys.argv[2:]
    if os.environ.get(SESSION):
        return session(target, transcript)
    missing = [tool for tool in NEEDED + list(needed) if not shutil.which(tool)]
    if missing:
        # In CI a skip would pass what was never heard.
        ci = os.environ.get("CI") == "true"
        print(f"orca: {'failed' if ci else 'skipped'}, missing " + " ".join(missing))
        return 1 if ci else SKIPPED
    # Orca runs once per user: a second one would not start, and one started
    # with --replace would end the user's own screen reader.
    if shutil.which("pgrep") and subprocess.run(["pgrep", "-x", "orca"],
                                                stdout=subprocess.DEVNULL).returncode == 0:
        print("orca: skipped, an Orca of this user is running already")
        return SKIPPED
    # On an X display of its own (never the user's: the keys typed would go
    # to their windows), started by the one script that starts Xvfb.
    if os.environ.get("DISPLAY") is None or os.environ.get("DISPLAY") != os.environ.get(
            "VELLACOR_PRIVATE_DISPLAY"):
        here = os.path.dirname(os.path.abspath(__file__))
        command = [os.path.join(here, "with_display.sh"), sys.executable, os.path.abspath(script)]
        os.execv(command[0], command + sys.argv[1:])
    return outer(os.path.abspath(script), target)
