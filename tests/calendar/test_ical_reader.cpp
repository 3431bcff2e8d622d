#include "calendar/ical_reader.h"

#include <QTest>

using namespace dutyloop;

namespace {

// "20270302", "20270302T070000Z", "20270302T070000;Europe/Berlin", floating "20270302T070000",
// or "none".
QString MomentText(const IcalMoment& moment) {
    if (!moment.date.isValid())
        return QStringLiteral("none");
    QString text = moment.date.toString(u"yyyyMMdd");
    if (!moment.time.isValid())
        return text;
    text += moment.time.toString(u"'T'HHmmss");
    if (moment.zone == "UTC")
        return text + u'Z';
    return moment.zone.isEmpty() ? text : text + u';' + QString::fromLatin1(moment.zone);
}

// "<UID> <start> <end> <summary> <STATUS>", then " free" where it does not make busy and
// " alarm <seconds before>" for its alarm.
QStringList Described(const IcalCalendar& calendar) {
    QStringList events;
    for (const IcalEvent& event : calendar.events) {
        const char* status = event.status == IcalStatus::Confirmed   ? "CONFIRMED"
                             : event.status == IcalStatus::Cancelled ? "CANCELLED"
                                                                     : "none";
        QString line = QString::fromLatin1(event.uid) + u' ' + MomentText(event.start) + u' ' +
                       MomentText(event.end) + u' ' + event.summary + u' ' +
                       QString::fromLatin1(status);
        if (!event.busy)
            line += QStringLiteral(" free");
        if (event.alarm)
            line += QStringLiteral(" alarm %1").arg(event.alarm->secondsBefore);
        events << line;
    }
    return events;
}

QByteArray Vevent(const QByteArray& lines) {
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}
QByteArray CalendarOf(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Someone//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}
const QByteArray kDay = "UID:a\r\nDTSTART;VALUE=DATE:20270302\r\nDTEND;VALUE=DATE:20270305\r\n"
                        "SUMMARY:Duty\r\nSTATUS:CONFIRMED\r\n";
const QString kDayRead = QStringLiteral("a 20270302 20270305 Duty CONFIRMED");

} // namespace

// Files as other programs, editors and cut-short copies leave them, each read by hand.
class TestIcalReader : public QObject {
    Q_OBJECT
private slots:
    void eventsAsWritten_data() {
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("lines ending in CR alone")
            << CalendarOf(Vevent(kDay)).replace("\r\n", "\r") << QStringList{kDayRead};
        QTest::newRow("lines ending in LF, one folded")
            << CalendarOf(Vevent(kDay)).replace("\r\n", "\n").replace("SUMMARY:Du", "SUMMARY:Du\n ")
            << QStringList{kDayRead};
        QTest::newRow("a file cut short keeps what it holds")
            << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n" + kDay) << QStringList{kDayRead};
        QTest::newRow("an event without a calendar") << Vevent(kDay) << QStringList{kDayRead};
        QTest::newRow("two calendars, one after the other")
            << CalendarOf(Vevent(kDay)) + CalendarOf(Vevent("UID:b\r\n"))
            << QStringList{kDayRead, "b none none  none"};
        QTest::newRow("times in UTC, by a zone's clock and floating")
            << CalendarOf(Vevent("UID: c \r\nDTSTART;TZID=\"Europe/Berlin\":20270302T070000\r\n"
                                 "DTEND:20270303T060000Z\r\n") +
                          Vevent("UID:d\r\nDTSTART:20270302T190000\r\n"))
            << QStringList{"c 20270302T070000;Europe/Berlin 20270303T060000Z  none",
                           "d 20270302T190000 none  none"};
        QTest::newRow("escaped text")
            << CalendarOf(Vevent("UID:e\r\nSUMMARY:a\\, b\\; c\\\\ d\\nE\r\n"))
            << QStringList{"e none none a, b; c\\ d\nE none"};
        QTest::newRow("a status other than confirmed or cancelled; free time")
            << CalendarOf(Vevent("UID:f\r\nSTATUS:TENTATIVE\r\nTRANSP:TRANSPARENT\r\n") +
                          Vevent("UID:g\r\nSTATUS:CANCELLED\r\nTRANSP:OPAQUE\r\n"))
            << QStringList{"f none none  none free", "g none none  CANCELLED"};
        QTest::newRow("the first alarm a length of time from the start")
            << CalendarOf(Vevent("UID:h\r\nBEGIN:VALARM\r\nTRIGGER;RELATED=END:-PT1H\r\n"
                                 "END:VALARM\r\nBEGIN:VALARM\r\n"
                                 "TRIGGER;VALUE=DATE-TIME:20270301T180000Z\r\nEND:VALARM\r\n"
                                 "BEGIN:VALARM\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"))
            << QStringList{"h none none  none alarm 900"};
        QTest::newRow("text that is no iCalendar")
            << QByteArray("an older export") << QStringList{};
    }
    void eventsAsWritten() {
        QFETCH(QByteArray, ics);
        QFETCH(QStringList, events);
        QCOMPARE(Described(IcalCalendarFromText(ics)), events);
    }
};

QTEST_APPLESS_MAIN(TestIcalReader)
#include "test_ical_reader.moc"
