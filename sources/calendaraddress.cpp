#include "sources/calendaraddress.h"

#include <QCoreApplication>

namespace {

struct AddressWords
{
    Q_DECLARE_TR_FUNCTIONS(CalendarAddress)
};

} // namespace

QString shownAddress(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

CalendarAddress parseCalendarAddress(const QString &text)
{
    CalendarAddress address;
    const qsizetype schemeEnd = text.indexOf(QLatin1String("://"));
    const QString scheme = text.left(std::max<qsizetype>(schemeEnd, 0)).toLower();
    QString fetched = text.mid(schemeEnd + 3);
    QString urlScheme;
    if (scheme == QLatin1String("https") || scheme == QLatin1String("webcal")) {
        urlScheme = QStringLiteral("https");
    } else if (scheme == QLatin1String("http")) {
        urlScheme = QStringLiteral("http");
        address.plainHttp = true;
    } else if (scheme == QLatin1String("caldav+https")) {
        urlScheme = QStringLiteral("https");
        address.kind = CalendarAddress::Kind::CalDav;
    } else if (scheme == QLatin1String("caldav+http")) {
        urlScheme = QStringLiteral("http");
        address.kind = CalendarAddress::Kind::CalDav;
        address.plainHttp = true;
    }
    const QUrl written(text, QUrl::StrictMode);
    const QUrl url(urlScheme + QLatin1String("://") + fetched, QUrl::StrictMode);
    // The password must not reach a message, even the one that refuses it.
    address.shown = written.isValid() ? shownAddress(written) : text.section(QLatin1Char('@'), -1);
    if (urlScheme.isEmpty()) {
        address.problem = AddressWords::tr("%1: not a calendar address (https://, webcal://, http://, caldav+https:// or caldav+http://)")
                              .arg(address.shown);
    } else if (!url.isValid() || url.host().isEmpty()) {
        address.problem = AddressWords::tr("%1: not a valid address").arg(address.shown);
    } else if (!url.password().isEmpty()) {
        address.problem = AddressWords::tr("%1: the address holds a password; keep it in ~/.netrc or the secret store instead")
                              .arg(address.shown);
    }
    if (!address.problem.isEmpty())
        return address;
    address.url = url;
    return address;
}
