#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""The window as a blind technician meets it: the Orca screen reader over
the real program, driven by the keyboard alone, on a private X display and
D-Bus session. What Orca says is read from its debug log (speech itself is
off: there is no sound device) and checked against the rows of the
windows' table marked for the ear: every box by its whole name, in tab
order; the outcome of each press, or its message; each result value whole.

    orca_test.py PROGRAM [--transcript]

--transcript prints every step's utterances, whether or not they pass."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from orca_session import Orca, Steps, desktop, hear_rows, main, scenarios, stop  # noqa: E402


def session(program, transcript):
    started = desktop()
    orca = Orca(os.environ["VELLACOR_ORCA_SESSION"])
    orca.ready()
    app_env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
    started.append(subprocess.Popen([program], env=app_env))
    step = Steps(orca)
    try:
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Vellacor$"], check=True,
                       stdout=subprocess.DEVNULL, timeout=30)
        step.heard_name("start", scenarios()["tabStops"][0]["heard"], 20)
        hear_rows(step, results=13, read_only_word=False)
    finally:
        stop(orca, started)
    return step.report("orca_test", transcript)


if __name__ == "__main__":
    sys.exit(main(__file__, session, __doc__))
