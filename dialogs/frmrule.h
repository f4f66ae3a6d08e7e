#pragma once

#include "calendar/calendarspan.h"
#include "model/markrule.h"

#include <QDate>
#include <QDialog>
#include <QHash>

#include <functional>

class HolidayCatalog;
class MessageService;
struct MarkSources;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct RuleFields;

// "Marked Day Rule": one marking rule in fields. The kind decides which fields show; dates
// are typed (the locale's order or ISO, with or without a year where the kind allows) or
// picked from a calendar. OK refuses fields that are no rule with a message naming the field
// and puts the cursor there; Cancel leaves everything as it was. A series of weeks that
// would mark more of the page as the continuing kind is offered as that kind, with a line
// saying why.
class frmRule : public QDialog
{
    Q_OBJECT
public:
    // How "Browse..." asks for an iCalendar file, given the path in the field; an empty
    // answer is a cancel.
    using FileChooser = std::function<QString(const QString &current)>;

    // `sources` (which must outlive the dialog) name the regions and work out what a series
    // of weeks would mark.
    frmRule(MessageService &messages, const MarkSources &sources, QWidget *parent = nullptr);

    // Shows `rule` in the fields.
    void setRule(const MarkRule &rule);
    // The month the calendar pop-ups open at while their field holds no date.
    void setDefaultDate(QDate date) { m_defaultDate = date; }
    // The months the calendar's page shows, which a series of weeks is weighed against.
    void setPageMonths(const CalendarSpan &span);
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // The rule of the fields as OK accepted them.
    const MarkRule &rule() const { return m_rule; }

    void accept() override;

private Q_SLOTS:
    void cboKind_Change();
    void cmdBrowse_Click();

private:
    // Says what the kind that stops at the end of its year would do with the start date;
    // `offer` switches "Every N weeks from a date" to the continuing kind when the start
    // date has just come to need it.
    void updateSeriesNote(bool offer);
    void buildControls();
    // A date field and the button that opens its calendar, `pickName` being what a screen
    // reader calls the button; `appends` adds the picked date to a comma-separated list
    // instead of replacing the text.
    QLayout *dateField(QLineEdit *edit, const QString &pickName, bool appends);
    // A row of the form for the field `key`, its English caption ("Start date").
    void addRow(const char *labelName, const QString &key, QWidget *field, QWidget *buddy);
    void addRow(const char *labelName, const QString &key, QLayout *field, QWidget *buddy);
    // The label of the form's next row, `buddy` being the widget it names.
    QLabel *rowLabel(const char *labelName, const QString &key, QWidget *buddy);
    RuleFields fields() const;

    MessageService &m_messages;
    const MarkSources &m_sources;
    const HolidayCatalog &m_holidays;
    CalendarSpan m_span = CalendarSpan::of(std::chrono::year{QDate::currentDate().year()});
    // The start date called for the continuing kind when last looked at.
    bool m_offeredContinuing = false;
    // setRule is filling the fields: a rule as it was saved is shown as it is.
    bool m_showingRule = false;
    FileChooser m_chooseFile;
    QDate m_defaultDate = QDate::currentDate();
    MarkRule m_rule;
    QFormLayout *m_form = nullptr;
    // The focusable widget of each field, by its key, for pointing at a wrong one; and the
    // row of the form that holds it.
    QHash<QString, QWidget *> m_fieldWidgets;
    QHash<QString, int> m_rows;

    QComboBox *cboKind = nullptr;
    QComboBox *cboOrdinal = nullptr;
    QComboBox *cboWeekday = nullptr;
    QLineEdit *txtStartDate = nullptr;
    QSpinBox *spnWeeks = nullptr;
    QLabel *noteStartDate = nullptr;
    QLineEdit *txtDates = nullptr;
    QCheckBox *chkYearly = nullptr;
    QLineEdit *txtFrom = nullptr;
    QLineEdit *txtTo = nullptr;
    QComboBox *cboRegion = nullptr;
    QLineEdit *txtFile = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QLineEdit *txtLabel = nullptr;
};
