#include "dialogs/fontchooser.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QRegularExpression>

std::optional<QString> QtFontChooser::chooseFont(QWidget *parent, const QString &current, double points, const QString &title)
{
    // The dialog selects a family only by its real name; a name the system substitutes
    // ("Arial" for Liberation Sans) would open it at the default face instead.
    QFont start(current);
    start.setPointSizeF(points);
    start.setFamily(QFontInfo(start).family());
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parent, title);
    if (!ok)
        return std::nullopt;
    return familyWithoutFoundry(chosen.family());
}

QString familyWithoutFoundry(const QString &family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QString name = family;
    return name.remove(foundry);
}
