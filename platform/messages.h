#pragma once

#include <QList>
#include <QString>

class QWidget;

// The program's one kind of message: a modal box with one OK button and a fixed text.
class MessageService
{
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~MessageService() = default;
    // Shows `text` and returns when the user has pressed OK.
    virtual void show(const QString &text, const QString &title, Icon icon = Icon::None) = 0;
};

// The title a message box gets when its caller names none.
QString applicationTitle();

// QMessageBox, modal over `parent`.
class QtMessageService : public MessageService
{
public:
    explicit QtMessageService(QWidget *parent = nullptr) : m_parent(parent) {}
    void show(const QString &text, const QString &title, Icon icon = Icon::None) override;

private:
    QWidget *m_parent;
};

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
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
};
