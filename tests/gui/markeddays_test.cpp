#include "dialogs/frmrule.h"
#include "page/markcolour.h"
#include "tests/gui/windowfixture.h"

#include <QFile>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QApplication>
#include <QListWidget>


namespace {

// The colour of `category` on a page of `palette`, worked out apart from the window.
QRgb categoryColour(int category, Palette palette = Palette::Classic)
{
    CalendarState page = loadDefaults(QDate(2026, 12, 8));
    page.page.palette = palette;
    return markColour(page, category);
}

class MarkedDays : public WindowTest
{
protected:
    QListWidget *list() { return child<QListWidget>("lstMarkedDays"); }
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    bool greyed(int row)
    {
        return list()->item(row)->foreground().color() == list()->palette().color(QPalette::Disabled, QPalette::Text);
    }
    QRgb swatchColour(int row) { return list()->item(row)->icon().pixmap(14, 14).toImage().pixel(7, 7); }
    bool enabled(const char *button) { return child<QPushButton>(button)->isEnabled(); }
};

// A reunion in 2030, then five monthly rules: in 2027 the reunion marks nothing and the five
// take the five colours; in 2030 the reunion takes the first and the fifth monthly rule none.
TEST_F(MarkedDays, ShowEachRuleWithItsColourOrWhyItMarksNothingAndFollowTheYear)
{
    openControlFile(QStringLiteral("six.txt"), "YER 2027\nDAY 2030-08-03 Reunion\nDTM 1 2 Rule 2\nDTM 1 3 Rule 3\n"
                                               "DTM 1 4 Rule 4\nDTM 1 5 Rule 5\nDTM 1 6 Rule 6\n",
                    {});
    messages.clear(); // the file's report of the reunion

    ASSERT_EQ(list()->accessibleName(), "Marked Days");
    ASSERT_EQ(list()->count(), 6);
    EXPECT_EQ(rows()[0], "Reunion: 3 Aug 2030 (no day in 2027)");
    EXPECT_EQ(rows()[1], "Rule 2: 1st Monday of every month");
    EXPECT_TRUE(greyed(0));
    EXPECT_EQ(list()->item(0)->toolTip(), "Marks nothing: no day in 2027");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(swatchColour(row), categoryColour(row - 1)) << row;

    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "2030");
    EXPECT_EQ(rows()[0], "Reunion: 3 Aug 2030");
    EXPECT_FALSE(greyed(0));
    EXPECT_EQ(swatchColour(0), categoryColour(0));
    EXPECT_EQ(rows()[5], "Rule 6: 1st Friday of every month (only five colours fit the legend)");
    EXPECT_TRUE(greyed(5));

    // The chosen rule's reason is said in full under the list, and only while there is one.
    QLabel *problem = child<QLabel>("lblRuleProblem");
    list()->setCurrentRow(5);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(), "Marks nothing: only five colours fit the legend");
    list()->setCurrentRow(1);
    EXPECT_FALSE(problem->isVisible());
}

TEST_F(MarkedDays, ButtonsActOnTheChosenRuleWhereTheyCan)
{
    openControlFile(QStringLiteral("three.txt"), "LST 1 First\nLST 1 Second\nLST 1 Third\n");
    EXPECT_TRUE(enabled("cmdAddRule"));
    EXPECT_FALSE(enabled("cmdEditRule"));
    EXPECT_FALSE(enabled("cmdRemoveRule"));

    list()->setCurrentRow(0);
    EXPECT_FALSE(enabled("cmdMoveUp"));
    EXPECT_TRUE(enabled("cmdMoveDown"));
    click("cmdMoveDown");
    EXPECT_TRUE(rows()[1].startsWith(QLatin1String("First:")));
    EXPECT_EQ(swatchColour(1), categoryColour(1)); // the order decides the colours
    EXPECT_EQ(list()->currentRow(), 1);

    list()->setCurrentRow(2);
    EXPECT_FALSE(enabled("cmdMoveDown"));
    click("cmdRemoveRule");
    EXPECT_EQ(swatchColour(0), categoryColour(0));
    EXPECT_EQ(swatchColour(1), categoryColour(1));
    EXPECT_EQ(rows(), (QStringList{"Second: Last Sunday of every month", "First: Last Sunday of every month"}));
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(window->windowTitle(), "three.txt* - Print Yearly Calenader");
}

// Remove, Move Up and Move Down pressed from the keyboard leave the focus on the list, on the
// rule they moved (or the one after the removed one), even where the button disables itself.
TEST_F(MarkedDays, TheFocusStaysOnTheListAfterEachListButton)
{
    const struct
    {
        const char *button;
        int from;
        int to;  // the row chosen afterwards
    } rows[] = {{"cmdMoveUp", 1, 0}, {"cmdMoveDown", 1, 2}, {"cmdRemoveRule", 2, 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.button);
        openControlFile(QStringLiteral("three.txt"), "LST 1 First\nLST 1 Second\nLST 1 Third\n",
                        {QStringLiteral("Don't Save"), QStringLiteral("Open as New Calendar")});
        ASSERT_EQ(list()->count(), 3);
        list()->setCurrentRow(row.from);
        QPushButton *button = child<QPushButton>(row.button);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), list());
        EXPECT_EQ(list()->currentRow(), row.to);
    }
}

// The colour squares of the list are the page's colours, whichever set the Page group chose.
TEST_F(MarkedDays, TheColourSquaresFollowThePalette)
{
    openControlFile(QStringLiteral("five.txt"), "LST 1 A\nLST 2 B\nLST 3 C\nLST 4 D\nLST 5 E\n");
    // The classic fourth colour, as it has always been.
    EXPECT_EQ(swatchColour(3), qRgb(165, 42, 42));
    QComboBox *colours = child<QComboBox>("cboColours");
    for (int choice = 0; choice < colours->count(); ++choice) {
        SCOPED_TRACE(choice);
        colours->setCurrentIndex(choice);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(swatchColour(row), categoryColour(row, Palette(colours->itemData(choice).toInt()))) << row;
    }
}

// A calendar that marks some of its days says beside its row why not all, and in full below.
TEST_F(MarkedDays, ARuleThatMarksLessThanItShouldSaysWhy)
{
    writeFile(QStringLiteral("school.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n"
                                            "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:Term\r\nEND:VEVENT\r\n"
                                            "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:20270230\r\nSUMMARY:Never\r\nEND:VEVENT\r\n"
                                            "END:VCALENDAR\r\n");
    openControlFile(QStringLiteral("school.txt"), "ICS school.ics School\n");
    messages.clear(); // the file's report of the event it left out
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(swatchColour(0), categoryColour(0));
    EXPECT_FALSE(greyed(0));
    EXPECT_TRUE(rows()[0].contains(QLatin1String("line 11: the DTSTART 2027-02-30"))) << rows()[0].toStdString();
    list()->setCurrentRow(0);
    QLabel *problem = child<QLabel>("lblRuleProblem");
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().startsWith(QLatin1String("Marks less than it should:\n"))) << problem->text().toStdString();
    EXPECT_TRUE(problem->text().contains(QLatin1String("2027-02-30"))) << problem->text().toStdString();
}

TEST_F(MarkedDays, ImportICalendarAddsARuleForTheChosenFileAndExportWritesTheMarkedDays)
{
    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt"); // no calendar
    child<QAction>("mnuImportICalendar")->trigger();
    EXPECT_EQ(list()->count(), 0);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("club.txt"))) << messages.texts().first().toStdString();

    // A calendar file opens the rule dialog with its own name as the label, to keep or change.
    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/ics/export-2024.ics");
    child<QAction>("mnuImportICalendar")->trigger();
    frmRule *dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = window->findChild<frmRule *>()) && dialog->isVisible(); }, 2000));
    QLineEdit *label = dialog->findChild<QLineEdit *>(QStringLiteral("txtLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Lunaria 2024");  // its X-WR-CALNAME
    label->setText(QStringLiteral("Board"));
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(list()->count(), 1);
    EXPECT_TRUE(rows()[0].startsWith(QLatin1String("Board: "))) << rows()[0].toStdString();
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(savedAs(QStringLiteral("board.txt")).contains(QStringLiteral("ICS %1 Board\r\n").arg(iCalendarAnswer)));
    iCalendarAnswer.clear(); // cancelled
    child<QAction>("mnuImportICalendar")->trigger();
    EXPECT_EQ(list()->count(), 1);

    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "2024");
    exportAnswer = dir.filePath(QStringLiteral("marked.ics"));
    child<QAction>("mnuExportMarkedDays")->trigger();
    EXPECT_TRUE(readTestFile(exportAnswer).startsWith("BEGIN:VCALENDAR\r\n"));
}

} // namespace
