#include "app/markeddaysgroup.h"

#include "app/formwidgets.h"

#include "calendar/dayrules.h"
#include "page/markcolour.h"
#include "calendar/rulewords.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int SwatchSide = 14; // pixels, the height of a line of the list's text

// The swatch of each category, its colour with a thin dark edge, and last an empty square
// that keeps the texts of rows without a colour aligned.
std::array<QIcon, MarkCategories + 1> swatches(const CalendarState &state)
{
    std::array<QIcon, MarkCategories + 1> icons;
    for (int category = 0; category <= MarkCategories; ++category) {
        QPixmap pixmap(SwatchSide, SwatchSide);
        pixmap.fill(Qt::transparent);
        if (category < MarkCategories) {
            QPainter painter(&pixmap);
            painter.fillRect(pixmap.rect(), QColor::fromRgb(markColour(state, category)));
            painter.setPen(Qt::darkGray);
            painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
        }
        icons[size_t(category)] = QIcon(pixmap);
    }
    return icons;
}

// The months the page shows as the list names them: "2027", or "2027/2028" for a page that
// starts later than January; a year that cannot be used as its number, 0.
QString shownYears(const CalendarState &state)
{
    if (const std::optional<CalendarSpan> span = calendarSpan(state))
        return spanTitle(*span);
    return QString::number(yearFromText(state.txtYear).value_or(0));
}

// Why a rule marks no day, as its row says it: "only five colours fit the legend", "no day in
// 2027", or the rule's problem. Empty for a rule that marks days.
QString unmarkedReason(const RuleResult &result, const CalendarState &state)
{
    switch (result.status) {
    case RuleResult::Status::Marked: return {};
    case RuleResult::Status::NoColourLeft: return MarkedDaysGroup::tr("only five colours fit the legend");
    case RuleResult::Status::NoDayThisYear: {
        const QString none = MarkedDaysGroup::tr("no day in %1").arg(shownYears(state));
        return result.problem.isEmpty() ? none : QStringLiteral("%1: %2").arg(none, result.problem);
    }
    case RuleResult::Status::Failed: return result.problem;
    }
    return {};
}

} // namespace

MarkedDaysGroup::MarkedDaysGroup(QWidget *parent) : QGroupBox(tr("&Marked Days"), parent)
{
    setObjectName(QStringLiteral("grpMarkedDays"));
    lstMarkedDays = new QListWidget(this);
    lstMarkedDays->setObjectName(QStringLiteral("lstMarkedDays"));
    lstMarkedDays->setAccessibleName(tr("Marked Days"));
    lstMarkedDays->setIconSize(QSize(SwatchSide, SwatchSide));
    // Wide enough for a rule in words and a short reason; a longer one shows in full below.
    lstMarkedDays->setMinimumWidth(360);
    lblRuleProblem = new QLabel(this);
    lblRuleProblem->setObjectName(QStringLiteral("lblRuleProblem"));
    lblRuleProblem->setWordWrap(true);
    lblRuleProblem->setTextFormat(Qt::PlainText);
    lblRuleProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRuleProblem->hide();
    cmdAddRule = makeButton(this, "cmdAddRule", tr("&Add Rule..."));
    cmdEditRule = makeButton(this, "cmdEditRule", tr("&Edit Rule..."));
    cmdRemoveRule = makeButton(this, "cmdRemoveRule", tr("&Remove Rule"));
    cmdMoveUp = makeButton(this, "cmdMoveUp", tr("Move &Up"));
    cmdMoveDown = makeButton(this, "cmdMoveDown", tr("Move Do&wn"));

    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAddRule, 0, 0);
    buttons->addWidget(cmdEditRule, 0, 1);
    buttons->addWidget(cmdRemoveRule, 0, 2);
    buttons->addWidget(cmdMoveUp, 1, 0);
    buttons->addWidget(cmdMoveDown, 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstMarkedDays);
    layout->addWidget(lblRuleProblem);
    layout->addLayout(buttons);

    connect(lstMarkedDays, &QListWidget::currentRowChanged, this, &MarkedDaysGroup::updateButtons);
    connect(lstMarkedDays, &QListWidget::itemActivated, this, [this] { Q_EMIT editRequested(currentRule()); });
    connect(cmdAddRule, &QPushButton::clicked, this, &MarkedDaysGroup::addRequested);
    connect(cmdEditRule, &QPushButton::clicked, this, [this] { Q_EMIT editRequested(currentRule()); });
    // After a removal or a move the focus stays on the list, on the rule: the button may have
    // disabled itself, and Qt would hand the focus to whatever control comes next.
    connect(cmdRemoveRule, &QPushButton::clicked, this, [this] {
        Q_EMIT removeRequested(currentRule());
        lstMarkedDays->setFocus(Qt::OtherFocusReason);
    });
    connect(cmdMoveUp, &QPushButton::clicked, this, [this] {
        Q_EMIT moveRequested(currentRule(), currentRule() - 1);
        lstMarkedDays->setFocus(Qt::OtherFocusReason);
    });
    connect(cmdMoveDown, &QPushButton::clicked, this, [this] {
        Q_EMIT moveRequested(currentRule(), currentRule() + 1);
        lstMarkedDays->setFocus(Qt::OtherFocusReason);
    });
    updateButtons();
}

void MarkedDaysGroup::showRules(const CalendarState &state, const HolidayCatalog &holidays)
{
    const int chosen = currentRule();
    const QColor greyed = palette().color(QPalette::Disabled, QPalette::Text);
    const std::array<QIcon, MarkCategories + 1> icons = swatches(state);
    lstMarkedDays->clear();
    for (size_t i = 0; i < state.rules.size(); ++i) {
        const MarkRule &rule = state.rules[i];
        const RuleResult result = i < state.ruleResults.size() ? state.ruleResults[i] : RuleResult{};
        const QString words = describeRule(rule, holidays);
        QString text = rule.label.isEmpty() ? words : QStringLiteral("%1: %2").arg(rule.label, words);
        const QString reason = unmarkedReason(result, state);
        const bool marked = result.status == RuleResult::Status::Marked;
        auto *item = new QListWidgetItem(icons[size_t(marked ? result.category : MarkCategories)], QString(), lstMarkedDays);
        QString tip = reason.isEmpty() ? text : tr("Marks nothing: %1").arg(reason);
        if (!reason.isEmpty()) {
            text += QStringLiteral(" (%1)").arg(reason);
            item->setForeground(greyed);
        } else if (!result.warnings.isEmpty()) {
            // It marks days, but not all it should: the first reason shows, all of them on hover.
            // The rest are listed under the list; a long file's list ends with a count of its own.
            text += result.warnings.size() == 1 ? QStringLiteral(" (%1)").arg(result.warnings.front())
                                                : tr(" (%1, and more)").arg(result.warnings.front());
            tip = tr("Marks less than it should:") + QLatin1Char('\n') + result.warnings.join(QLatin1Char('\n'));
        }
        if (!result.note.isEmpty())
            tip += QLatin1Char('\n') + result.note;
        item->setText(text);
        item->setToolTip(tip);
        // What the rule could not mark, said in full under the list while it is chosen.
        item->setData(Qt::UserRole, reason.isEmpty() && result.warnings.isEmpty() ? QString() : tip);
    }
    setCurrentRule(std::min(chosen, lstMarkedDays->count() - 1));
}

int MarkedDaysGroup::currentRule() const
{
    return lstMarkedDays->currentRow();
}

void MarkedDaysGroup::setCurrentRule(int row)
{
    lstMarkedDays->setCurrentRow(row);
    updateButtons();
}

QList<QWidget *> MarkedDaysGroup::tabOrder() const
{
    return {lstMarkedDays, cmdAddRule, cmdEditRule, cmdRemoveRule, cmdMoveUp, cmdMoveDown};
}

void MarkedDaysGroup::updateButtons()
{
    const int row = currentRule();
    const int count = lstMarkedDays->count();
    const QString problem = row >= 0 ? lstMarkedDays->item(row)->data(Qt::UserRole).toString() : QString();
    lblRuleProblem->setText(problem);
    lblRuleProblem->setAccessibleName(problem);
    lblRuleProblem->setVisible(!problem.isEmpty());
    cmdEditRule->setEnabled(row >= 0);
    cmdRemoveRule->setEnabled(row >= 0);
    cmdMoveUp->setEnabled(row > 0);
    cmdMoveDown->setEnabled(row >= 0 && row < count - 1);
}
