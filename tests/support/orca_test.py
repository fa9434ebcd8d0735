#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""The window as a blind technician meets it: the Orca screen reader over
the real Qt program, or over the page in a real Firefox ESR or Chromium
window, on a private X display and D-Bus session, driven by the keyboard
alone. What Orca says is read from its debug log and checked against the
rows of the windows' table marked for the ear: every box by its whole
name, in tab order; the outcome of each press once, or its message; the
results whole.

    orca_test.py PROGRAM | PAGE firefox|chromium [--transcript]

--transcript prints every step's utterances, whether or not they pass."""

import os
import subprocess
import sys

from orca_session import (Orca, Steps, desktop, hear_rows, heard, main, scenarios, stop,
                          succeeds, until)

# The page's load, as Orca's debug log names the event.
LOADED = "document:load-complete [document web | Vellacor]"
BROWSERS = {"firefox": "firefox-esr", "chromium": "chromium"}


def browser_command(browser, page, work):
    """The browser on the page, with a profile of its own that asks nothing
    at its first start. Firefox shows itself to the accessibility bus only
    with a window and GNOME_ACCESSIBILITY; Chromium only when told."""
    url = "file://" + page
    if browser == "chromium":
        flags = os.path.join(os.path.dirname(__file__), "..", "window", "web", "chromium.flags")
        with open(flags, encoding="utf-8") as lines:
            common = [line.strip() for line in lines if line.strip() and not line.startswith("#")]
        return ["chromium", *common, "--force-renderer-accessibility",
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


def session(target, transcript):
    browser = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2] in BROWSERS else None
    work = os.environ["VELLACOR_ORCA_SESSION"]
    started = desktop()
    # Speech on for the page: Orca presents a live region only then.
    orca = Orca(work, speech=browser is not None)
    orca.ready()
    if browser:
        env = dict(os.environ, GNOME_ACCESSIBILITY="1")
        env.pop("MOZ_HEADLESS", None)
        command = browser_command(browser, target, work)
    else:
        env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        command = [target]
    started.append(subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL))
    step = Steps(orca)
    first = scenarios()["tabStops"][0]["heard"]
    try:
        # Polled: a browser's windows come and go while it starts.
        until(lambda: succeeds("xdotool", "search", "--name", "^Vellacor"), "window")
        # Until Orca has handled the page's load it may still be in browse
        # mode, where a typed digit moves to a heading.
        loaded = (lambda: orca.handled(LOADED)) if browser else (lambda: True)
        said = step("start", lambda said: heard(first)(said) and loaded(), 30)
        step.check(heard(first)(said) and loaded(), f"the first box is not heard by its name: {said}")
        hear_rows(step, results=3 if browser else 13, read_only_word=browser is not None)
    finally:
        stop(orca, started)
    return step.report(f"orca_test ({browser or 'Qt'})", transcript)


if __name__ == "__main__":
    sys.exit(main(__file__, session, __doc__,
                  needed=[BROWSERS[arg] for arg in sys.argv[2:3] if arg in BROWSERS]))
