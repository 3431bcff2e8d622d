<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>%1, work day</source>
        <translation>%1, Dienst</translation>
    </message>
    <message>
        <source>%1, off duty</source>
        <translation>%1, dienstfrei</translation>
    </message>
    <message>
        <source>On duty: %1</source>
        <translation>Im Dienst: %1</translation>
    </message>
    <message>
        <source>No crew on duty</source>
        <translation>Keine Schicht im Dienst</translation>
    </message>
    <message>
        <source>No rotation</source>
        <translation>Kein Schichtplan</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Off-Duty</source>
        <translation>Dienstfrei</translation>
    </message>
    <message>
        <source>On duty (%1)</source>
        <translation>Dienst (%1)</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Dst</translation>
    </message>
    <message>
        <source>Legend: work days</source>
        <translation>Legende: Tage im Dienst</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Legend: off-duty days</source>
        <translation>Legende: dienstfreie Tage</translation>
    </message>
    <message>
        <source>Selected day</source>
        <translation>Gewählter Tag</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <translation>Gewählter Tag: %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 work days, %4 off</source>
        <translation>%1 %2: %3 Diensttage, %4 dienstfrei</translation>
    </message>
    <message>
        <source>%1 to %2 %3: %4 work days, %5 off</source>
        <translation>%1 bis %2 %3: %4 Diensttage, %5 dienstfrei</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krank</translation>
    </message>
    <message>
        <source>Swapped off</source>
        <translation>Dienst getauscht (frei)</translation>
    </message>
    <message>
        <source>Extra duty</source>
        <translation>Zusatzdienst</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, note: %2</source>
        <translation>%1, Notiz: %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Extra duty (%1)</source>
        <translation>Zusatzdienst (%1)</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Dutyloop shows whether your crew is on duty on any day of its rotation.</source>
        <translation>Dutyloop zeigt für jeden Tag des Schichtplans, ob Ihre Schicht Dienst hat.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version und beendet sich.</translation>
    </message>
    <message>
        <source>Opens the calendar on &lt;date&gt;, as YYYY-MM-DD.</source>
        <translation>Öffnet den Kalender am &lt;Datum&gt;, als JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Siehe »%1 --help«.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: unerwartetes Argument »%2«
Siehe »%1 --help«.
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date; write it as YYYY-MM-DD
</source>
        <translation>%1: »%2« ist kein gültiges Datum; bitte als JJJJ-MM-TT angeben
</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>--print-year needs --crew and --output
Try &apos;dutyloop --help&apos;.</source>
        <translation>--print-year braucht --crew und --output
Siehe »dutyloop --help«.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>»%1« ist kein Jahr von %2 bis %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a crew; the crews are %2</source>
        <translation>»%1« ist keine Schicht; die Schichten sind %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Writes the duty year &lt;year&gt; of a crew as a one-page PDF and exits.</source>
        <translation>Schreibt das Dienstjahr &lt;Jahr&gt; einer Schicht als einseitiges PDF und beendet sich.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>The crew to print, as &quot;5 TFS&quot; or its digit alone.</source>
        <translation>Die zu druckende Schicht, als „5 TFS“ oder nur ihre Ziffer.</translation>
    </message>
    <message>
        <source>crew</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <source>The PDF file that --print-year writes.</source>
        <translation>Die PDF-Datei, die --print-year schreibt.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>--crew and --output go with --print-year
Try &apos;dutyloop --help&apos;.</source>
        <translation>--crew und --output gehören zu --print-year
Siehe »dutyloop --help«.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date from %3 to %4
</source>
        <translation>%1: »%2« ist kein Datum zwischen %3 und %4
</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unable to write to %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Heilige Drei Könige</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationaler Frauentag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Karfreitag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Ostermontag</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Tag der Arbeit</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Tag der Befreiung</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Tag des Sieges 1945</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pfingstsonntag</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Pfingstmontag</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fronleichnam</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Mariä Himmelfahrt</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Weltkindertag</translation>
    </message>
    <message>
        <source>German Unity Day</source>
        <translation>Tag der Deutschen Einheit</translation>
    </message>
    <message>
        <source>Austrian National Day</source>
        <translation>Österreichischer Nationalfeiertag</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reformationstag</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Buß- und Bettag</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Waffenstillstand 1918</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Mariä Empfängnis</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Erster Weihnachtstag</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Zweiter Weihnachtstag</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Französischer Nationalfeiertag</translation>
    </message>
    <message>
        <source>Martin Luther King Jr. Day</source>
        <translation>Martin-Luther-King-Tag</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Washingtons Geburtstag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Juneteenth</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Unabhängigkeitstag</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Labor Day</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veterans Day</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Germany – Baden-Württemberg</source>
        <translation>Deutschland – Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany – Bavaria</source>
        <translation>Deutschland – Bayern</translation>
    </message>
    <message>
        <source>Germany – Berlin</source>
        <translation>Deutschland – Berlin</translation>
    </message>
    <message>
        <source>Germany – Brandenburg</source>
        <translation>Deutschland – Brandenburg</translation>
    </message>
    <message>
        <source>Germany – Bremen</source>
        <translation>Deutschland – Bremen</translation>
    </message>
    <message>
        <source>Germany – Hamburg</source>
        <translation>Deutschland – Hamburg</translation>
    </message>
    <message>
        <source>Germany – Hesse</source>
        <translation>Deutschland – Hessen</translation>
    </message>
    <message>
        <source>Germany – Mecklenburg-Vorpommern</source>
        <translation>Deutschland – Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany – Lower Saxony</source>
        <translation>Deutschland – Niedersachsen</translation>
    </message>
    <message>
        <source>Germany – North Rhine-Westphalia</source>
        <translation>Deutschland – Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany – Rhineland-Palatinate</source>
        <translation>Deutschland – Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany – Saarland</source>
        <translation>Deutschland – Saarland</translation>
    </message>
    <message>
        <source>Germany – Saxony</source>
        <translation>Deutschland – Sachsen</translation>
    </message>
    <message>
        <source>Germany – Saxony-Anhalt</source>
        <translation>Deutschland – Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany – Schleswig-Holstein</source>
        <translation>Deutschland – Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany – Thuringia</source>
        <translation>Deutschland – Thüringen</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>France – Alsace-Moselle</source>
        <translation>Frankreich – Elsass-Mosel</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <translation>%1 (Ersatztag)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, public holiday: %2</source>
        <translation>%1, Feiertag: %2</translation>
    </message>
    <message>
        <source>Public holiday: %1</source>
        <translation>Feiertag: %1</translation>
    </message>
    <message>
        <source>Holidays on duty: %1 in %2, %3 in %4</source>
        <translation>Feiertage im Dienst: %1 im %2, %3 im Jahr %4</translation>
    </message>
    <message>
        <source>The holidays&apos; calendar %1 cannot be read.</source>
        <translation>Der Feiertagskalender %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is no iCalendar file of holidays.</source>
        <translation>%1 ist keine iCalendar-Datei mit Feiertagen.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the calendar</source>
        <translation>Zurück zum Kalender</translation>
    </message>
</context>
<context>
    <name>YearPage</name>
    <message>
        <source>%1 work days</source>
        <translation>%1 Diensttage</translation>
    </message>
    <message>
        <source>Dutyloop – %1 – %2</source>
        <translation>Dutyloop – %1 – %2</translation>
    </message>
    <message>
        <source>The year: %1 work days, %2 off</source>
        <translation>Das Jahr: %1 Diensttage, %2 dienstfrei</translation>
    </message>
    <message>
        <source>Work day</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Off day</source>
        <translation>Dienstfrei</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Work days on leave: %1</source>
        <translation>Diensttage im Urlaub: %1</translation>
    </message>
    <message>
        <source>Changed day</source>
        <translation>Geänderter Tag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No public holiday on duty</source>
        <translation>Kein Feiertag im Dienst</translation>
    </message>
    <message>
        <source>Public holidays on duty: %1</source>
        <translation>Feiertage im Dienst: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Feiertag</translation>
    </message>
</context>
<context>
    <name>dutyloop::AboutPage</name>
    <message>
        <source>email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Support web page</source>
        <translation>Support-Webseite</translation>
    </message>
    <message>
        <source>Email to support</source>
        <translation>E-Mail an den Support</translation>
    </message>
</context>
<context>
    <name>dutyloop::CalendarPage</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Vorheriger Monat (Bild auf)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Go to today (Home)</source>
        <translation>Zu heute springen (Pos1)</translation>
    </message>
    <message>
        <source>Pick a date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Pick a date: %1</source>
        <translation>Datum wählen: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the month shown, then the day chosen</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>dutyloop::DayDialog</name>
    <message>
        <source>As rostered</source>
        <translation>Laut Einteilung</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krank</translation>
    </message>
    <message>
        <source>Swapped off (off duty on a work day)</source>
        <translation>Dienst getauscht (dienstfrei an einem Diensttag)</translation>
    </message>
    <message>
        <source>Extra duty (on duty on a day off)</source>
        <translation>Zusatzdienst (Dienst an einem dienstfreien Tag)</translation>
    </message>
    <message>
        <source>%1: work day</source>
        <translation>%1: Dienst</translation>
    </message>
    <message>
        <source>%1: off duty</source>
        <translation>%1: dienstfrei</translation>
    </message>
    <message>
        <source>%1: no rotation</source>
        <translation>%1: kein Schichtplan</translation>
    </message>
    <message>
        <source>No change can be made before the rotation starts.</source>
        <translation>Vor Beginn des Schichtplans lässt sich nichts ändern.</translation>
    </message>
    <message>
        <source>Leave and sickness fit any day; a swap only a work day, extra duty only a day off.</source>
        <translation>Urlaub und Krankheit passen auf jeden Tag, ein Tausch nur auf einen Diensttag, ein Zusatzdienst nur auf einen dienstfreien Tag.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Änderung entfernen</translation>
    </message>
</context>
<context>
    <name>dutyloop::EqualTabWidget</name>
    <message>
        <source>%1 tab</source>
        <translation>Registerkarte %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::ExportDialog</name>
    <message>
        <source>Export Duty Calendar</source>
        <translation>Dienstkalender exportieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Assignment:</source>
        <translation>Einteilung:</translation>
    </message>
    <message>
        <source>First month:</source>
        <translation>Erster Monat:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Monate:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei wählen</translation>
    </message>
    <message numerus="yes">
        <source>%n duty periods written to %1</source>
        <translation>
            <numerusform>%n Dienstzeitraum in %1 geschrieben</numerusform>
            <numerusform>%n Dienstzeiträume in %1 geschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dutyloop::HelpPage</name>
    <message>
        <source>How the Settings tab works</source>
        <translation>So funktioniert die Seite „Optionen“</translation>
    </message>
    <message>
        <source>First day of week</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Einteilung wählen</translation>
    </message>
    <message>
        <source>Shift Colors</source>
        <translation>Farben der Tage</translation>
    </message>
    <message>
        <source>Leading / Trailing</source>
        <translation>Nachbarmonate</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>A picture of the Settings tab, with notes on its controls.</source>
        <translation>Ein Bild der Registerkarte Optionen, mit Hinweisen zu ihren Bedienelementen.</translation>
    </message>
    <message>
        <source>%1: the list “%2”.</source>
        <translation>%1: die Liste „%2“.</translation>
    </message>
    <message>
        <source>%1: the switch “%2”.</source>
        <translation>%1: der Schalter „%2“.</translation>
    </message>
    <message>
        <source>%1: the buttons “%2” and “%3”.</source>
        <translation>%1: die Schaltflächen „%2“ und „%3“.</translation>
    </message>
    <message>
        <source>%1: the button “%2”.</source>
        <translation>%1: die Schaltfläche „%2“.</translation>
    </message>
    <message>
        <source>At the top is the button “%1”, at the bottom the buttons “%2” and “%3”.</source>
        <translation>Oben steht die Schaltfläche „%1“, unten stehen die Schaltflächen „%2“ und „%3“.</translation>
    </message>
</context>
<context>
    <name>dutyloop::MainWindow</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Dutyloop for Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop is a trademark of Halvorne
All rights reserved
%2

Linux Desktop Version</source>
        <translation>Dutyloop für Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop ist eine Marke von Halvorne
Alle Rechte vorbehalten
%2

Version für den Linux-Desktop</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Optionen gespeichert</translation>
    </message>
    <message>
        <source>Calendar of Holidays</source>
        <translation>Feiertagskalender</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
</context>
<context>
    <name>dutyloop::MonthView</name>
    <message>
        <source>Change day…</source>
        <translation>Tag ändern…</translation>
    </message>
</context>
<context>
    <name>dutyloop::PrintDialog</name>
    <message>
        <source>Print Duty Year</source>
        <translation>Dienstjahr drucken</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vorschau…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Crew:</source>
        <translation>Schicht:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Duty year saved as %1</source>
        <translation>Dienstjahr gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::SettingsPage</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Einteilung</translation>
    </message>
    <message>
        <source>Start Monday</source>
        <translation>Montag zuerst</translation>
    </message>
    <message>
        <source>Start weeks on Monday</source>
        <translation>Wochen mit Montag beginnen</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Work day colour</source>
        <translation>Farbe der Tage im Dienst</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Off-duty colour</source>
        <translation>Farbe der dienstfreien Tage</translation>
    </message>
    <message>
        <source>Ld/Tr</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Farbe der Tage der Nachbarmonate</translation>
    </message>
    <message>
        <source>BkGr</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export duty days to a calendar file</source>
        <translation>Diensttage in eine Kalenderdatei exportieren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print a crew&apos;s duty year or save it as PDF</source>
        <translation>Das Dienstjahr einer Schicht drucken oder als PDF speichern</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what a colour is for, then the colour</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>From a file…</source>
        <translation>Aus einer Datei …</translation>
    </message>
    <message>
        <source>Public holidays</source>
        <translation>Gesetzliche Feiertage</translation>
    </message>
</context>
</TS>
