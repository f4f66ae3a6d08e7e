#include "app/previewpane.h"
#include "tests/gui/windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The pane draws the calendar it is given and says which day a click falls on.
TEST(PreviewPane, SaysWhichDayWasClicked)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PreviewPane pane(state);
    pane.resize(600, 800);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    pane.drawNow();
    ASSERT_FALSE(pane.image().isNull());
    EXPECT_EQ(pane.toolTip(), "Click a day to mark it");
    QSignalSpy clicked(&pane, &PreviewPane::dayClicked);
    // Month lengths and the year's ends: the first and last days, a leap-free February's end.
    for (const QDate day : {QDate(2027, 1, 1), QDate(2027, 2, 28), QDate(2027, 7, 14), QDate(2027, 12, 31)}) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        const QPoint point = previewPointOf(pane, state, day);
        ASSERT_FALSE(point.isNull());
        QTest::mouseClick(&pane, Qt::LeftButton, {}, point);
        ASSERT_EQ(clicked.count(), 1);
        EXPECT_EQ(clicked.takeFirst().at(0).toDate(), day);
        QTest::mouseClick(&pane, Qt::RightButton, {}, point);  // only the left button marks
        EXPECT_EQ(clicked.count(), 0);
    }
    // Outside the months: the sheet's top-left corner.
    QTest::mouseClick(&pane, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicked.count(), 0);
}

TEST(PreviewPane, APageThatCannotBeDrawnSaysWhyAndOffersNoDay)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.txtYear = QStringLiteral("2O27");
    PreviewPane pane(state);
    pane.resize(600, 800);
    pane.show();
    pane.drawNow();
    EXPECT_TRUE(pane.image().isNull());
    EXPECT_TRUE(pane.text().startsWith(QLatin1String("The page cannot be drawn:\n"))) << pane.text().toStdString();
    EXPECT_TRUE(pane.toolTip().isEmpty());
    EXPECT_FALSE(pane.dayAt(pane.rect().center()).has_value());
    // The year put right, the page comes back after the pause for typing.
    state.txtYear = QStringLiteral("2027");
    pane.schedule();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pane.image().isNull(); }, 5000));
}

using FirstMonthInWindow = WindowTest;

// A school year: the first month and the moon phases reach the preview, the list of marked
// days and the title at once, and the control file.
TEST_F(FirstMonthInWindow, ThePageTheListAndTheTitleFollowAtOnce)
{
    window->resize(1300, 900);
    openControlFile(QStringLiteral("school.txt"), "YER 2027\nDAY 2028-03-05 Trip\n");
    messages.clear(); // the file's report of the trip in another year
    auto *rules = child<QListWidget>("lstMarkedDays");
    ASSERT_EQ(rules->count(), 1);
    EXPECT_EQ(rules->item(0)->text(), "Trip: 5 Mar 2028 (no day in 2027)");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previewImage().isNull(); }, 5000));
    const QImage january = previewImage();

    auto *months = child<QComboBox>("cboFirstMonth");
    months->setFocus();
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(months, Qt::Key_Down);
    EXPECT_EQ(months->currentText(), "August");
    EXPECT_NE(previewImage(), january);  // drawn at once, not after the pause for typing
    EXPECT_EQ(rules->item(0)->text(), "Trip: 5 Mar 2028");
    EXPECT_EQ(window->windowTitle(), "school.txt* - Print Yearly Calenader");

    const QImage august = previewImage();
    auto *moon = child<QCheckBox>("chkMoonPhases");
    moon->setFocus();
    QTest::keyClick(moon, Qt::Key_Space);
    EXPECT_TRUE(moon->isChecked());
    EXPECT_NE(previewImage(), august);

    const QString saved = savedAs(QStringLiteral("school-year.txt"));
    EXPECT_TRUE(saved.contains(QLatin1String("FRM 8\r\n"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QLatin1String("MOO 1\r\n"))) << saved.toStdString();
    // A new calendar starts in January again; the saved one comes back as it was.
    child<QAction>("mnuNewCalendar")->trigger();
    EXPECT_EQ(months->currentText(), "January");
    EXPECT_FALSE(moon->isChecked());
    click("cmdReadControls");
    pick(dir.path(), QStringLiteral("school-year.txt"));
    EXPECT_EQ(months->currentText(), "August");
    EXPECT_TRUE(moon->isChecked());
    EXPECT_EQ(rules->item(0)->text(), "Trip: 5 Mar 2028");
}

// The Page group's controls follow the form's in keyboard order, before the marked days.
TEST_F(FirstMonthInWindow, TheNewControlsAreInTheKeyboardOrder)
{
    QWidget *w = child<QPushButton>("cmdExit");
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window.get()))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"cboLanguage", "cboWeekStart", "chkWeekNumbers", "cboPaper", "cboColours", "cboFirstMonth",
                                  "chkMoonPhases", "lstMarkedDays", "cmdAddRule"}));
}

} // namespace
