#include "platform/messages.h"

QString applicationTitle()
{
    return QStringLiteral("Lunaria");
}

int MessageService::ask(const QString &, const QString &, const QStringList &buttons)
{
    Q_ASSERT(!buttons.isEmpty());
    return int(buttons.size()) - 1;
}
