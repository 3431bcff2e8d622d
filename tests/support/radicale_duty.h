#pragma once

// 5 TFS's duty as it is published to the tests' Radicale (radicale_server.h) and as the other
// client reads it back.

#include "calendar/published_duty.h"
#include "publishing/publisher.h"
#include "radicale_server.h"

#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>

namespace dutyloop::testing {

inline const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone("Europe/Berlin"));

// The first days of 5 TFS's runs from March 2027 to February 2028, read off the pattern table
// from its anchor Monday 2014-01-06.
inline QStringList YearOfRuns() {
    return {"2027-03-02", "2027-03-09", "2027-03-15", "2027-03-21", "2027-03-28", "2027-04-04",
            "2027-04-11", "2027-04-16", "2027-04-23", "2027-04-30", "2027-05-07", "2027-05-12",
            "2027-05-19", "2027-05-26", "2027-06-02", "2027-06-07", "2027-06-14", "2027-06-21",
            "2027-06-28", "2027-07-05", "2027-07-10", "2027-07-17", "2027-07-24", "2027-07-31",
            "2027-08-05", "2027-08-12", "2027-08-19", "2027-08-26", "2027-08-31", "2027-09-07",
            "2027-09-14", "2027-09-21", "2027-09-27", "2027-10-03", "2027-10-10", "2027-10-17",
            "2027-10-24", "2027-10-29", "2027-11-05", "2027-11-12", "2027-11-19", "2027-11-24",
            "2027-12-01", "2027-12-08", "2027-12-15", "2027-12-20", "2027-12-27", "2028-01-03",
            "2028-01-10", "2028-01-17", "2028-01-22", "2028-01-29", "2028-02-05", "2028-02-12",
            "2028-02-17", "2028-02-24"};
}

// The duty as the other client lists it: "2027-03-02<TAB>On duty (5 TFS)", sorted.
inline QStringList Listed(const QStringList& starts, const QString& summary = "On duty (5 TFS)") {
    QStringList lines;
    for (const QString& start : starts)
        lines.append(start + u'\t' + summary);
    lines.sort();
    return lines;
}

// What the server holds of ours, as the other client reads it: start and summary; and its UIDs,
// each of which must be there once.
inline QStringList OursOn(const RadicaleServer& server, QStringList* uids = nullptr) {
    bool ok = false;
    const QString output = server.client({"list"}, &ok);
    if (!ok)
        return {QStringLiteral("the client failed: ") + output};
    QStringList ours;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 4 && fields[2] != u"-") {
            ours.append(fields[0] + u'\t' + fields[1]);
            if (uids)
                uids->append(fields[3]);
        }
    }
    return ours;
}

inline QString OthersOn(const RadicaleServer& server) {
    bool ok = false;
    const QString output = server.client({"list"}, &ok);
    QStringList others;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.split(u'\t').value(2) == u"-")
            others.append(line);
    }
    return others.join(u'\n');
}

inline Settings FiveTfsForAYear() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish = {PublishTarget::Kind::CalDav, {}, "kim", {}, 12, {}};
    return settings;
}

inline PublishedDuty DutyWith(const QByteArray& days) {
    return PublishedDutyFor(FiveTfsForAYear(), AllDayChangesFromText(days), kNow);
}

inline const char* kPhoneEvent = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
                                 "BEGIN:VEVENT\r\nUID:dentist-1@phone.example\r\n"
                                 "DTSTAMP:20270101T000000Z\r\nDTSTART;VALUE=DATE:20270309\r\n"
                                 "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// Each publishing test's start: a fresh Radicale whose calendar holds another client's event,
// and a publisher of 5 TFS with a settings folder of its own.
struct RadicaleCalendar {
    std::unique_ptr<RadicaleServer> server;
    std::unique_ptr<QTemporaryDir> settings;
    std::unique_ptr<Publisher> publisher;

    // Empty where the calendar is ready; else why it is not.
    QString start() {
        server = std::make_unique<RadicaleServer>();
        if (const QString started = server->start(); !started.isEmpty())
            return started;
        bool ok = false;
        QString output = server->client({"make"}, &ok);
        if (ok)
            output = server->client({"add", kPhoneEvent}, &ok);
        if (!ok)
            return output;
        settings = std::make_unique<QTemporaryDir>();
        publisher = std::make_unique<Publisher>(settings->path(), [] { return kNow; });
        publisher->setRetrying(false);
        publisher->setTarget(target(), "secret");
        return {};
    }
    PublishTarget target() const {
        PublishTarget target = FiveTfsForAYear().publish;
        target.url = server->calendarUrl();
        return target;
    }
    void stop() {
        publisher.reset();
        server.reset();
    }
};

// Leave on the first day of the run from 9 March, extra duty on Saturday 13 March, a day off,
// and a note on Thursday 18 March, another.
inline const QByteArray kChangedDays =
    "[Days 5 TFS]\n2027-03-09=leave\n2027-03-13=extra\n2027-03-18=rostered;Call Anna\n";

inline QStringList ChangedDuty() {
    QStringList starts = YearOfRuns();
    starts.replace(1, "2027-03-10");
    QStringList duty = Listed(starts);
    duty.append("2027-03-13\tExtra duty (5 TFS)");
    duty.append("2027-03-18\tCall Anna");
    duty.sort();
    return duty;
}

} // namespace dutyloop::testing
