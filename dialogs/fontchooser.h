#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

// The font dialog: lets the user pick a typeface and yields its family name.
class FontChooser
{
public:
    FontChooser() = default;
    virtual ~FontChooser() = default;
    Q_DISABLE_COPY_MOVE(FontChooser)

    // Shows the dialog modal over `parent`, starting at the face `current` at `points`, the
    // size the page sets the text in. Returns the chosen family name, or nothing when the
    // user cancelled or the dialog could not be shown.
    virtual std::optional<QString> chooseFont(QWidget *parent, const QString &current, double points,
                                              const QString &title) = 0;
};

// A typeface chooser: the system's font families (the fonts a printer can use on this
// platform) and a sample at the page's size; no size, weight or style, which the page sets.
class QtFontChooser : public FontChooser
{
public:
    std::optional<QString> chooseFont(QWidget *parent, const QString &current, double points, const QString &title) override;
};

// A family name as the page names it: without the foundry Qt adds where two foundries make a
// family of one name ("URW Gothic [UKWN]" is "URW Gothic").
QString familyWithoutFoundry(const QString &family);
