#include "dialogs/fontchooser.h"

#include <QFontDialog>

std::optional<QString> QtFontChooser::chooseFont(QWidget *parent, const QString &current, const QString &title)
{
    bool ok = false;
    QFont start(current);
    start.setPointSize(24); // large enough to judge the face; the page sets the real size
    const QFont chosen = QFontDialog::getFont(&ok, start, parent, title);
    if (!ok)
        return std::nullopt;
    return chosen.family();
}
