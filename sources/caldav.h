#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <chrono>
#include <optional>

class HttpSession;

// What a WebDAV multistatus answer (RFC 4918, CalDAV RFC 4791) says about each resource.
struct DavResource
{
    QString href;              // as sent, made absolute against the request's address
    bool isCalendar = false;   // resourcetype holds CALDAV:calendar
    QString displayName;
    QByteArray collectionTag;  // CS:getctag, else DAV:sync-token
    QString principal;         // DAV:current-user-principal href
    QString calendarHome;      // CALDAV:calendar-home-set href
    QByteArray calendarData;   // CALDAV:calendar-data
};

struct Multistatus
{
    QList<DavResource> resources;  // those with a 2xx propstat; properties of other propstats are left out
    QString problem;               // when the XML is broken: "line L, column C: what"
};

// Reads a multistatus body; `base` makes hrefs absolute.
Multistatus parseMultistatus(const QByteArray &xml, const QUrl &base);

// The PROPFIND body asking a collection for its name, type and change tag.
QByteArray collectionPropfind();
// The calendar-query REPORT asking for every VEVENT that touches `from` up to the end of
// `to` (UTC days), with its calendar data.
QByteArray eventQuery(std::chrono::sys_days from, std::chrono::sys_days to);

// One VCALENDAR from the calendar data of a collection's resources (one event with its
// overrides each): the VTIMEZONEs once per TZID, every other component in order, and
// X-WR-CALNAME `name` when not empty. Resources without a VCALENDAR are counted in `skipped`.
QByteArray mergeCalendars(const QList<DavResource> &resources, const QString &name, int *skipped);

// A calendar a CalDAV server offers to the user.
struct OfferedCalendar
{
    QString address;  // caldav+https://... (or caldav+http:// from an http server), for an ICS rule
    QString name;     // its display name, else the last part of its path
};

struct CalendarDiscovery
{
    QList<OfferedCalendar> calendars;
    QString problem;  // names the address
};

// The calendars of the user at the CalDAV server `server` (https:// or http://), found as
// calendar clients find them: current-user-principal (at the address, else at
// /.well-known/caldav), its calendar-home-set, and the calendar collections in that home.
CalendarDiscovery discoverCalendars(HttpSession &session, const QUrl &server);
