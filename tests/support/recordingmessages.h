#pragma once

#include "platform/messages.h"

#include <QList>
#include <QStringList>

// Keeps every message and question and returns at once: for tests and for work without a
// window. Questions are answered from `answers`, by caption, first in first out; with none
// left, or a caption the question does not offer, the answer is the last button (Cancel).
class RecordingMessageService : public MessageService
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };
    struct Question
    {
        QString text;
        QString title;
        QStringList buttons;
        QString answer;
    };

    QStringList answers;

    void show(const QString &text, const QString &title, Icon icon = Icon::None) override
    {
        m_messages.append({text, title, icon});
    }
    int ask(const QString &text, const QString &title, const QStringList &buttons) override
    {
        const qsizetype given = answers.isEmpty() ? -1 : buttons.indexOf(answers.takeFirst());
        const qsizetype index = given < 0 ? buttons.size() - 1 : given;
        m_questions.append({text, title, buttons, buttons.value(index)});
        return int(index);
    }
    const QList<Message> &messages() const { return m_messages; }
    const QList<Question> &questions() const { return m_questions; }
    QStringList texts() const
    {
        QStringList out;
        for (const Message &m : m_messages)
            out << m.text;
        return out;
    }
    void clear()
    {
        m_messages.clear();
        m_questions.clear();
    }

private:
    QList<Message> m_messages;
    QList<Question> m_questions;
};
