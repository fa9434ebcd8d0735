#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""The page as a blind technician meets it: Orca over the page in a real
browser window (Firefox ESR or Chromium) on a private X display, driven
by the keyboard alone, checked against what Orca's debug log says it
spoke for the rows of the windows' table marked for the ear: the boxes by
their whole names, the outcome of each press once, the results whole, and
the message box.

    orca_page_test.py PAGE firefox|chromium [--transcript]"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from orca_session import Orca, Steps, desktop, hear_rows, heard, main, scenarios, stop  # noqa: E402

# The page's load, as Orca's debug log names the event.
LOADED = "document:load-complete [document web | Vellacor]"


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
    orca.ready()
    env = dict(os.environ, GNOME_ACCESSIBILITY="1")
    env.pop("MOZ_HEADLESS", None)
    started.append(subprocess.Popen(browser_command(browser, page, work), env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    step = Steps(orca)
    try:
        # Polled: a browser's windows come and go while it starts, which
        # xdotool's own waiting does not survive.
        for _ in range(120):
            if subprocess.run(["xdotool", "search", "--name", "^Vellacor"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.5)
        # Until Orca has handled the page's load it may still be in browse
        # mode, where a typed digit moves to a heading.
        first = scenarios()["tabStops"][0]["heard"]
        said = step("start", lambda said: heard(first)(said) and orca.handled(LOADED), 30)
        step.check(heard(first)(said) and orca.handled(LOADED),
                   f"the first box is not heard by its name once the page is loaded: {said}")
        hear_rows(step, results=3, read_only_word=True)
    finally:
        stop(orca, started)
    return step.report(f"orca_page_test ({browser})", transcript)


if __name__ == "__main__":
    sys.exit(main(__file__, session, __doc__, needed=[
        {"firefox": "firefox-esr"}.get(sys.argv[2] if len(sys.argv) > 2 else "", "chromium")]))
