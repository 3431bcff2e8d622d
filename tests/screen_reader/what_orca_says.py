#!/usr/bin/python3
"""What a blind crew member hears: Dutyloop under the real Orca, with Orca's default settings.

Runs the program under Debian's Orca on a display and buses of the test's own (see
orca_session.py), presses keys as a user would, and reads what Orca would have said from its
debug log. Each step of the table below is a few keys and what must follow them: the date that
must be the first date said, said once and with its duty, and words that must be said. What the
window says without a move of the focus is said without "notification" before it.

Today is 2026-12-10, a Thursday; the crew is 5 TFS; the locale en_US. The dates expected are
written out by Python's own calendar, not by the program.

Where Orca, a display or a bus cannot be had, the test is skipped (exit 77) and says why.

Usage: what_orca_says.py <path of the dutyloop program>
"""

import datetime
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402

SKIP = 77
TODAY = datetime.date(2026, 12, 10)

WEEKDAYS = "Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday"
MONTHS = ("January|February|March|April|May|June|July|August|September|October|November|"
          "December")
LONG_DATE = re.compile(r"(?:%s), (?:%s) \d{1,2}, \d{4}" % (WEEKDAYS, MONTHS))


def long_date(day):
    return "%s, %s %d, %d" % (day.strftime("%A"), day.strftime("%B"), day.day, day.year)


def day(offset=0, months=0):
    """A day counted from today: whole months on (the day of the month kept), then days."""
    month = TODAY.month - 1 + months
    shifted = datetime.date(TODAY.year + month // 12, month % 12 + 1, TODAY.day)
    return shifted + datetime.timedelta(days=offset)


class Step:
    """Keys, then what must be heard after the last of them.

    first: the day whose date must be the first date said, once, followed by its duty; today
    must be said to be today. says: words that must be said, each in some utterance.
    """

    def __init__(self, name, keys, first=None, says=(), settle=1.0):
        self.name = name
        self.keys = keys
        self.first = first
        self.says = says
        self.settle = settle


# From the start, in order: each step begins where the one before it left the program.
STEPS = [
    Step("the start: the crew, and today said as today", [], first=day(),
         says=["Calendar page tab", "Tornvale - 5 TFS", "December 2026"]),
    Step("Down: the week after", ["Down"], first=day(7)),
    Step("Up: the week before", ["Up"], first=day()),
    Step("Right: the next day", ["Right"], first=day(1)),
    Step("Page Down: the next month", ["Next"], first=day(1, months=1)),
    Step("Home: today", ["Home"], first=day()),
    Step("Shift+Tab to the next month button", ["shift+Tab"], says=["Next month push button"]),
    Step("Space on the next month button: the month and the day", ["space"],
         first=day(months=1), says=["January 2027"]),
    Step("Enter on the next month button", ["Return"], first=day(months=2),
         says=["February 2027"]),
    Step("Page Up on the month button goes to the days", ["Prior"], first=day(months=1)),
    Step("Space on Today", ["Tab", "space"], first=day()),
    Step("the date field says the long date", ["Tab", "Tab"],
         says=["Pick a date: " + long_date(day())]),
    # Home puts the field's cursor on its first part, the month in the US order.
    Step("a month back in the date field, and Enter", ["Home", "Down", "Return"],
         first=day(months=-1)),
    Step("Home", ["Home"], first=day()),
    # Keys pressed on another tab move the hidden calendar; its days are all read again after.
    Step("Ctrl+Tab to Settings", ["ctrl+Tab"], says=["Settings page tab"]),
    Step("keys on the Settings tab", ["Down", "Up"]),
    Step("Ctrl+Shift+Tab back to the calendar", ["ctrl+shift+Tab"], first=day(),
         says=["Calendar page tab"]),
    Step("Right", ["Right"], first=day(1)),
    Step("Down after the hidden moves", ["Down"], first=day(8)),
    Step("Home", ["Home"], first=day()),
    # The crew list says its entry, and a change made with the keys.
    # Save is passed by while there is nothing to save.
    Step("the Assignment list", ["ctrl+Tab", "Tab"],
         says=["Assignment combo box", "5 TFS"]),
    Step("Down on the closed list", ["Down"], says=["6 FSS"]),
    Step("Up on the closed list", ["Up"], says=["5 TFS"]),
    Step("Down again, a crew to save", ["Down"], says=["6 FSS"]),
    Step("Save", ["shift+Tab", "space"], first=day(), says=["Settings saved"]),
    # A day changed in the day dialog.
    Step("Enter opens the day", ["Return"], says=["dialog", "As rostered"]),
    Step("Leave, and OK", ["Down", "Return"], first=day(), says=["Leave"], settle=1.5),
    # The Print dialog is left with Tab as it is entered.
    Step("Ctrl+P opens the Print dialog", ["ctrl+p"], says=["Print Duty Year dialog", "Crew"]),
    Step("Tab to Cancel", ["Tab", "Tab", "Tab", "Tab"], says=["Cancel push button"]),
    Step("Tab on to the crew again", ["Tab"], says=["Crew"]),
    Step("Save as PDF", ["Tab", "Tab", "Tab", "space"], says=["Save as PDF dialog"],
         settle=1.5),
    Step("the file saved", ["Return"], says=["Duty year saved as", "Dutyloop 6 FSS 2026.pdf"],
         settle=1.5),
]


def check(step, heard):
    """What is wrong with what was heard after the step, or None."""
    problems = []
    text = "\n".join(heard)
    for words in step.says:
        if words not in text:
            problems.append("%r was not said" % words)
    if step.first:
        expected = long_date(step.first)
        dates = LONG_DATE.findall(text)
        if not dates:
            problems.append("no date was said; %s was expected first" % expected)
        elif dates[0] != expected:
            problems.append("the first date said was %s, not %s" % (dates[0], expected))
        elif dates.count(expected) != 1:
            problems.append("%s was said %d times" % (expected, dates.count(expected)))
        else:
            said = re.search(re.escape(expected) + r"(, (?:work day|off duty))?", text)
            if not said.group(1):
                problems.append("%s was said without its duty" % expected)
            today = step.first == TODAY
            if today != (("Today, " + expected) in text):
                problems.append("%s was %ssaid to be today" % (expected, "not " if today else ""))
    return "; ".join(problems) or None


def run(program):
    settings = "[Config]\nWorkAssign=5 TFS\n"
    with orca_session.Session(program, TODAY, settings) as session:
        if not session.wait_for_window():
            print("FAIL: the program's window did not show; it said:\n"
                  + session.program_output()[-2000:])
            session.keep_files = True
            return 1
        failures = 0
        started = time.time()
        everything = []
        for step in STEPS:
            if step.keys:
                heard = session.keys(*step.keys, quiet=step.settle)
            else:
                heard = orca_session.spoken(session.settle(quiet=2.0, longest=20))
            everything += heard
            problem = check(step, heard)
            print("%s %-58s %s" % ("FAIL" if problem else "ok  ", step.name, heard))
            if problem:
                print("     " + problem)
                failures += 1
        # What the window says without a move of the focus comes without its role's name.
        said = [line for line in everything if "notification" in line.lower()]
        if said:
            print("FAIL the word 'notification' was said: %r" % said)
            failures += 1
        pdf = os.path.join(session.documents, "Dutyloop 6 FSS 2026.pdf")
        if not os.path.isfile(pdf):
            print("FAIL the PDF file was not written: " + pdf)
            failures += 1
        print("%d steps in %.0f s" % (len(STEPS), time.time() - started))
        session.keep_files = failures > 0
        return 1 if failures else 0


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: what_orca_says.py <program>")
    try:
        orca_session.check_tools()
        return run(sys.argv[1])
    except orca_session.Unavailable as why:
        print("SKIP: %s" % why)
        return SKIP


if __name__ == "__main__":
    sys.exit(main())
