#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""The window as a blind technician meets it: the Orca screen reader over
the real program, driven by the keyboard alone, on a private X display and
D-Bus session. What Orca says is read from its debug log (speech itself is
off: there is no sound device) and checked against what a user must hear:
every box by its whole name, in tab order; the incompleteness message; the
outcome of a press; each result value whole.

    orca_test.py PROGRAM [--transcript]

--transcript prints every step's utterances, whether or not they pass."""

import os
import re
import select
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
XVFB_TIMEOUT = 30.0  # seconds for Xvfb to report its display, on a busy machine too
SESSION_TIMEOUT = 150.0  # seconds for the whole session; ctest allows 180

# What Orca must say for each focus stop, in tab order from s475.
TAB_NAMES = [
    "筛余量 2.36", "筛余量 1.18", "筛余量 0.6", "筛余量 0.3", "筛余量 0.15", "细度模数",
    "粗细程度", "计算", "筛余百分 0.15", "筛余百分 0.3", "筛余百分 0.6", "筛余百分 1.18",
    "筛余百分 2.36", "筛余百分 4.75", "累计筛余百分 0.15", "累计筛余百分 0.3",
    "累计筛余百分 0.6", "累计筛余百分 1.18", "累计筛余百分 2.36", "累计筛余百分 4.75",
    "损失", "筛余量 4.75",
]
WORKED_EXAMPLE = ["20", "80", "100", "100", "75", "85"]
MEDIUM_SAND = "中砂，平均粒径为o．5—0．35mm"
# The results after the worked example, in tab order from sb015 to ss.
RESULTS = [
    ("筛余百分 0.15", "17"), ("筛余百分 0.3", "15"), ("筛余百分 0.6", "20"),
    ("筛余百分 1.18", "20"), ("筛余百分 2.36", "16"), ("筛余百分 4.75", "4"),
    ("累计筛余百分 0.15", "92"), ("累计筛余百分 0.3", "75"), ("累计筛余百分 0.6", "60"),
    ("累计筛余百分 1.18", "40"), ("累计筛余百分 2.36", "20"), ("累计筛余百分 4.75", "4"),
    ("损失", "40"),
]


def start_xvfb(log):
    """Starts Xvfb on a display number of its choosing; returns it with the
    number, or None if none came in time. Xvfb reports the number and then,
    in a second write, a newline, and it is ready only after both: it dies
    ("Cannot write display number") if the pipe closes between them, so the
    whole line is read, never just the first bytes that arrive."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write], stdout=log, stderr=log)
    os.close(write)
    reply = b""
    end = time.monotonic() + XVFB_TIMEOUT
    while not reply.endswith(b"\n"):
        ready, _, _ = select.select([read], [], [], max(0.0, end - time.monotonic()))
        chunk = os.read(read, 16) if ready else b""
        if not chunk:  # the deadline, or Xvfb ended
            break
        reply += chunk
    os.close(read)
    number = reply.decode(errors="replace").strip()
    return xvfb, number if reply.endswith(b"\n") and number.isdigit() else None


def outer(program, transcript):
    """Sets up a private home, locale and X display, then runs the session
    in it."""
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
    xvfb_log = open(os.path.join(work, "xvfb.log"), "w")
    xvfb, display = start_xvfb(xvfb_log)
    try:
        if display is None:
            with open(xvfb_log.name, encoding="utf-8", errors="replace") as text:
                print("orca_test: Xvfb reported no display:\n" + text.read()[-2000:])
            return 1
        env["DISPLAY"] = ":" + display
        env[SESSION] = work
        return run_session(program, transcript, env, work)
    finally:
        xvfb.terminate()
        xvfb.wait()
        xvfb_log.close()
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


def run_session(program, transcript, env, work):
    """Runs the session in a D-Bus session and a process group of its own.
    The session's processes write to a file, never to this test's output: a
    daemon that outlived the session would keep ctest waiting on it. All of
    them are in the one process group, ended together."""
    args = [sys.executable, os.path.abspath(__file__), program] + (
        ["--transcript"] if transcript else [])
    noise = os.path.join(work, "session.out")
    with open(noise, "w") as out:
        run = subprocess.Popen(["dbus-run-session", "--"] + args, env=env, stdout=out,
                               stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                               start_new_session=True)
        try:
            code = run.wait(timeout=SESSION_TIMEOUT)
        except subprocess.TimeoutExpired:
            code = 1
            print(f"orca_test: the session did not end in {SESSION_TIMEOUT:.0f} s")
        finally:
            end_group(run)
    report = os.path.join(work, "report.txt")
    if os.path.exists(report):
        with open(report, encoding="utf-8") as text:
            print(text.read(), end="")
    if code != 0:
        with open(noise, encoding="utf-8", errors="replace") as text:
            print("orca_test: the session's own output:\n" + text.read()[-4000:])
    return code


class Orca:
    """Orca started with speech and braille off, its debug log written line
    by line (Orca's own launcher writes it block-buffered), and without
    --replace, which would end any other Orca of the user. It stays in the
    session's process group, so that a session ended by the timeout takes
    its Orca along: one left over would make the next run skip."""

    def __init__(self, work):
        self.log = os.path.join(work, "orca.log")
        launcher = os.path.join(work, "orca")
        with open(shutil.which("orca"), encoding="utf-8") as original:
            text = original.read()
        interpreter = text.splitlines()[0].removeprefix("#!").split()
        buffered = "open(args.debug_file, 'w')"
        if buffered not in text:
            raise SystemExit("orca_test: this Orca opens its debug file otherwise; update the test")
        with open(launcher, "w", encoding="utf-8") as copy:
            copy.write(text.replace(buffered, "open(args.debug_file, 'w', buffering=1)"))
        self.out = open(os.path.join(work, "orca.out"), "w")
        self.process = subprocess.Popen(
            interpreter + [launcher, "-d", "speech", "-d", "braille",
             "-u", os.path.join(work, "orca-settings"), "--debug-file=" + self.log],
            stdout=self.out, stderr=subprocess.STDOUT)
        self.seen = 0

    def utterances(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                lines = log.read().splitlines()
        except FileNotFoundError:
            return []
        # SPEECH OUTPUT: 'text' {voice} or SPEECH OUTPUT: 'text'
        spoken = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?\{.*\})?$")
        return [m.group(1) for m in map(spoken.search, lines) if m]

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


def session(program, transcript):
    work = os.environ[SESSION]
    started = [
        subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]),
        subprocess.Popen(["/usr/libexec/at-spi2-registryd"]),
        subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL),
    ]
    time.sleep(1)
    orca = Orca(work)
    time.sleep(4)  # Orca ready before the window appears
    app_env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
    started.append(subprocess.Popen([program], env=app_env))
    failures = []
    steps = []

    def step(title, done, timeout=STEP_TIMEOUT):
        said = orca.wait_until(done, timeout)
        steps.append((title, said))
        return said

    def heard(text):
        return lambda said: any(text in s for s in said)

    def check(ok, what):
        if not ok:
            failures.append(what)

    try:
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Vellacor$"], check=True,
                       stdout=subprocess.DEVNULL, timeout=30)
        said = step("start", heard("筛余量 4.75"), 20)
        check(any("筛余量 4.75" in s for s in said), "the first box is not announced by its name")

        # One round of Tab from s475: every box by its whole name, once.
        for name in TAB_NAMES:
            key("Tab")
            said = step("Tab to " + name, heard(name))
            check(any(s.startswith(name) for s in said), f"Tab to {name}: not heard by its name")
        # To the button, and a press with every box empty.
        key(*["Tab"] * 8)
        step("Tab to 计算", heard("计算"))
        key("space")
        said = step("press with nothing typed", heard("信息填写不完整。"))
        check(any("信息填写不完整。" in s for s in said), "the incompleteness message is not heard")
        key("Return")
        step("dismiss the message", heard("计算"))

        # The worked example, typed into the six inputs, and a press.
        key(*["shift+Tab"] * 8)
        step("back to the first input", heard("筛余量 4.75"))
        for mass in WORKED_EXAMPLE:
            type_text(mass)
            key("Tab")
            step("type " + mass, lambda said: len(said) > 0)
        key("Tab", "Tab")
        step("Tab to 计算", heard("计算"))
        key("space")
        said = step("press with the worked example", heard("2.78125"))
        outcome = [s for s in said if "2.78125" in s]
        check(len(outcome) == 1, f"the outcome is not heard exactly once: {said}")
        check(any(MEDIUM_SAND in s for s in outcome), "the outcome lacks the medium-sand text")

        # Each result, heard whole: no utterance holds a cut copy of it.
        for name, value in RESULTS:
            key("Tab")
            said = step(f"Tab to {name} ({value})", heard(name))
            check(any(name in s for s in said), f"{name}: not heard by its name")
            check(any(re.search(rf"(^|\s){re.escape(value)}(\s|$)", s) for s in said),
                  f"{name}: the value {value} is not heard")
            selected = [s for s in said if "已选中" in s]
            check(all(value in s for s in selected),
                  f"{name}: a selected copy of {value} is cut short: {selected}")
    finally:
        orca.stop()
        for process in reversed(started):
            process.kill()
            process.wait()

    lines = []
    if transcript or failures:
        for title, said in steps:
            lines.append(f"[{title}]")
            lines += [f"    {s}" for s in said]
    lines += ["FAILED: " + failure for failure in failures]
    lines.append(f"orca_test: {len(steps)} steps, {len(failures)} failures")
    with open(os.path.join(work, "report.txt"), "w", encoding="utf-8") as report:
        report.write("\n".join(lines) + "\n")
    return 1 if failures else 0


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    program = os.path.abspath(sys.argv[1])
    transcript = "--transcript" in sys.argv[2:]
    if os.environ.get(SESSION):
        return session(program, transcript)
    missing = [tool for tool in NEEDED if not shutil.which(tool)]
    if missing:
        print("orca_test: skipped, missing " + " ".join(missing))
        return SKIPPED
    # Orca runs once per user: a second one would not start, and one started
    # with --replace would end the user's own screen reader.
    if shutil.which("pgrep") and subprocess.run(["pgrep", "-x", "orca"],
                                                stdout=subprocess.DEVNULL).returncode == 0:
        print("orca_test: skipped, an Orca of this user is running already")
        return SKIPPED
    return outer(program, transcript)


if __name__ == "__main__":
    sys.exit(main())
