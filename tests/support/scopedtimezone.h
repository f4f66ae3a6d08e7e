#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>
#include <optional>

// Sets TZ for one test; QTimeZone::systemTimeZone() reads it on every call.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone) { set(zone); }
    ~ScopedTimeZone() { set(m_old ? m_old->constData() : nullptr); }
    Q_DISABLE_COPY_MOVE(ScopedTimeZone)

private:
    static void set(const char *zone)
    {
        if (zone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }
    const std::optional<QByteArray> m_old = qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
};
