#pragma once

#include "model/calendarstate.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;

// The "Page" group of the main window: language, first day of the week, week numbers, paper
// and colours of the page. It edits state.page of the calendar it is given as the user
// changes a control, and says so with changed().
class PageSettingsGroup : public QGroupBox
{
    Q_OBJECT
public:
    // Edits `state`, which must outlive the group.
    explicit PageSettingsGroup(CalendarState &state, QWidget *parent = nullptr);

    // Shows state.page again (after a control file was read) without emitting changed().
    void refresh();

Q_SIGNALS:
    // The user changed state.page.
    void changed();

private:
    void controlChanged();

    CalendarState &m_state;
    bool m_refreshing = false;
    QLabel *lblLanguage = nullptr;
    QComboBox *cboLanguage = nullptr;
    QLabel *lblWeekStart = nullptr;
    QComboBox *cboWeekStart = nullptr;
    QCheckBox *chkWeekNumbers = nullptr;
    QLabel *lblPaper = nullptr;
    QComboBox *cboPaper = nullptr;
    QLabel *lblColours = nullptr;
    QComboBox *cboColours = nullptr;
};
