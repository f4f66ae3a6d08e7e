#pragma once

#include <QString>
#include <QUrl>

// What a calendar address written in a rule asks for.
struct CalendarAddress
{
    enum class Kind { File, CalDav };
    Kind kind = Kind::File;
    QUrl url;                // what is asked for, https or http; may carry a user name, never a password
    QString shown;           // the address as written, without user info: for every message
    bool plainHttp = false;  // the user wrote http, so answers may come over http
    QString problem;         // why the address cannot be used; the rest is empty then
};

// Reads an address: https://, http:// and webcal:// (fetched over https) name an iCalendar file,
// caldav+https:// and caldav+http:// a CalDAV calendar collection. An address that holds a
// password is refused: passwords belong in ~/.netrc or the secret store, never in a control
// file.
CalendarAddress parseCalendarAddress(const QString &text);

// `url` as it may appear in a message or a log: without user name and password.
QString shownAddress(const QUrl &url);
