#include "app/markeddaysgroup.h"

#include "app/formwidgets.h"

#include "layout/dayrules.h"
#include "layout/markcolour.h"
#include "layout/markrules.h"

#include <QGridLayout>
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

// Why a rule marks no day, as its row says it: "only five colours fit the legend", "no day in
// 2027", or the rule's problem. Empty for a rule that marks days.
QString unmarkedReason(const RuleResult &result, const QString &yearText)
{
    switch (result.status) {
    case RuleResult::Status::Marked: return {};
    case RuleResult::Status::NoColourLeft: return MarkedDaysGroup::tr("only five colours fit the legend");
    case RuleResult::Status::NoDayThisYear:
        return MarkedDaysGroup::tr("no day in %1").arg(yearFromText(yearText).value_or(0));
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
    lstMarkedDays->setMinimumWidth(260);
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
    layout->addLayout(buttons);

    connect(lstMarkedDays, &QListWidget::currentRowChanged, this, &MarkedDaysGroup::updateButtons);
    connect(lstMarkedDays, &QListWidget::itemActivated, this, [this] { Q_EMIT editRequested(currentRule()); });
    connect(cmdAddRule, &QPushButton::clicked, this, &MarkedDaysGroup::addRequested);
    connect(cmdEditRule, &QPushButton::clicked, this, [this] { Q_EMIT editRequested(currentRule()); });
    connect(cmdRemoveRule, &QPushButton::clicked, this, [this] { Q_EMIT removeRequested(currentRule()); });
    connect(cmdMoveUp, &QPushButton::clicked, this, [this] { Q_EMIT moveRequested(currentRule(), currentRule() - 1); });
    connect(cmdMoveDown, &QPushButton::clicked, this, [this] { Q_EMIT moveRequested(currentRule(), currentRule() + 1); });
    updateButtons();
}

void MarkedDaysGroup::showRules(const CalendarState &state)
{
    const int chosen = currentRule();
    const QColor greyed = palette().color(QPalette::Disabled, QPalette::Text);
    const std::array<QIcon, MarkCategories + 1> icons = swatches(state);
    lstMarkedDays->clear();
    for (size_t i = 0; i < state.rules.size(); ++i) {
        const MarkRule &rule = state.rules[i];
        const RuleResult result = i < state.ruleResults.size() ? state.ruleResults[i] : RuleResult{};
        const QString words = describeRule(rule);
        QString text = rule.label.isEmpty() ? words : QStringLiteral("%1: %2").arg(rule.label, words);
        const QString reason = unmarkedReason(result, state.txtYear);
        const bool marked = result.status == RuleResult::Status::Marked;
        auto *item = new QListWidgetItem(icons[size_t(marked ? result.category : MarkCategories)], QString(), lstMarkedDays);
        if (!reason.isEmpty()) {
            text += QStringLiteral(" (%1)").arg(reason);
            item->setForeground(greyed);
        }
        item->setText(text);
        item->setToolTip(reason.isEmpty() ? text : tr("Marks nothing: %1").arg(reason));
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
    cmdEditRule->setEnabled(row >= 0);
    cmdRemoveRule->setEnabled(row >= 0);
    cmdMoveUp->setEnabled(row > 0);
    cmdMoveDown->setEnabled(row >= 0 && row < count - 1);
}
