#include "platform/messages.h"

#include <QMessageBox>

QString applicationTitle()
{
    return QStringLiteral("Lunaria");
}

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
