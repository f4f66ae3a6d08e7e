#include "model/markrule.h"

QString RuleDate::isoText() const
{
    const QString text = QStringLiteral("%1-%2")
                             .arg(unsigned(monthDay.month()), 2, 10, QLatin1Char('0'))
                             .arg(unsigned(monthDay.day()), 2, 10, QLatin1Char('0'));
    if (!year)
        return QStringLiteral("--") + text;
    return QStringLiteral("%1-%2%3").arg(int(*year), 4, 10, QLatin1Char('0')).arg(text, yearly ? QStringLiteral("+") : QString());
}
