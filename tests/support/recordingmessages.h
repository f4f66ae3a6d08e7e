#pragma once

#include "platform/messages.h"

#include <QList>
#include <QStringList>

// Keeps every message and returns at once: for tests and for work without a window.
class RecordingMessageService : public MessageService
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };

    void show(const QString &text, const QString &title, Icon icon = Icon::None) override
    {
        m_messages.append({text, title, icon});
    }
    const QList<Message> &messages() const { return m_messages; }
    QStringList texts() const
    {
        QStringList out;
        for (const Message &m : m_messages)
            out << m.text;
        return out;
    }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
};
