#include "platform/messages.h"

// The message boxes live apart from the rest of the messages: the command line shows none,
// and so does not load Qt's widgets for them.
#include <QMessageBox>
#include <QPushButton>

void QtMessageService::show(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.exec();
}

int QtMessageService::ask(const QString &text, const QString &title, const QStringList &buttons)
{
    Q_ASSERT(!buttons.isEmpty());
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton *> added;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        // The roles only place the buttons as the desktop expects: the first accepts, the
        // last cancels, any between acts otherwise ("Don't Save", "Add New").
        const QMessageBox::ButtonRole role = i == 0                  ? QMessageBox::AcceptRole
                                             : i == buttons.size() - 1 ? QMessageBox::RejectRole
                                                                     : QMessageBox::DestructiveRole;
        added << box.addButton(buttons[i], role);
    }
    box.setDefaultButton(qobject_cast<QPushButton *>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return int(pressed < 0 ? added.size() - 1 : pressed);
}
