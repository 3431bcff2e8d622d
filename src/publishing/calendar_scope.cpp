#include "publishing/calendar_scope.h"

#include "publishing/caldav_xml.h"

namespace dutyloop {

namespace {

int PortOf(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.port(scheme == u"https" ? 443 : scheme == u"http" ? 80 : -1);
}

} // namespace

bool SameOrigin(const QUrl& one, const QUrl& other) {
    return one.isValid() && other.isValid() && !one.host().isEmpty() &&
           one.scheme().compare(other.scheme(), Qt::CaseInsensitive) == 0 &&
           one.host().compare(other.host(), Qt::CaseInsensitive) == 0 &&
           PortOf(one) == PortOf(other) && PortOf(one) != -1;
}

PlaceInCalendar PlaceOf(const QUrl& url, const QUrl& calendar) {
    using Place = PlaceInCalendar::Place;
    // A query or a fragment would name something other than the plain resource.
    if (!SameOrigin(url, calendar) || url.hasQuery() || url.hasFragment())
        return {};
    // A slash inside a name, sent as "%2F", would be one level deeper on many servers.
    if (url.path(QUrl::FullyEncoded).contains(QLatin1String("%2F"), Qt::CaseInsensitive))
        return {};
    QString collection = NormalizedDavPath(calendar);
    if (!collection.endsWith(u'/'))
        collection += u'/';
    const QString path = NormalizedDavPath(url);
    if (path == collection || path + u'/' == collection)
        return {Place::Collection, path};
    if (!path.startsWith(collection))
        return {};
    const QString name = path.mid(collection.size());
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QChar(0)))
        return {};
    return {Place::Member, path};
}

} // namespace dutyloop
