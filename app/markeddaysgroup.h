#pragma once

#include "model/calendarstate.h"

#include <QGroupBox>

class HolidayCatalog;
class QLabel;
class QListWidget;
class QPushButton;

// "Marked Days": the calendar's rules, one row each in the order that decides their colours,
// with the buttons that change them. It shows a state and asks for changes through its
// signals; the window makes them.
class MarkedDaysGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit MarkedDaysGroup(QWidget *parent = nullptr);

    // One row per rule: its category's colour, its label, the rule in words, and for a rule
    // that marks nothing the reason, greyed. The chosen row stays where it can.
    void showRules(const CalendarState &state, const HolidayCatalog &holidays);
    // The chosen row, -1 for none.
    int currentRule() const;
    void setCurrentRule(int row);
    // The list and the buttons in keyboard order.
    QList<QWidget *> tabOrder() const;

Q_SIGNALS:
    void addRequested();
    void editRequested(int row);
    void removeRequested(int row);
    // Rule `row` is to swap places with rule `to`, the one above or below it.
    void moveRequested(int row, int to);

private:
    void updateButtons();

    QListWidget *lstMarkedDays = nullptr;
    QLabel *lblRuleProblem = nullptr;  // why the chosen rule marks nothing or less, in full
    QPushButton *cmdAddRule = nullptr;
    QPushButton *cmdEditRule = nullptr;
    QPushButton *cmdRemoveRule = nullptr;
    QPushButton *cmdMoveUp = nullptr;
    QPushButton *cmdMoveDown = nullptr;
};
