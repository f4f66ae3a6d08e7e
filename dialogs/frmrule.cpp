#include "dialogs/frmrule.h"

#include "control/ruleedit.h"
#include "control/rulelines.h"
#include "calendar/holidays/holidays.h"
#include "calendar/marksources.h"
#include "calendar/rulewords.h"
#include "platform/messages.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>

namespace {

// A field's key, as FieldError names it and the rows are keyed.
QString fieldKey(const char *field)
{
    return QLatin1String(field);
}

// The kinds in the order of the "Kind" list.
struct KindChoice
{
    RuleKind kind;
    const char *caption;
};
constexpr KindChoice KindChoices[] = {
    {RuleKind::NthWeekday, QT_TRANSLATE_NOOP("frmRule", "Nth weekday of every month")},
    {RuleKind::LastWeekday, QT_TRANSLATE_NOOP("frmRule", "Last weekday of every month")},
    {RuleKind::EveryNWeeks, QT_TRANSLATE_NOOP("frmRule", "Every N weeks from a date")},
    {RuleKind::ContinuingWeeks, QT_TRANSLATE_NOOP("frmRule", "Every N weeks, continued from an earlier year")},
    {RuleKind::Dates, QT_TRANSLATE_NOOP("frmRule", "Single dates")},
    {RuleKind::Range, QT_TRANSLATE_NOOP("frmRule", "Date range")},
    {RuleKind::Holidays, QT_TRANSLATE_NOOP("frmRule", "Public holidays")},
    {RuleKind::ICalendar, QT_TRANSLATE_NOOP("frmRule", "iCalendar file")},
};

// The fields each kind needs besides the label, by key: the field's English caption, which
// also names it in a FieldError.
QStringList captionsOfKind(RuleKind kind)
{
    switch (kind) {
    case RuleKind::NthWeekday: return {fieldKey(RuleField::Ordinal), fieldKey(RuleField::Weekday)};
    case RuleKind::LastWeekday: return {fieldKey(RuleField::Weekday)};
    case RuleKind::EveryNWeeks:
    case RuleKind::ContinuingWeeks: return {fieldKey(RuleField::StartDate), fieldKey(RuleField::Weeks)};
    case RuleKind::Dates: return {fieldKey(RuleField::Dates), fieldKey(RuleField::Yearly)};
    case RuleKind::Range: return {fieldKey(RuleField::From), fieldKey(RuleField::To)};
    case RuleKind::Holidays: return {fieldKey(RuleField::Region)};
    case RuleKind::ICalendar: return {fieldKey(RuleField::File)};
    }
    return {};
}

// The caption of the field `key` ("Start date") with its mnemonic, in the user's language:
// the letters chosen so that no two visible fields, OK or Cancel share one.
QString withMnemonic(const QString &key)
{
    //: The letters after "&" must differ among the dialog's fields and from those of OK and Cancel.
    static const QHash<QString, const char *> marked = {
        {fieldKey(RuleField::Kind), QT_TRANSLATE_NOOP("frmRule", "&Kind")},
        {fieldKey(RuleField::Ordinal), QT_TRANSLATE_NOOP("frmRule", "O&rdinal")},
        {fieldKey(RuleField::Weekday), QT_TRANSLATE_NOOP("frmRule", "&Weekday")},
        {fieldKey(RuleField::StartDate), QT_TRANSLATE_NOOP("frmRule", "&Start date")},
        {fieldKey(RuleField::Weeks), QT_TRANSLATE_NOOP("frmRule", "W&eeks")},
        {fieldKey(RuleField::Dates), QT_TRANSLATE_NOOP("frmRule", "&Dates")},
        {fieldKey(RuleField::Yearly), QT_TRANSLATE_NOOP("frmRule", "Every &year since its year (birthdays, anniversaries)")},
        {fieldKey(RuleField::From), QT_TRANSLATE_NOOP("frmRule", "&From")},
        {fieldKey(RuleField::To), QT_TRANSLATE_NOOP("frmRule", "&To")},
        {fieldKey(RuleField::Region), QT_TRANSLATE_NOOP("frmRule", "Re&gion")},
        {fieldKey(RuleField::File), QT_TRANSLATE_NOOP("frmRule", "F&ile")},
        {fieldKey(RuleField::Label), QT_TRANSLATE_NOOP("frmRule", "&Label")},
    };
    const char *caption = marked.value(key);
    return caption ? frmRule::tr(caption) : key;
}

// The caption of the field `key` as a screen reader says it.
QString spoken(const QString &key)
{
    return withMnemonic(key).remove(QLatin1Char('&'));
}

QComboBox *makeCombo(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessibleName);
    return combo;
}

QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &accessibleName, const QString &placeholder = {})
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    edit->setPlaceholderText(placeholder);
    return edit;
}

} // namespace

frmRule::frmRule(MessageService &messages, const MarkSources &sources, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_sources(sources), m_holidays(sources.holidays)
{
    setObjectName(QStringLiteral("frmRule"));
    setWindowTitle(tr("Marked Day Rule"));
    m_chooseFile = [this](const QString &current) {
        return QFileDialog::getOpenFileName(this, tr("Choose an iCalendar file"), current,
                                            tr("iCalendar files (*.ics);;All files (*)"));
    };
    buildControls();
    cboKind_Change();
}

void frmRule::buildControls()
{
    m_form = new QFormLayout(this);
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    cboKind = makeCombo(this, "cboKind", spoken(fieldKey(RuleField::Kind)));
    for (const KindChoice &choice : KindChoices)
        cboKind->addItem(tr(choice.caption), int(choice.kind));
    addRow("lblKind", fieldKey(RuleField::Kind), cboKind, cboKind);

    cboOrdinal = makeCombo(this, "cboOrdinal", spoken(fieldKey(RuleField::Ordinal)));
    cboOrdinal->addItems({tr("1st"), tr("2nd"), tr("3rd"), tr("4th")});
    addRow("lblOrdinal", fieldKey(RuleField::Ordinal), cboOrdinal, cboOrdinal);

    cboWeekday = makeCombo(this, "cboWeekday", spoken(fieldKey(RuleField::Weekday)));
    for (int weekday = 1; weekday <= 7; ++weekday)
        cboWeekday->addItem(weekdayName(weekday));
    addRow("lblWeekday", fieldKey(RuleField::Weekday), cboWeekday, cboWeekday);

    const QString datePlaceholder = QStringLiteral("2027-03-05");
    txtStartDate = makeEdit(this, "txtStartDate", spoken(fieldKey(RuleField::StartDate)), datePlaceholder);
    addRow("lblStartDate", fieldKey(RuleField::StartDate), dateField(txtStartDate, tr("Pick the start date from a calendar"), false),
           txtStartDate);

    spnWeeks = new QSpinBox(this);
    spnWeeks->setObjectName(QStringLiteral("spnWeeks"));
    spnWeeks->setAccessibleName(spoken(fieldKey(RuleField::Weeks)));
    spnWeeks->setRange(1, 32767);
    addRow("lblWeeks", fieldKey(RuleField::Weeks), spnWeeks, spnWeeks);

    // What the kind that stops at the end of its year would make of the start date.
    noteStartDate = new QLabel(this);
    noteStartDate->setObjectName(QStringLiteral("noteStartDate"));
    noteStartDate->setTextFormat(Qt::PlainText);
    noteStartDate->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_form->addRow(noteStartDate);
    noteStartDate->hide();

    txtDates = makeEdit(this, "txtDates", spoken(fieldKey(RuleField::Dates)), tr("2027-03-05, --07-14 (every year)"));
    addRow("lblDates", fieldKey(RuleField::Dates), dateField(txtDates, tr("Pick the dates from a calendar"), true), txtDates);
    chkYearly = new QCheckBox(withMnemonic(fieldKey(RuleField::Yearly)), this);
    chkYearly->setObjectName(QStringLiteral("chkYearly"));
    chkYearly->setAccessibleName(spoken(fieldKey(RuleField::Yearly)));
    m_fieldWidgets.insert(fieldKey(RuleField::Yearly), chkYearly);
    m_rows.insert(fieldKey(RuleField::Yearly), m_form->rowCount());
    m_form->addRow(QString(), chkYearly);

    txtFrom = makeEdit(this, "txtFrom", spoken(fieldKey(RuleField::From)), datePlaceholder);
    //: The calendar button beside the first day of a date range ("From").
    addRow("lblFrom", fieldKey(RuleField::From), dateField(txtFrom, tr("Pick the first day from a calendar"), false), txtFrom);
    txtTo = makeEdit(this, "txtTo", spoken(fieldKey(RuleField::To)), datePlaceholder);
    //: The calendar button beside the last day of a date range ("To").
    addRow("lblTo", fieldKey(RuleField::To), dateField(txtTo, tr("Pick the last day from a calendar"), false), txtTo);

    // Typing any part of a name or code narrows the list: "bav" finds "Bavaria (DE-BY)".
    cboRegion = makeCombo(this, "cboRegion", spoken(fieldKey(RuleField::Region)));
    cboRegion->setEditable(true);
    cboRegion->setInsertPolicy(QComboBox::NoInsert);
    for (const auto &[code, name] : m_holidays.regions())
        cboRegion->addItem(regionChoiceText(code, name), code);
    cboRegion->setCurrentIndex(-1);
    cboRegion->completer()->setFilterMode(Qt::MatchContains);
    cboRegion->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    cboRegion->completer()->setCompletionMode(QCompleter::PopupCompletion);
    addRow("lblRegion", fieldKey(RuleField::Region), cboRegion, cboRegion);

    txtFile = makeEdit(this, "txtFile", spoken(fieldKey(RuleField::File)), QStringLiteral("school-terms.ics"));
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAccessibleName(tr("Browse for the iCalendar file"));
    cmdBrowse->setAutoDefault(false);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile);
    fileRow->addWidget(cmdBrowse);
    addRow("lblFile", fieldKey(RuleField::File), fileRow, txtFile);

    txtLabel = makeEdit(this, "txtLabel", spoken(fieldKey(RuleField::Label)), tr("Club meeting"));
    addRow("lblLabel", fieldKey(RuleField::Label), txtLabel, txtLabel);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    m_form->addRow(buttons);

    connect(cboKind, &QComboBox::currentIndexChanged, this, &frmRule::cboKind_Change);
    connect(txtStartDate, &QLineEdit::textChanged, this, [this] { updateSeriesNote(true); });
    connect(spnWeeks, &QSpinBox::valueChanged, this, [this] { updateSeriesNote(true); });
    connect(cmdBrowse, &QPushButton::clicked, this, &frmRule::cmdBrowse_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmRule::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmRule::reject);
}

void frmRule::addRow(const char *labelName, const QString &key, QWidget *field, QWidget *buddy)
{
    m_form->addRow(rowLabel(labelName, key, buddy), field);
}

void frmRule::addRow(const char *labelName, const QString &key, QLayout *field, QWidget *buddy)
{
    m_form->addRow(rowLabel(labelName, key, buddy), field);
}

QLabel *frmRule::rowLabel(const char *labelName, const QString &key, QWidget *buddy)
{
    // The label is the field's sibling, which is where screen readers look for it.
    auto *label = new QLabel(withMnemonic(key), this);
    label->setObjectName(QLatin1String(labelName));
    label->setBuddy(buddy);
    m_fieldWidgets.insert(key, buddy);
    m_rows.insert(key, m_form->rowCount());
    return label;
}

QLayout *frmRule::dateField(QLineEdit *edit, const QString &pickName, bool appends)
{
    auto *pick = new QToolButton(this);
    pick->setObjectName(edit->objectName() + QStringLiteral("Pick"));
    pick->setText(QStringLiteral("..."));
    pick->setAccessibleName(pickName);
    pick->setToolTip(pick->accessibleName());
    pick->setFocusPolicy(Qt::StrongFocus);
    pick->setPopupMode(QToolButton::InstantPopup);

    auto *menu = new QMenu(pick);
    auto *calendar = new QCalendarWidget(menu);
    calendar->setGridVisible(true);
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(calendar);
    menu->addAction(action);
    pick->setMenu(menu);
    // The calendar opens at the field's (last) date, else at the calendar's year.
    connect(menu, &QMenu::aboutToShow, calendar, [this, edit, calendar] {
        const QString last = edit->text().section(QLatin1Char(','), -1).trimmed();
        std::optional<RuleDate> typed = parseRuleDate(last);
        if (!typed)
            typed = parseShownDate(last);
        QDate shown = m_defaultDate;
        if (typed) {
            const int yearShown = typed->year ? int(*typed->year) : m_defaultDate.year();
            shown = QDate(yearShown, int(unsigned(typed->monthDay.month())), int(unsigned(typed->monthDay.day())));
        }
        calendar->setSelectedDate(shown.isValid() ? shown : m_defaultDate);
        calendar->setFocus();
    });
    connect(calendar, &QCalendarWidget::activated, menu, [edit, menu, appends](QDate date) {
        const QString text = date.toString(Qt::ISODate);
        const QString before = edit->text().trimmed();
        edit->setText(appends && !before.isEmpty() ? before + QStringLiteral(", ") + text : text);
        menu->close();
        edit->setFocus();
    });
    connect(calendar, &QCalendarWidget::clicked, calendar, &QCalendarWidget::activated);

    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(pick);
    return row;
}

void frmRule::cboKind_Change()
{
    const QStringList shown = captionsOfKind(RuleKind(cboKind->currentData().toInt()));
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.key() != QLatin1String("Kind") && it.key() != QLatin1String("Label"))
            m_form->setRowVisible(it.value(), shown.contains(it.key()));
    }
    updateSeriesNote(false);
    adjustSize();
}

void frmRule::setPageMonths(const CalendarSpan &span)
{
    m_span = span;
    updateSeriesNote(false);
}

void frmRule::updateSeriesNote(bool offer)
{
    const RuleKind kind = RuleKind(cboKind->currentData().toInt());
    const bool series = kind == RuleKind::EveryNWeeks || kind == RuleKind::ContinuingWeeks;
    const SeriesAdvice advice = seriesAdvice(txtStartDate->text(), spnWeeks->value(), m_span, m_sources);
    // Offered once, when the date comes to need it: a user who then chooses the kind that
    // stops at the end of its year keeps it, and a saved rule is shown as it was saved.
    if (offer && !m_showingRule && advice.offerContinuing && !m_offeredContinuing && kind == RuleKind::EveryNWeeks)
        cboKind->setCurrentIndex(cboKind->findData(int(RuleKind::ContinuingWeeks)));
    m_offeredContinuing = advice.offerContinuing;
    noteStartDate->setText(advice.note);
    noteStartDate->setAccessibleName(advice.note);
    noteStartDate->setVisible(series && !advice.note.isEmpty());
}

void frmRule::cmdBrowse_Click()
{
    const QString chosen = m_chooseFile ? m_chooseFile(txtFile->text()) : QString();
    if (!chosen.isEmpty())
        txtFile->setText(chosen);
}

RuleFields frmRule::fields() const
{
    RuleFields fields;
    fields.kind = RuleKind(cboKind->currentData().toInt());
    fields.ordinal = cboOrdinal->currentIndex() + 1;
    fields.weekday = cboWeekday->currentIndex() + 1;
    fields.startDate = txtStartDate->text();
    fields.weeks = spnWeeks->value();
    fields.dates = txtDates->text();
    fields.yearly = chkYearly->isChecked();
    fields.from = txtFrom->text();
    fields.to = txtTo->text();
    // A region picked from the list is taken by its code; a typed one is read from its text.
    const int listed = cboRegion->findText(cboRegion->currentText());
    fields.region = listed >= 0 ? cboRegion->itemData(listed).toString() : cboRegion->currentText();
    fields.file = txtFile->text();
    fields.label = txtLabel->text();
    return fields;
}

void frmRule::setRule(const MarkRule &rule)
{
    const QScopedValueRollback<bool> showing(m_showingRule, true);
    const RuleFields fields = fieldsOfRule(rule, m_holidays);
    cboKind->setCurrentIndex(cboKind->findData(int(fields.kind)));
    cboOrdinal->setCurrentIndex(std::clamp(fields.ordinal, 1, 4) - 1);
    cboWeekday->setCurrentIndex(std::clamp(fields.weekday, 1, 7) - 1);
    txtStartDate->setText(fields.startDate);
    spnWeeks->setValue(fields.weeks);
    txtDates->setText(fields.dates);
    chkYearly->setChecked(fields.yearly);
    txtFrom->setText(fields.from);
    txtTo->setText(fields.to);
    cboRegion->setCurrentIndex(cboRegion->findData(rule.kind == RuleKind::Holidays ? rule.source : QString()));
    txtFile->setText(fields.file);
    txtLabel->setText(fields.label);
    m_rule = rule;
}

void frmRule::accept()
{
    const std::variant<MarkRule, FieldError> result = ruleFromFields(fields(), m_holidays);
    if (const FieldError *error = std::get_if<FieldError>(&result)) {
        m_messages.show(error->message, windowTitle(), MessageService::Icon::Warning);
        if (QWidget *field = m_fieldWidgets.value(error->field))
            field->setFocus();
        return;
    }
    m_rule = std::get<MarkRule>(result);
    QDialog::accept();
}
