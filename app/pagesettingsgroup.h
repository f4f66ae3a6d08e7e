#pragma once

#include "model/pagesettings.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;

// The "Page" group of the main window: language, first day of the week, week numbers, paper,
// colours, the month the page starts with and the moon phases. It shows page settings and
// says what the user made of them through pageChanged(); the window keeps them.
class PageSettingsGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit PageSettingsGroup(QWidget *parent = nullptr);

    // Shows `page` (after a control file was read, or a new calendar) without emitting
    // pageChanged().
    void showSettings(const PageSettings &page);
    // The controls in keyboard order.
    QList<QWidget *> tabOrder() const;

Q_SIGNALS:
    // The user changed a control: the settings as the group shows them now.
    void pageChanged(const PageSettings &page);

private:
    void controlChanged();

    // The settings last shown, so that what the group does not show goes back unchanged.
    PageSettings m_page;
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
    QLabel *lblFirstMonth = nullptr;
    QComboBox *cboFirstMonth = nullptr;
    QCheckBox *chkMoonPhases = nullptr;
};
