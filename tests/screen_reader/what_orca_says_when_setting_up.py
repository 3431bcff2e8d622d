#!/usr/bin/python3
"""What a blind crew member hears while setting Dutyloop up, under the real Orca.

The same set-up as what_orca_says.py: Debian's Orca with its default settings, on a display and
buses of the test's own, today 2026-12-10, the crew 5 TFS, en_US. Saved in the settings file are
the holidays of Bavaria, a reminder an hour before duty and a calendar server that needs a
password, which no secret store holds: the program asks for it at start.

The steps walk what a listener needs to set things up by ear: the password question left
unanswered; the month's counts; the day's note; the date field, the duty's hours and the Export
dialog's first month stepped with the arrows and a time typed; each list heard with the entry it
shows; Ctrl+Tab from a list; publishing to a folder set in the Publish dialog, and its outcome.
Then the day's note once more in German. No word of Orca's may be "notification".

Where Orca, a display or a bus cannot be had, the test is skipped (exit 77) and says why.

Usage: what_orca_says_when_setting_up.py <path of the dutyloop program>
"""

import datetime
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402
from what_orca_says import SKIP, TODAY, check, day  # noqa: E402

FOLDER = "$FOLDER"  # stands for the published folder's path in a step's keys


class Step:
    """Keys, then what must be heard after the last of them.

    keys: xdotool key names, or "type:TEXT" for text typed. first, says: as in what_orca_says.
    only: where given, every utterance heard, in order, and nothing else. never: words that must
    not be said. once: words that must be said exactly once.
    """

    def __init__(self, name, keys, first=None, says=(), only=None, never=(), once=(),
                 settle=1.0):
        self.name = name
        self.keys = keys
        self.first = first
        self.says = says
        self.only = only
        self.never = never
        self.once = once
        self.settle = settle


COUNTS = "December 2026: 12 work days, 19 off"
WAITING = "5 changes waiting: no password given"
# The duty's hours set meanwhile make an event of each day.
STILL_WAITING = "changes waiting: no password given"

STEPS = [
    Step("the start: the password is asked for", [], says=["Publish Duty Calendar", "Password"]),
    # What is typed into the password, and erased from it, is never said.
    Step("a password typed", ["type:qjqj"], never=["q", "j"]),
    Step("Backspace in it", ["BackSpace"], never=["q", "j"]),
    Step("the question left unanswered: no password was given", ["Escape"], first=day(),
         says=[WAITING], never=["wrong user name or password"]),
    # The month between its arrows says the month's counts.
    Step("Shift+Tab to the month: its counts", ["shift+Tab", "shift+Tab"],
         says=["December 2026 heading", COUNTS, "Holidays on duty"]),
    Step("Right from the month moves the day, on the days", ["Right"], first=day(1)),
    Step("Home", ["Home"], first=day()),
    # The day's note is said on the first Tab into it.
    Step("Enter opens the day", ["Return"], says=["dialog", "As rostered"]),
    Step("Tab to the note", ["Tab"], says=["Note text"]),
    Step("Escape", ["Escape"], first=day()),
    # Each step of the date field is said, as the whole date.
    Step("Tab to the date field", ["Tab", "Tab"], says=["Pick a date"]),
    Step("Down on its month", ["Home", "Down"], only=["11/10/2026"]),
    Step("Down again", ["Down"], only=["10/10/2026"]),
    Step("Enter", ["Return"], first=datetime.date(2026, 10, 10)),
    Step("Home", ["Home"], first=day()),
    # The lists say what they show from the start.
    Step("Ctrl+Tab to Settings", ["ctrl+Tab"], says=["Settings page tab"]),
    # Save, with nothing to save yet, is passed by.
    Step("the holidays' list", ["Tab", "Tab", "Tab"],
         says=["Holidays combo box", "Germany – Bavaria"], never=["None"]),
    # Without a length the duty's start is passed by, which the length says.
    Step("Tab to the duty's length", ["Tab"],
         says=["Duty length", "All day", "A duty all day has no start"]),
    Step("Up: an hour, said whole", ["Up"], only=["1 h"]),
    Step("Up", ["Up"], only=["2 h"]),
    Step("the reminder's list", ["Tab"], says=["Remind me combo box", "1 hour before"],
         never=["Never"]),
    Step("Ctrl+Tab from the list", ["ctrl+Tab"], says=["Help page tab"]),
    Step("Ctrl+Shift+Tab back", ["ctrl+shift+Tab"], says=["Settings page tab"]),
    # The duty's start, reached now, stepped hour by hour and typed.
    Step("Shift+Tab to the duty's start", ["shift+Tab", "shift+Tab"],
         says=["Duty starts", "7:00 AM"]),
    Step("Up", ["Up"], only=["8:00 AM"]),
    Step("Up", ["Up"], only=["9:00 AM"]),
    Step("Up into two digits", ["Up"], only=["10:00 AM"]),
    Step("Tab goes on to the length", ["Tab"], says=["Duty length", "2 h"]),
    Step("Shift+Tab comes back to the start", ["shift+Tab"], says=["Duty starts", "10:00 AM"]),
    Step("a time typed over it", ["type:6:30 PM", "Return"], says=["6:30 PM"]),
    # The Export dialog's first month, stepped.
    Step("the Export dialog", ["Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space"],
         says=["Export Duty Calendar dialog"]),
    Step("its first month", ["Tab"], says=["First month", "December 2026"]),
    Step("Down", ["Down"], only=["November 2026"]),
    Step("Down", ["Down"], only=["October 2026"]),
    Step("Escape", ["Escape"], says=["Export"]),
    # Publishing to a folder set in the Publish dialog: its outcome, once.
    Step("Tab to Publish", ["Tab", "Tab"], says=["Publish the duty", STILL_WAITING]),
    Step("the Publish dialog", ["space"], says=["Publish Duty Calendar dialog"]),
    Step("a folder", ["alt+f", "alt+r"], says=["Folder"]),
    Step("its path, and Enter", ["type:" + FOLDER, "Return"], once=["Published just now"],
         never=[STILL_WAITING], settle=2.0),
]

# In German, the day's note too is said on the first Tab into it.
GERMAN_STEPS = [
    Step("German: Enter opens the day", ["Return"], says=["Wie im Dienstplan"]),
    Step("German: Tab to the note", ["Tab"], says=["Notiz text"]),
]


def check_more(step, heard):
    """What else is wrong with what was heard after the step, or None."""
    problems = [check(step, heard)] if check(step, heard) else []
    text = "\n".join(heard)
    if step.only is not None and [line.rstrip(".") for line in heard] != step.only:
        problems.append("heard %r, not only %r" % (heard, step.only))
    for words in step.never:
        if words in text:
            problems.append("%r was said" % words)
    for words in step.once:
        if text.count(words) != 1:
            problems.append("%r was said %d times" % (words, text.count(words)))
    return "; ".join(problems) or None


def press(session, step, folder):
    heard = []
    for key in step.keys:
        if key.startswith("type:"):
            heard = session.type_text(key[5:].replace(FOLDER, folder), quiet=step.settle)
        else:
            heard = session.keys(key, quiet=step.settle)
    return heard


def run_session(program, settings, locale, steps, folder_name):
    """Runs the steps in a session of their own; returns the failures, or None where the window
    did not show."""
    with orca_session.Session(program, TODAY, settings, locale=locale) as session:
        if not session.wait_for_window():
            print("FAIL: the program's window did not show; it said:\n"
                  + session.program_output()[-2000:])
            session.keep_files = True
            return None
        folder = os.path.join(session.folder, folder_name)
        failures = 0
        everything = []
        for step in steps:
            if step.keys:
                heard = press(session, step, folder)
            else:
                heard = orca_session.spoken(session.settle(quiet=2.0, longest=20))
            everything += heard
            problem = check_more(step, heard)
            print("%s %-58s %s" % ("FAIL" if problem else "ok  ", step.name, heard))
            if problem:
                print("     " + problem)
                failures += 1
        said = [line for line in everything if "notification" in line.lower()]
        if said:
            print("FAIL the word 'notification' was said: %r" % said)
            failures += 1
        if steps is STEPS and not (os.path.isdir(folder) and os.listdir(folder)):
            print("FAIL nothing was published in " + folder)
            failures += 1
        session.keep_files = failures > 0
        return failures


def run(program):
    settings = ("[Config]\nWorkAssign=5 TFS\n[Holidays]\nRegion=DE-BY\n[Reminder]\nRemind=60\n"
                "[Publish]\nTarget=caldav\nURL=http://127.0.0.1:9/kim/duty/\nUser=kim\nMonths=1\n")
    started = time.time()
    failures = 0
    for text, locale, steps in ((settings, "en_US.UTF-8", STEPS),
                                ("[Config]\nWorkAssign=5 TFS\n", "de_DE.UTF-8", GERMAN_STEPS)):
        found = run_session(program, text, locale, steps, "duty")
        if found is None:
            return 1
        failures += found
    print("%d steps in %.0f s" % (len(STEPS) + len(GERMAN_STEPS), time.time() - started))
    return 1 if failures else 0


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: what_orca_says_when_setting_up.py <program>")
    try:
        orca_session.check_tools()
        return run(sys.argv[1])
    except orca_session.Unavailable as why:
        print("SKIP: %s" % why)
        return SKIP


if __name__ == "__main__":
    sys.exit(main())
