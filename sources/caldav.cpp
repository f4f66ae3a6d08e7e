#include "sources/caldav.h"

#include "sources/calendaraddress.h"
#include "sources/httpsession.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>

using namespace std::chrono;

namespace {

struct CalDavWords
{
    Q_DECLARE_TR_FUNCTIONS(CalDav)
};

const QString Dav = QStringLiteral("DAV:");
const QString CalDavNs = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString CalendarServerNs = QStringLiteral("http://calendarserver.org/ns/");

bool is(const QXmlStreamReader &reader, const QString &ns, QLatin1StringView name)
{
    return reader.namespaceUri() == ns && reader.name() == name;
}

// The text of the DAV:href inside the current element, which is left at its end.
QString innerHref(QXmlStreamReader &reader)
{
    QString href;
    while (reader.readNextStartElement()) {
        if (is(reader, Dav, QLatin1StringView("href")))
            href = reader.readElementText().trimmed();
        else
            reader.skipCurrentElement();
    }
    return href;
}

QString absolute(const QUrl &base, const QString &href)
{
    if (href.isEmpty())
        return {};
    // Encoded as sent: the href of a resource must lead back to it.
    return base.resolved(QUrl::fromEncoded(href.toUtf8())).toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

void readProp(QXmlStreamReader &reader, const QUrl &base, DavResource &found)
{
    while (reader.readNextStartElement()) {
        if (is(reader, Dav, QLatin1StringView("resourcetype"))) {
            while (reader.readNextStartElement()) {
                if (is(reader, CalDavNs, QLatin1StringView("calendar")))
                    found.isCalendar = true;
                reader.skipCurrentElement();
            }
        } else if (is(reader, Dav, QLatin1StringView("displayname"))) {
            found.displayName = reader.readElementText().trimmed();
        } else if (is(reader, CalendarServerNs, QLatin1StringView("getctag"))) {
            found.collectionTag = reader.readElementText().trimmed().toUtf8();
        } else if (is(reader, Dav, QLatin1StringView("sync-token"))) {
            const QByteArray token = reader.readElementText().trimmed().toUtf8();
            if (found.collectionTag.isEmpty())
                found.collectionTag = token;
        } else if (is(reader, Dav, QLatin1StringView("current-user-principal"))) {
            found.principal = absolute(base, innerHref(reader));
        } else if (is(reader, CalDavNs, QLatin1StringView("calendar-home-set"))) {
            found.calendarHome = absolute(base, innerHref(reader));
        } else if (is(reader, CalDavNs, QLatin1StringView("calendar-data"))) {
            found.calendarData = reader.readElementText().toUtf8();
        } else {
            reader.skipCurrentElement();
        }
    }
}

// "HTTP/1.1 200 OK" -> 200; 0 when unreadable.
int statusCode(const QString &line)
{
    return line.simplified().section(QLatin1Char(' '), 1, 1).toInt();
}

void mergeInto(DavResource &into, const DavResource &from)
{
    into.isCalendar = into.isCalendar || from.isCalendar;
    if (!from.displayName.isEmpty())
        into.displayName = from.displayName;
    if (!from.collectionTag.isEmpty())
        into.collectionTag = from.collectionTag;
    if (!from.principal.isEmpty())
        into.principal = from.principal;
    if (!from.calendarHome.isEmpty())
        into.calendarHome = from.calendarHome;
    if (!from.calendarData.isEmpty())
        into.calendarData = from.calendarData;
}

DavResource readResponse(QXmlStreamReader &reader, const QUrl &base)
{
    DavResource resource;
    while (reader.readNextStartElement()) {
        if (is(reader, Dav, QLatin1StringView("href"))) {
            resource.href = absolute(base, reader.readElementText().trimmed());
        } else if (is(reader, Dav, QLatin1StringView("propstat"))) {
            DavResource properties;
            int status = 0;
            while (reader.readNextStartElement()) {
                if (is(reader, Dav, QLatin1StringView("prop")))
                    readProp(reader, base, properties);
                else if (is(reader, Dav, QLatin1StringView("status")))
                    status = statusCode(reader.readElementText());
                else
                    reader.skipCurrentElement();
            }
            if (status >= 200 && status < 300)
                mergeInto(resource, properties);
        } else {
            reader.skipCurrentElement();
        }
    }
    return resource;
}

QByteArray utcMidnight(sys_days day)
{
    const year_month_day date{day};
    return QStringLiteral("%1%2%3T000000Z")
        .arg(int(date.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(date.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(date.day()), 2, 10, QLatin1Char('0'))
        .toLatin1();
}

// An iCalendar TEXT value (RFC 5545 3.3.11).
QByteArray escapedText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char(';'), QLatin1String("\\;"));
    escaped.replace(QLatin1Char(','), QLatin1String("\\,"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.remove(QLatin1Char('\r'));
    return escaped.toUtf8();
}

QByteArray propfindBody(const QByteArray &properties)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\" xmlns:CS=\"http://calendarserver.org/ns/\">"
           "<D:prop>" + properties + "</D:prop></D:propfind>";
}

} // namespace

Multistatus parseMultistatus(const QByteArray &xml, const QUrl &base)
{
    Multistatus result;
    if (xml.trimmed().isEmpty()) {
        result.problem = CalDavWords::tr("the answer is empty");
        return result;
    }
    QXmlStreamReader reader(xml);
    bool found = false;
    if (reader.readNextStartElement()) {
        if (is(reader, Dav, QLatin1StringView("multistatus"))) {
            found = true;
            while (reader.readNextStartElement()) {
                if (is(reader, Dav, QLatin1StringView("response")))
                    result.resources << readResponse(reader, base);
                else
                    reader.skipCurrentElement();
            }
        }
    }
    // Whatever follows the root must still be well-formed.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    if (reader.hasError()) {
        result.resources.clear();
        result.problem = CalDavWords::tr("line %1, column %2: %3").arg(reader.lineNumber()).arg(reader.columnNumber()).arg(reader.errorString());
    } else if (!found) {
        result.problem = CalDavWords::tr("the answer is not a WebDAV multistatus");
    }
    return result;
}

QByteArray collectionPropfind()
{
    return propfindBody("<D:resourcetype/><D:displayname/><CS:getctag/><D:sync-token/>");
}

QByteArray eventQuery(sys_days from, sys_days to)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<C:calendar-query xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
           "<D:prop><D:getetag/><C:calendar-data/></D:prop>"
           "<C:filter><C:comp-filter name=\"VCALENDAR\"><C:comp-filter name=\"VEVENT\">"
           "<C:time-range start=\"" + utcMidnight(from) + "\" end=\"" + utcMidnight(to + days{1}) + "\"/>"
           "</C:comp-filter></C:comp-filter></C:filter></C:calendar-query>";
}

QByteArray mergeCalendars(const QList<DavResource> &resources, const QString &name, int *skipped)
{
    QByteArray zones;
    QByteArray components;
    QSet<QByteArray> zoneIds;
    int withoutCalendar = 0;
    for (const DavResource &resource : resources) {
        if (resource.calendarData.isEmpty())
            continue;
        int depth = 0;
        bool sawCalendar = false;
        QByteArray block;
        QByteArray blockType;
        QByteArray zoneId;
        for (QByteArray line : resource.calendarData.split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            if (line.isEmpty())
                continue;
            const bool continued = line.startsWith(' ') || line.startsWith('\t');
            const QByteArray upper = continued ? QByteArray() : line.toUpper();
            if (upper.startsWith("BEGIN:")) {
                ++depth;
                if (depth == 1)
                    sawCalendar = sawCalendar || upper.mid(6).trimmed() == "VCALENDAR";
                if (depth == 2) {
                    block.clear();
                    zoneId.clear();
                    blockType = upper.mid(6).trimmed();
                }
            }
            if (depth >= 2)
                block += line + "\r\n";
            if (depth == 2 && blockType == "VTIMEZONE" && (upper.startsWith("TZID:") || upper.startsWith("TZID;")))
                zoneId = line.mid(line.indexOf(':') + 1);
            if (upper.startsWith("END:")) {
                if (depth == 2 && sawCalendar) {
                    if (blockType != "VTIMEZONE")
                        components += block;
                    else if (!zoneIds.contains(zoneId)) {
                        zoneIds.insert(zoneId);
                        zones += block;
                    }
                }
                depth = std::max(0, depth - 1);
            }
        }
        if (!sawCalendar)
            ++withoutCalendar;
    }
    if (skipped)
        *skipped = withoutCalendar;
    QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lunaria//CalDAV collection//EN\r\n";
    if (!name.isEmpty())
        calendar += "X-WR-CALNAME:" + escapedText(name) + "\r\n";
    return calendar + zones + components + "END:VCALENDAR\r\n";
}

CalendarDiscovery discoverCalendars(HttpSession &session, const QUrl &server)
{
    CalendarDiscovery discovery;
    const auto propfind = [&](const QUrl &url, const QByteArray &depth, const QByteArray &properties,
                              Multistatus &answer) -> bool {
        const HttpAnswer sent = session.send(url, server, "PROPFIND", propfindBody(properties),
                                             {{"Depth", depth}, {"Content-Type", "application/xml; charset=utf-8"}});
        if (!sent.ok) {
            discovery.problem = QStringLiteral("%1: %2").arg(shownAddress(url), sent.failure);
            return false;
        }
        answer = parseMultistatus(sent.body, url);
        if (!answer.problem.isEmpty()) {
            discovery.problem = CalDavWords::tr("%1: the server's answer cannot be read: %2").arg(shownAddress(url), answer.problem);
            return false;
        }
        return true;
    };

    Multistatus answer;
    QString principal;
    for (const QUrl &url : {server, server.resolved(QUrl(QStringLiteral("/.well-known/caldav")))}) {
        if (!propfind(url, "0", "<D:current-user-principal/>", answer))
            return discovery;
        for (const DavResource &resource : std::as_const(answer.resources)) {
            if (!resource.principal.isEmpty())
                principal = resource.principal;
        }
        if (!principal.isEmpty())
            break;
    }
    if (principal.isEmpty()) {
        discovery.problem = CalDavWords::tr("%1: the server names no principal for the user; is it a CalDAV server?").arg(shownAddress(server));
        return discovery;
    }
    const QUrl principalUrl(principal);
    if (!propfind(principalUrl, "0", "<C:calendar-home-set/>", answer))
        return discovery;
    QString home;
    for (const DavResource &resource : std::as_const(answer.resources)) {
        if (!resource.calendarHome.isEmpty())
            home = resource.calendarHome;
    }
    if (home.isEmpty()) {
        discovery.problem = CalDavWords::tr("%1: the user's principal names no calendar home").arg(principal);
        return discovery;
    }
    const QUrl homeUrl(home);
    if (!propfind(homeUrl, "1", "<D:resourcetype/><D:displayname/>", answer))
        return discovery;
    for (const DavResource &resource : std::as_const(answer.resources)) {
        if (!resource.isCalendar)
            continue;
        const QUrl url(resource.href);
        const QString name = resource.displayName.isEmpty() ? url.path().section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty)
                                                            : resource.displayName;
        discovery.calendars << OfferedCalendar{QLatin1String("caldav+") + shownAddress(url), name};
    }
    return discovery;
}
