#include "app/pagesettingsgroup.h"

#include "calendar/rulewords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QScopedValueRollback>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

QComboBox *makeCombo(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    // Sized for a typical entry, not the longest language name: the group must not widen
    // the form beside it.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(18);
    return combo;
}

QLabel *makeBuddyLabel(QWidget *parent, const char *name, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return label;
}

// Every locale Qt has data for, each under its own name for itself ("Deutsch (Österreich)"),
// sorted by that name; the data of an entry is the locale's name ("de_AT").
void addLanguages(QComboBox *combo)
{
    struct Entry
    {
        QString shown;
        QString name;
    };
    std::vector<Entry> entries;
    QSet<QString> seen;
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.language() == QLocale::C || seen.contains(locale.name()))
            continue;
        seen.insert(locale.name());
        QString language = locale.nativeLanguageName();
        if (language.isEmpty())
            language = QLocale::languageToString(locale.language());
        QString territory = locale.nativeTerritoryName();
        if (territory.isEmpty())
            territory = QLocale::territoryToString(locale.territory());
        entries.push_back({QStringLiteral("%1 (%2)").arg(language, territory), locale.name()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return QString::localeAwareCompare(a.shown, b.shown) < 0; });
    for (const Entry &entry : entries)
        combo->addItem(entry.shown, entry.name);
}

// Selects the entry whose data is `value`, adding one for a value the list lacks.
void selectData(QComboBox *combo, const QVariant &value, const QString &shownIfMissing)
{
    int index = combo->findData(value);
    if (index < 0) {
        combo->addItem(shownIfMissing, value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

} // namespace

PageSettingsGroup::PageSettingsGroup(QWidget *parent) : QGroupBox(tr("Page"), parent)
{
    setObjectName(QStringLiteral("grpPage"));

    cboLanguage = makeCombo(this, "cboLanguage");
    cboLanguage->addItem(tr("As the desktop has it"), QString());
    addLanguages(cboLanguage);
    // Hundreds of entries: let the list be searched by typing.
    cboLanguage->setMaxVisibleItems(20);
    lblLanguage = makeBuddyLabel(this, "lblLanguage", tr("&Language"), cboLanguage);

    cboWeekStart = makeCombo(this, "cboWeekStart");
    cboWeekStart->addItem(tr("As the language has it"), 0);
    for (int weekday = 1; weekday <= 7; ++weekday)
        cboWeekStart->addItem(weekdayName(weekday), weekday);
    lblWeekStart = makeBuddyLabel(this, "lblWeekStart", tr("&Week starts on"), cboWeekStart);

    chkWeekNumbers = new QCheckBox(tr("Week &numbers"), this);
    chkWeekNumbers->setObjectName(QStringLiteral("chkWeekNumbers"));
    chkWeekNumbers->setAccessibleName(tr("Week numbers"));

    cboPaper = makeCombo(this, "cboPaper");
    cboPaper->addItem(tr("As the printer has it"), int(Paper::AsPrinter));
    for (const Paper paper : {Paper::Letter, Paper::Legal, Paper::A4, Paper::A3, Paper::A5})
        cboPaper->addItem(paperKey(paper), int(paper));
    lblPaper = makeBuddyLabel(this, "lblPaper", tr("&Paper"), cboPaper);

    cboColours = makeCombo(this, "cboColours");
    cboColours->addItem(tr("Classic"), int(Palette::Classic));
    cboColours->addItem(tr("Colour-blind safe"), int(Palette::Safe));
    cboColours->addItem(tr("Patterns"), int(Palette::Patterns));
    lblColours = makeBuddyLabel(this, "lblColours", tr("&Colours"), cboColours);

    // Month names as the desktop writes them; the page's own language may differ.
    cboFirstMonth = makeCombo(this, "cboFirstMonth");
    const QLocale desktop;
    for (int month = 1; month <= 12; ++month)
        cboFirstMonth->addItem(desktop.standaloneMonthName(month, QLocale::LongFormat), month);
    //: The month the page starts with: August for a school year August to July.
    lblFirstMonth = makeBuddyLabel(this, "lblFirstMonth", tr("F&irst month"), cboFirstMonth);

    chkMoonPhases = new QCheckBox(tr("M&oon phases"), this);
    chkMoonPhases->setObjectName(QStringLiteral("chkMoonPhases"));
    chkMoonPhases->setAccessibleName(tr("Moon phases"));

    auto *form = new QFormLayout(this);
    form->addRow(lblLanguage, cboLanguage);
    form->addRow(lblWeekStart, cboWeekStart);
    form->addRow(QString(), chkWeekNumbers);
    form->addRow(lblPaper, cboPaper);
    form->addRow(lblColours, cboColours);
    form->addRow(lblFirstMonth, cboFirstMonth);
    form->addRow(QString(), chkMoonPhases);

    const QList<QWidget *> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    showSettings(m_page);
    for (QComboBox *combo : {cboLanguage, cboWeekStart, cboPaper, cboColours, cboFirstMonth})
        connect(combo, &QComboBox::currentIndexChanged, this, &PageSettingsGroup::controlChanged);
    for (QCheckBox *check : {chkWeekNumbers, chkMoonPhases})
        connect(check, &QCheckBox::toggled, this, &PageSettingsGroup::controlChanged);
}

QList<QWidget *> PageSettingsGroup::tabOrder() const
{
    return {cboLanguage, cboWeekStart, chkWeekNumbers, cboPaper, cboColours, cboFirstMonth, chkMoonPhases};
}

void PageSettingsGroup::showSettings(const PageSettings &page)
{
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    m_page = page;
    // A file may name a language more loosely than the list does ("ru" for "ru_RU").
    const bool listed = cboLanguage->findData(page.language) >= 0;
    const QString entry = listed || page.language.isEmpty() ? page.language : QLocale(page.language).name();
    selectData(cboLanguage, cboLanguage->findData(entry) >= 0 ? entry : page.language, page.language);
    selectData(cboWeekStart, page.weekStart, QString::number(page.weekStart));
    chkWeekNumbers->setChecked(page.weekNumbers);
    selectData(cboPaper, int(page.paper), paperKey(page.paper));
    selectData(cboColours, int(page.palette), paletteKey(page.palette));
    selectData(cboFirstMonth, page.firstMonth, QString::number(page.firstMonth));
    chkMoonPhases->setChecked(page.moonPhases);
}

void PageSettingsGroup::controlChanged()
{
    if (m_refreshing)
        return;
    PageSettings page = m_page;
    page.language = cboLanguage->currentData().toString();
    page.weekStart = cboWeekStart->currentData().toInt();
    page.weekNumbers = chkWeekNumbers->isChecked();
    page.paper = Paper(cboPaper->currentData().toInt());
    page.palette = Palette(cboColours->currentData().toInt());
    page.firstMonth = cboFirstMonth->currentData().toInt();
    page.moonPhases = chkMoonPhases->isChecked();
    m_page = page;
    Q_EMIT pageChanged(page);
}
