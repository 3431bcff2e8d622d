#include "publishing/publish_plan.h"

#include <algorithm>
#include <set>

namespace dutyloop {

namespace {

bool IsHistory(QDate first, const PublishedDuty& wanted) {
    return first.isValid() && wanted.days.first.isValid() && first < wanted.days.first;
}

// "<UID>.ics" beside the prefix, or "<UID>-2.ics" and so on where another client's resource
// has the name.
QString FreeHref(const QString& hrefPrefix, const QByteArray& uid, const std::set<QString>& taken) {
    const QString base = hrefPrefix + QString::fromUtf8(uid);
    QString href = base + QStringLiteral(".ics");
    for (int n = 2; taken.contains(href); ++n)
        href = base + QStringLiteral("-%1.ics").arg(n);
    return href;
}

bool IsOurs(const HeldEvent& event, const PublishedDuty& wanted) {
    return !event.shared && IsCrewUid(event.uid, wanted.crew);
}

// Of the copies of one event, the one at its own name, else the first.
qsizetype KeptCopy(const QList<const HeldEvent*>& copies, const QString& ownHref) {
    for (qsizetype i = 0; i < copies.size(); ++i) {
        if (copies[i]->href == ownHref)
            return i;
    }
    return 0;
}

PublishStep DeleteOf(const HeldEvent& event) {
    return {PublishStep::Action::Delete, event.href, event.etag, event.uid, {}, {}, event.first};
}

} // namespace

QList<PublishStep> PublishPlan(const PublishedDuty& wanted, const QList<HeldEvent>& held,
                               const ConfirmedEvents& confirmed, const QString& hrefPrefix) {
    std::map<QByteArray, QList<const HeldEvent*>> oursByUid;
    std::set<QString> taken;
    for (const HeldEvent& event : held) {
        taken.insert(event.href);
        if (IsOurs(event, wanted))
            oursByUid[event.uid].append(&event);
    }
    QList<PublishStep> changes;
    QList<PublishStep> deletes;
    std::set<QByteArray> wantedUids;
    using Action = PublishStep::Action;
    for (const PublishedEvent& event : wanted.events) {
        wantedUids.insert(event.uid);
        const QList<const HeldEvent*> copies = oursByUid[event.uid];
        if (copies.isEmpty()) {
            const QString href = FreeHref(hrefPrefix, event.uid, taken);
            taken.insert(href);
            changes.append(
                {Action::Create, href, {}, event.uid, event.ics, event.hash, event.first});
            continue;
        }
        const qsizetype keptAt =
            KeptCopy(copies, hrefPrefix + QString::fromUtf8(event.uid) + QStringLiteral(".ics"));
        const HeldEvent& kept = *copies[keptAt];
        const auto known = confirmed.find(kept.href);
        const bool current = known != confirmed.end() && known->second.etag == kept.etag &&
                             known->second.hash == event.hash;
        if (!current)
            changes.append({Action::Update, kept.href, kept.etag, event.uid, event.ics, event.hash,
                            event.first});
        for (qsizetype i = 0; i < copies.size(); ++i) {
            if (i != keptAt)
                deletes.append(DeleteOf(*copies[i]));
        }
    }
    for (const HeldEvent& event : held) {
        if (IsOurs(event, wanted) && !wantedUids.contains(event.uid) &&
            !IsHistory(event.first, wanted))
            deletes.append(DeleteOf(event));
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const PublishStep& a, const PublishStep& b) { return a.first < b.first; });
    return changes + deletes;
}

int ChangesWaiting(const PublishedDuty& wanted, const ConfirmedEvents& confirmed) {
    std::map<QByteArray, QByteArray> confirmedHashes;
    for (const auto& [href, event] : confirmed)
        confirmedHashes[event.uid] = event.hash;
    const auto ours = [&wanted](const ConfirmedEvent& event) {
        return IsCrewUid(event.uid, wanted.crew);
    };
    int waiting = 0;
    std::set<QByteArray> wantedUids;
    for (const PublishedEvent& event : wanted.events) {
        wantedUids.insert(event.uid);
        const auto found = confirmedHashes.find(event.uid);
        waiting += found == confirmedHashes.end() || found->second != event.hash ? 1 : 0;
    }
    for (const auto& [href, event] : confirmed)
        waiting += ours(event) && !wantedUids.contains(event.uid) && !IsHistory(event.first, wanted)
                       ? 1
                       : 0;
    return waiting;
}

} // namespace dutyloop
