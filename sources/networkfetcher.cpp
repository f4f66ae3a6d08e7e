#include "sources/networkfetcher.h"

#include "sources/caldav.h"
#include "sources/calendaraddress.h"
#include "sources/credentials.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct FetcherWords
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFetcher)
};

// A published calendar file begins with its VCALENDAR, after a byte-order mark or blank lines.
bool looksLikeICalendar(const QByteArray &bytes)
{
    QByteArray start = bytes.left(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3);
    return start.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

// The first words of an answer that is not a calendar, on one line, for the message.
QString beginning(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes.left(60)).simplified();
    if (bytes.size() > 60)
        text += QChar(0x2026);
    return text;
}

struct Fetching
{
    const CalendarAddress &address;
    HttpSession &session;
    const FetchCache &cache;
    QString key;
    std::optional<CachedCalendar> cached;
    FetchedCalendar result;

    void done(const QByteArray &bytes)
    {
        result.ok = true;
        result.bytes = bytes;
    }
    // The server could not give the calendar: the copy, if there is one, says from when.
    void failed(const QString &reason)
    {
        if (!cached) {
            result.error = QStringLiteral("%1: %2").arg(address.shown, reason);
            return;
        }
        const QString when = QLocale().toString(cached->fetched.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm"));
        result.warnings << FetcherWords::tr("%1: the copy from %2 is used; %3").arg(address.shown, when, reason);
        done(cached->bytes);
    }
    void keep(CachedCalendar calendar)
    {
        calendar.fetched = QDateTime::currentDateTimeUtc();
        if (std::optional<QString> problem = cache.store(key, calendar))
            result.warnings << FetcherWords::tr("%1: the copy could not be kept for use without network: %2").arg(address.shown, *problem);
    }
};

void fetchFile(Fetching &f)
{
    HttpSession::Headers headers{{"Accept", "text/calendar, */*;q=0.5"}};
    if (f.cached && !f.cached->etag.isEmpty())
        headers.emplaceBack("If-None-Match", f.cached->etag);
    if (f.cached && !f.cached->lastModified.isEmpty())
        headers.emplaceBack("If-Modified-Since", f.cached->lastModified);
    const HttpAnswer answer = f.session.send(f.address.url, f.address.url, "GET", {}, headers);
    if (!answer.ok)
        return f.failed(answer.failure);
    if (answer.status == 304 && f.cached) {
        f.keep(*f.cached);
        return f.done(f.cached->bytes);
    }
    if (!looksLikeICalendar(answer.body)) {
        const QString type = answer.contentType.isEmpty() ? FetcherWords::tr("no type") : QString::fromLatin1(answer.contentType);
        return f.failed(FetcherWords::tr("the answer is not an iCalendar file (%1; it begins \"%2\")").arg(type, beginning(answer.body)));
    }
    f.keep({answer.body, answer.etag, answer.lastModified, {}, {}});
    f.done(answer.body);
}

void fetchCollection(Fetching &f, std::chrono::sys_days from, std::chrono::sys_days to)
{
    const HttpSession::Headers xml{{"Content-Type", "application/xml; charset=utf-8"}};
    HttpSession::Headers depth0 = xml;
    depth0.emplaceBack("Depth", "0");
    const HttpAnswer about = f.session.send(f.address.url, f.address.url, "PROPFIND", collectionPropfind(), depth0);
    if (!about.ok)
        return f.failed(about.failure);
    const Multistatus collection = parseMultistatus(about.body, f.address.url);
    if (!collection.problem.isEmpty())
        return f.failed(FetcherWords::tr("the server's answer cannot be read: %1").arg(collection.problem));
    const DavResource *self = collection.resources.isEmpty() ? nullptr : &collection.resources.first();
    if (!self || !self->isCalendar)
        return f.failed(FetcherWords::tr("this is not a CalDAV calendar collection"));
    if (f.cached && !self->collectionTag.isEmpty() && self->collectionTag == f.cached->collectionTag) {
        f.keep(*f.cached);
        return f.done(f.cached->bytes);
    }

    HttpSession::Headers depth1 = xml;
    depth1.emplaceBack("Depth", "1");
    const HttpAnswer events = f.session.send(f.address.url, f.address.url, "REPORT", eventQuery(from, to), depth1);
    if (!events.ok)
        return f.failed(events.failure);
    const Multistatus found = parseMultistatus(events.body, f.address.url);
    if (!found.problem.isEmpty())
        return f.failed(FetcherWords::tr("the server's answer cannot be read: %1").arg(found.problem));
    const QString name = self->displayName.isEmpty()
                             ? f.address.url.path().section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty)
                             : self->displayName;
    int skipped = 0;
    const QByteArray calendar = mergeCalendars(found.resources, name, &skipped);
    if (skipped > 0)
        f.result.warnings << FetcherWords::tr("%1: %n entries of the collection hold no VCALENDAR and were left out", nullptr, skipped)
                                 .arg(f.address.shown);
    f.keep({calendar, {}, {}, self->collectionTag, {}});
    f.done(calendar);
}

} // namespace

NetworkFetcher::NetworkFetcher(NetworkOptions options, CredentialSource *credentials)
    : m_options(std::move(options)), m_credentials(credentials), m_cache(m_options.cacheFolder)
{
}

FetchedCalendar NetworkFetcher::fetch(const QString &text, std::chrono::sys_days from, std::chrono::sys_days to)
{
    const CalendarAddress address = parseCalendarAddress(text);
    if (!address.problem.isEmpty()) {
        FetchedCalendar refused;
        refused.name = address.shown;
        refused.error = address.problem;
        return refused;
    }
    HttpSession session(m_options, m_credentials);
    Fetching f{address, session, m_cache, address.url.toString(), {}, {}};
    if (address.kind == CalendarAddress::Kind::CalDav) {
        // A collection is kept for each span of days asked for: another span holds other events.
        const std::chrono::year_month_day first{from};
        const std::chrono::year_month_day last{to};
        f.key = QStringLiteral("caldav %1 %2-%3-%4 %5-%6-%7")
                    .arg(address.url.toString())
                    .arg(int(first.year())).arg(unsigned(first.month())).arg(unsigned(first.day()))
                    .arg(int(last.year())).arg(unsigned(last.month())).arg(unsigned(last.day()));
    }
    f.cached = m_cache.load(f.key);
    f.result.name = address.shown;
    if (address.kind == CalendarAddress::Kind::CalDav)
        fetchCollection(f, from, to);
    else
        fetchFile(f);
    return f.result;
}
