#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The program's one kind of message: a modal box with one OK button and a fixed text.
class MessageService
{
public:
    enum class Icon { None, Information, Warning, Critical };

    MessageService() = default;
    virtual ~MessageService() = default;
    Q_DISABLE_COPY_MOVE(MessageService)

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
    // Boxes are centred on and kept above `parent`; set once the window exists.
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(const QString &text, const QString &title, Icon icon = Icon::None) override;

private:
    QWidget *m_parent;
};
