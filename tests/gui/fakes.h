#pragma once

#include "dialogs/fontchooser.h"

#include <QStringList>

// A font dialog that answers with a preset face, or as if cancelled, and counts its uses.
class FakeFontChooser : public FontChooser
{
public:
    std::optional<QString> answer;
    int shown = 0;
    QString lastCurrent;
    double lastPoints = 0;

    std::optional<QString> chooseFont(QWidget *, const QString &current, double points, const QString &) override
    {
        ++shown;
        lastCurrent = current;
        lastPoints = points;
        return answer;
    }
};
