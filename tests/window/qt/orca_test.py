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
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from orca_session import Orca, Steps, desktop, heard, key, main, stop, type_text  # noqa: E402

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


def session(program, transcript):
    started = desktop()
    orca = Orca(os.environ["VELLACOR_ORCA_SESSION"])
    time.sleep(4)  # Orca ready before the window appears
    app_env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
    started.append(subprocess.Popen([program], env=app_env))
    step = Steps(orca)
    check = step.check
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
        stop(orca, started)
    return step.report("orca_test", transcript)


if __name__ == "__main__":
    sys.exit(main(__file__, session, __doc__))
