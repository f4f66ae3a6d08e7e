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

#include "tests/support/recordingmessages.h"

#include <functional>

// The recorder, with something to do while a message is up: a real message box closing
// activates the window under it again.
class HookedMessageService : public RecordingMessageService
{
public:
    std::function<void()> whileShown;

    void show(const QString &text, const QString &title, Icon icon = Icon::None) override
    {
        RecordingMessageService::show(text, title, icon);
        if (whileShown)
            whileShown();
    }
};
