#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""The page as a blind technician meets it: Orca over the page in a real
browser window (Firefox ESR or Chromium) on a private X display, driven
by the keyboard alone, checked against what Orca's debug log says it
spoke: the boxes by their whole names, the outcome of each press once,
the results whole, and the message box.

    orca_page_test.py PAGE firefox|chromium [--transcript]"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from orca_session import Orca, Steps, desktop, heard, key, main, stop, type_text  # noqa: E402

WORKED_EXAMPLE = ["20", "80", "100", "100", "75", "85"]
MASS_NAMES = ["筛余量 4.75", "筛余量 2.36", "筛余量 1.18", "筛余量 0.6", "筛余量 0.3", "筛余量 0.15"]
OUTCOME = "计算完成。细度模数 2.78125，粗细程度：中砂，平均粒径为o．5—0．35mm"
# From 计算 on, in tab order: the first results by name and value.
RESULTS = [("筛余百分 0.15", "17"), ("筛余百分 0.3", "15"), ("筛余百分 0.6", "20")]


def browser_command(browser, page, work):
    """The browser on the page, with a profile of its own that asks nothing
    at its first start. Firefox shows itself to the accessibility bus only
    with a window and GNOME_ACCESSIBILITY; Chromium only when told."""
    url = "file://" + page
    if browser == "chromium":
        return ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--force-renderer-accessibility", "--disable-background-networking",
                "--disable-component-update", "--disable-sync",
                "--user-data-dir=" + os.path.join(work, "chromium"), url]
    profile = os.path.join(work, "firefox")
    os.makedirs(profile)
    prefs = ['"browser.aboutwelcome.enabled", false', '"browser.shell.checkDefaultBrowser", false',
             '"browser.startup.homepage_override.mstone", "ignore"',
             '"datareporting.policy.dataSubmissionEnabled", false',
             '"toolkit.telemetry.reportingpolicy.firstRun", false',
             '"trailhead.firstrun.didSeeAboutWelcome", true']
    with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as user:
        user.writelines(f"user_pref({pref});\n" for pref in prefs)
    return ["firefox-esr", "--no-remote", "--new-instance", "--profile", profile, url]


def session(page, transcript):
    browser = sys.argv[2]
    work = os.environ["VELLACOR_ORCA_SESSION"]
    started = desktop()
    # Speech on: Orca presents a live region only then.
    orca = Orca(work, speech=True)
    time.sleep(4)  # Orca ready before the window appears
    env = dict(os.environ, GNOME_ACCESSIBILITY="1")
    env.pop("MOZ_HEADLESS", None)
    started.append(subprocess.Popen(browser_command(browser, page, work), env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    step = Steps(orca)
    check = step.check
    try:
        # Polled: a browser's windows come and go while it starts, which
        # xdotool's own waiting does not survive.
        for _ in range(120):
            if subprocess.run(["xdotool", "search", "--name", "^Vellacor"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.5)
        said = step("start", heard(MASS_NAMES[0]), 30)
        check(any(MASS_NAMES[0] in s for s in said), "the first box is not heard by its name")
        for i, mass in enumerate(WORKED_EXAMPLE):
            type_text(mass)
            key("Tab")
            following = MASS_NAMES[i + 1] if i + 1 < len(MASS_NAMES) else "细度模数"
            said = step(f"type {mass}, Tab to {following}", heard(following))
            check(any(following in s for s in said), f"Tab to {following}: not heard by its name")
        key("Tab", "Tab")
        step("Tab to 计算", heard("计算"))
        for press in ("press", "press again"):
            key("space")
            said = step(press, heard("2.78125"), 8)
            outcome = [s for s in said if "2.78125" in s]
            check(len(outcome) == 1 and OUTCOME in outcome[0],
                  f"{press}: the outcome is not heard exactly once: {said}")
        for name, value in RESULTS:
            key("Tab")
            said = step(f"Tab to {name} ({value})", heard(name))
            check(any(name in s and "只读" in s and value in s for s in said),
                  f"{name}: not heard by its name, read-only, with {value}")
        # The first mass emptied, and a press: the message box.
        key(*["shift+Tab"] * (len(RESULTS) + 8))
        step("back to the first mass", heard(MASS_NAMES[0]))
        key("BackSpace", "BackSpace")
        step("empty it", lambda said: False, 1.5)
        key(*["Tab"] * 8)
        step("Tab to 计算", heard("计算"))
        key("space")
        said = step("press with an empty box", heard("信息填写不完整。"), 8)
        check(any("Vellacor" in s and "信息填写不完整。" in s for s in said),
              f"the message box is not heard by its title and text: {said}")
        check(any("确定" in s for s in said), "the message's OK button is not heard")
    finally:
        stop(orca, started)
    return step.report(f"orca_page_test ({browser})", transcript)


if __name__ == "__main__":
    sys.exit(main(__file__, session, __doc__, needed=[
        {"firefox": "firefox-esr"}.get(sys.argv[2] if len(sys.argv) > 2 else "", "chromium")]))
