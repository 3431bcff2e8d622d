// The desktop entry's and the AppStream metainfo's English texts, for the translators: lupdate
// gathers them into translations/dutyloop_<language>.ts under "Metadata", and
// translate-metadata.cmake writes their translations into the installed files. This file is
// never compiled. Each text is written exactly as the desktop entry or the metainfo has it, a
// paragraph on one line.

#include <QtGlobal>

// The desktop entry: Name, GenericName, Comment and Keywords; the metainfo: name and summary.
//: The program's name, a trademark: usually kept as it is.
QT_TRANSLATE_NOOP("Metadata", "Dutyloop")
//: The kind of program, shown beside or instead of its name in the desktop's menu.
QT_TRANSLATE_NOOP("Metadata", "Duty Calendar")
QT_TRANSLATE_NOOP("Metadata", "See at a glance whether your crew is on duty")
//: Words the desktop's menu search finds the program by, each ended by a semicolon; not a
//: word-for-word list: the words a user of the language would search for.
QT_TRANSLATE_NOOP("Metadata", "duty;rotation;roster;shift;crew;calendar;schedule;")

// The metainfo's description, the screenshots' captions and the release notes.
QT_TRANSLATE_NOOP("Metadata",
                  "Dutyloop is a duty-rotation calendar for the crews of an agency that work a "
                  "fixed 196-day rotation. Pick your crew's assignment and every day of the "
                  "month shows at a glance whether your crew is on duty or off.")
QT_TRANSLATE_NOOP("Metadata",
                  "Move through the months with the keyboard or the buttons, jump back to today, "
                  "and choose whether weeks start on Monday and which colours mark work days, "
                  "off-duty days and the neighbouring months' days. The settings are kept for "
                  "the next start.")
QT_TRANSLATE_NOOP("Metadata", "A month of a crew's rotation: work days in blue, days off in grey")
QT_TRANSLATE_NOOP("Metadata", "Choosing the crew, the first day of the week and the colours")
QT_TRANSLATE_NOOP("Metadata",
                  "Days changed by hand (leave, sickness, swaps, extra duty and notes), export of "
                  "a crew's duty days to an iCalendar file, the duty year printed on one page or "
                  "saved as PDF, German and French, and a month grid that screen readers read "
                  "day by day.")
