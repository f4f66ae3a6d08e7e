#include "dialogs/frmrule.h"

#include "control/ruleedit.h"
#include "control/rulelines.h"
#include "layout/holidays.h"
#include "layout/markrules.h"
#include "platform/messages.h"

#include <QCalendarWidget>
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
#include <QSpinBox>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>

namespace {

// The kinds in the order of the "Kind" list.
struct KindChoice
{
    RuleKind kind;
    const char *caption;
};
constexpr KindChoice KindChoices[] = {
    {RuleKind::NthWeekday, "Nth weekday of every month"},
    {RuleKind::LastWeekday, "Last weekday of every month"},
    {RuleKind::EveryNWeeks, "Every N weeks from a date"},
    {RuleKind::Dates, "Single dates"},
    {RuleKind::Range, "Date range"},
    {RuleKind::Holidays, "Public holidays"},
    {RuleKind::ICalendar, "iCalendar file"},
};

// The fields each kind needs besides the label, by caption.
QStringList captionsOfKind(RuleKind kind)
{
    switch (kind) {
    case RuleKind::NthWeekday: return {QStringLiteral("Ordinal"), QStringLiteral("Weekday")};
    case RuleKind::LastWeekday: return {QStringLiteral("Weekday")};
    case RuleKind::EveryNWeeks: return {QStringLiteral("Start date"), QStringLiteral("Weeks")};
    case RuleKind::Dates: return {QStringLiteral("Dates")};
    case RuleKind::Range: return {QStringLiteral("From"), QStringLiteral("To")};
    case RuleKind::Holidays: return {QStringLiteral("Region")};
    case RuleKind::ICalendar: return {QStringLiteral("File")};
    }
    return {};
}

// "Start date" with its mnemonic: the letters chosen so that no two visible fields, OK or
// Cancel share one.
QString withMnemonic(const QString &caption)
{
    static const QHash<QString, QString> marked = {
        {QStringLiteral("Kind"), QStringLiteral("&Kind")},         {QStringLiteral("Ordinal"), QStringLiteral("O&rdinal")},
        {QStringLiteral("Weekday"), QStringLiteral("&Weekday")},   {QStringLiteral("Start date"), QStringLiteral("&Start date")},
        {QStringLiteral("Weeks"), QStringLiteral("W&eeks")},       {QStringLiteral("Dates"), QStringLiteral("&Dates")},
        {QStringLiteral("From"), QStringLiteral("&From")},         {QStringLiteral("To"), QStringLiteral("&To")},
        {QStringLiteral("Region"), QStringLiteral("Re&gion")},     {QStringLiteral("File"), QStringLiteral("F&ile")},
        {QStringLiteral("Label"), QStringLiteral("&Label")},
    };
    return marked.value(caption, caption);
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

frmRule::frmRule(MessageService &messages, QWidget *parent) : QDialog(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("frmRule"));
    setWindowTitle(QStringLiteral("Marked Day Rule"));
    m_chooseFile = [this](const QString &current) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Choose an iCalendar file"), current,
                                            QStringLiteral("iCalendar files (*.ics);;All files (*)"));
    };
    buildControls();
    cboKind_Change();
}

void frmRule::buildControls()
{
    m_form = new QFormLayout(this);
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    cboKind = makeCombo(this, "cboKind", QStringLiteral("Kind"));
    for (const KindChoice &choice : KindChoices)
        cboKind->addItem(QLatin1String(choice.caption), int(choice.kind));
    addRow("lblKind", QStringLiteral("Kind"), cboKind, cboKind);

    cboOrdinal = makeCombo(this, "cboOrdinal", QStringLiteral("Ordinal"));
    cboOrdinal->addItems({QStringLiteral("1st"), QStringLiteral("2nd"), QStringLiteral("3rd"), QStringLiteral("4th")});
    addRow("lblOrdinal", QStringLiteral("Ordinal"), cboOrdinal, cboOrdinal);

    cboWeekday = makeCombo(this, "cboWeekday", QStringLiteral("Weekday"));
    for (int weekday = 1; weekday <= 7; ++weekday)
        cboWeekday->addItem(weekdayName(weekday));
    addRow("lblWeekday", QStringLiteral("Weekday"), cboWeekday, cboWeekday);

    const QString datePlaceholder = QStringLiteral("2027-03-05");
    txtStartDate = makeEdit(this, "txtStartDate", QStringLiteral("Start date"), datePlaceholder);
    addRow("lblStartDate", QStringLiteral("Start date"), dateField(txtStartDate, QStringLiteral("Start date"), false), txtStartDate);

    spnWeeks = new QSpinBox(this);
    spnWeeks->setObjectName(QStringLiteral("spnWeeks"));
    spnWeeks->setAccessibleName(QStringLiteral("Weeks"));
    spnWeeks->setRange(1, 32767);
    addRow("lblWeeks", QStringLiteral("Weeks"), spnWeeks, spnWeeks);

    txtDates = makeEdit(this, "txtDates", QStringLiteral("Dates"), QStringLiteral("2027-03-05, --07-14 (every year)"));
    addRow("lblDates", QStringLiteral("Dates"), dateField(txtDates, QStringLiteral("Dates"), true), txtDates);

    txtFrom = makeEdit(this, "txtFrom", QStringLiteral("From"), datePlaceholder);
    addRow("lblFrom", QStringLiteral("From"), dateField(txtFrom, QStringLiteral("From"), false), txtFrom);
    txtTo = makeEdit(this, "txtTo", QStringLiteral("To"), datePlaceholder);
    addRow("lblTo", QStringLiteral("To"), dateField(txtTo, QStringLiteral("To"), false), txtTo);

    // Typing any part of a name or code narrows the list: "bav" finds "Bavaria (DE-BY)".
    cboRegion = makeCombo(this, "cboRegion", QStringLiteral("Region"));
    cboRegion->setEditable(true);
    cboRegion->setInsertPolicy(QComboBox::NoInsert);
    for (const auto &[code, name] : sharedHolidayCatalog().regions())
        cboRegion->addItem(regionChoiceText(code, name), code);
    cboRegion->setCurrentIndex(-1);
    cboRegion->completer()->setFilterMode(Qt::MatchContains);
    cboRegion->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    cboRegion->completer()->setCompletionMode(QCompleter::PopupCompletion);
    addRow("lblRegion", QStringLiteral("Region"), cboRegion, cboRegion);

    txtFile = makeEdit(this, "txtFile", QStringLiteral("File"), QStringLiteral("school-terms.ics"));
    cmdBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAccessibleName(QStringLiteral("Browse for the iCalendar file"));
    cmdBrowse->setAutoDefault(false);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile);
    fileRow->addWidget(cmdBrowse);
    addRow("lblFile", QStringLiteral("File"), fileRow, txtFile);

    txtLabel = makeEdit(this, "txtLabel", QStringLiteral("Label"), QStringLiteral("Club meeting"));
    addRow("lblLabel", QStringLiteral("Label"), txtLabel, txtLabel);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    m_form->addRow(buttons);

    connect(cboKind, &QComboBox::currentIndexChanged, this, &frmRule::cboKind_Change);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmRule::cmdBrowse_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmRule::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmRule::reject);
}

void frmRule::addRow(const char *labelName, const QString &caption, QWidget *field, QWidget *buddy)
{
    m_form->addRow(rowLabel(labelName, caption, buddy), field);
}

void frmRule::addRow(const char *labelName, const QString &caption, QLayout *field, QWidget *buddy)
{
    m_form->addRow(rowLabel(labelName, caption, buddy), field);
}

QLabel *frmRule::rowLabel(const char *labelName, const QString &caption, QWidget *buddy)
{
    // The label is the field's sibling, which is where screen readers look for it.
    auto *label = new QLabel(withMnemonic(caption), this);
    label->setObjectName(QLatin1String(labelName));
    label->setBuddy(buddy);
    m_fieldWidgets.insert(caption, buddy);
    m_rows.insert(caption, m_form->rowCount());
    return label;
}

QLayout *frmRule::dateField(QLineEdit *edit, const QString &caption, bool appends)
{
    auto *pick = new QToolButton(this);
    pick->setObjectName(edit->objectName() + QStringLiteral("Pick"));
    pick->setText(QStringLiteral("..."));
    pick->setAccessibleName(QStringLiteral("Pick the %1 from a calendar").arg(caption.toLower()));
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
        const std::optional<RuleDate> typed = parseRuleDate(edit->text().section(QLatin1Char(','), -1).trimmed());
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
    adjustSize();
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
    const RuleFields fields = fieldsOfRule(rule);
    cboKind->setCurrentIndex(cboKind->findData(int(fields.kind)));
    cboOrdinal->setCurrentIndex(std::clamp(fields.ordinal, 1, 4) - 1);
    cboWeekday->setCurrentIndex(std::clamp(fields.weekday, 1, 7) - 1);
    txtStartDate->setText(fields.startDate);
    spnWeeks->setValue(fields.weeks);
    txtDates->setText(fields.dates);
    txtFrom->setText(fields.from);
    txtTo->setText(fields.to);
    cboRegion->setCurrentIndex(cboRegion->findData(rule.kind == RuleKind::Holidays ? rule.source : QString()));
    txtFile->setText(fields.file);
    txtLabel->setText(fields.label);
    m_rule = rule;
}

void frmRule::accept()
{
    const std::variant<MarkRule, FieldError> result = ruleFromFields(fields());
    if (const FieldError *error = std::get_if<FieldError>(&result)) {
        m_messages.show(error->message, windowTitle(), MessageService::Icon::Warning);
        if (QWidget *field = m_fieldWidgets.value(error->field))
            field->setFocus();
        return;
    }
    m_rule = std::get<MarkRule>(result);
    QDialog::accept();
}
