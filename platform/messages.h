#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

// The program's messages: a modal box with one OK button and a fixed text, and a question
// with buttons of its own.
class MessageService
{
public:
    enum class Icon { None, Information, Warning, Critical };

    MessageService() = default;
    virtual ~MessageService() = default;
    Q_DISABLE_COPY_MOVE(MessageService)

    // Shows `text` and returns when the user has pressed OK.
    virtual void show(const QString &text, const QString &title, Icon icon = Icon::None) = 0;

    // Asks `text` with one button per caption of `buttons` (at least one) and returns the
    // index of the button pressed. The last button is the one that changes nothing
    // ("Cancel"): Escape and closing the box answer with it, and so does a service with no
    // one to ask (the command line), at once.
    virtual int ask(const QString &text, const QString &title, const QStringList &buttons);
};

// The title a message box gets when its caller names none.
QString applicationTitle();

// QMessageBox, modal over `parent`.
class QtMessageService : public MessageService
{
public:
    explicit QtMessageService(QWidget *parent = nullptr) : m_parent(parent) {}
    // Boxes are centred on and kept above `parent`; set once the window exists.
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(const QString &text, const QString &title, Icon icon = Icon::None) override;
    int ask(const QString &text, const QString &title, const QStringList &buttons) override;

private:
    QWidget *m_parent;
};
