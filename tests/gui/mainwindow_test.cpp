#include "platform/usererror.h"
#include "tests/gui/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QApplication>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, CaptionsAndLabelsAsWritten)
{
    EXPECT_EQ(window->windowTitle(), "Print Yearly Calenader");
    const std::pair<const char *, const char *> buttons[] = {
        {"cmdYrFont", "Year Font"},       {"cmdHdrFont", "Header Font"},           {"cmdAdrFont", "Address Font"},
        {"cmdMsgFont", "Messaage Font"},  {"cmdCalendarFont", "Calendar Font"},    {"cmdPickPic", "Select Picture"},
        {"cmdReadControls", "Select Control File"}, {"cmdSelPrinter", "Select Printer"}, {"cmdPrint", "Print Calendar(s)"},
        {"cmdExit", "Done"},
    };
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(name)->text(), caption);
    const std::pair<const char *, const char *> labels[] = {
        {"lblYear", "Year (yyyy)"}, {"lblHeader", "Header"}, {"lblAddress", "Notes"}, {"lblMessage", "Mesasage"}, {"lblCopies", "Copies"},
    };
    for (const auto &[name, caption] : labels)
        EXPECT_EQ(child<QLabel>(name)->text(), caption);
    EXPECT_EQ(child<QCheckBox>("chkFullPicture")->text(), "Picture Only At Top");
}

TEST_F(MainWindow, ShowsTheDefaults)
{
    EXPECT_EQ(child<QLineEdit>("txtYear")->text(), "2027");
    EXPECT_EQ(child<QLineEdit>("txtCopies")->text(), "1");
    EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), "");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("txtMessage_%1").arg(i))->text(), " ");
    EXPECT_EQ(child<QLineEdit>("txtMessage_5")->text(), "");
    EXPECT_EQ(window->state().MarkColors[3][0], 165);
    EXPECT_EQ(window->state().MarkColors[3][1], 42);
    EXPECT_EQ(window->state().MarkColors[3][2], 42);
}

TEST_F(MainWindow, EveryControlHasAnAccessibleNameFromItsCaptionOrLabel)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!(qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w) || qobject_cast<QCheckBox *>(w)))
            continue;
        if (!w->isVisibleTo(window.get()))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr);
        EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_EQ(child<QLabel>("lblYear")->buddy(), child<QLineEdit>("txtYear"));
    EXPECT_EQ(child<QLabel>("lblMessage")->buddy(), child<QLineEdit>("txtMessage_5"));
}

TEST_F(MainWindow, TabOrderRunsDownTheFormThenAlongTheButtons)
{
    QWidget *w = child<QLineEdit>("txtYear");
    QStringList order;
    for (int i = 0; i < 20; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window.get()))
            w = w->nextInFocusChain();
    }
    EXPECT_EQ(order.mid(0, 3), (QStringList{"txtYear", "txtCopies", "txtHeader"}));
    EXPECT_LT(order.indexOf("txtMessage_5"), order.indexOf("cmdYrFont"));
    EXPECT_LT(order.indexOf("cmdPrint"), order.indexOf("cmdExit"));
}

TEST_F(MainWindow, EditsReachTheState)
{
    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "2031");
    EXPECT_EQ(window->state().txtYear, "2031");
    QTest::mouseClick(child<QCheckBox>("chkFullPicture"), Qt::LeftButton);
    EXPECT_TRUE(window->state().chkFullPicture);
}

TEST_F(MainWindow, HelpShowsTheHelpTextTitledCalendarHelp)
{
    QAction *help = window->findChild<QAction *>("mnuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), "&Help");
    help->trigger();
    ASSERT_EQ(messages.messages().size(), 1);
    const auto &m = messages.messages().first();
    EXPECT_EQ(m.title, " Calendar Help");
    EXPECT_EQ(m.icon, MessageService::Icon::Information);
    // The window as it is: the rules, the page settings, saving, import and export.
    for (const char *part : {"Add Rule...", "Page:", "Select a Picture", "Print Calendar(s)", "Import iCalendar...",
                             "Export Marked Days...", "control file"})
        EXPECT_TRUE(m.text.contains(QLatin1String(part))) << part;
}

// The window names a device from the start (the PDF file at least): the typeface chooser
// opens without a printer being chosen first.
TEST_F(MainWindow, FontButtonsOpenTheTypefaceChooserAtOnce)
{
    for (const char *button : {"cmdYrFont", "cmdHdrFont", "cmdAdrFont", "cmdMsgFont", "cmdCalendarFont"})
        click(button);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(fonts.shown, 5);
}

TEST_F(MainWindow, AChosenFontChangesItsRoleOnly)
{
    window->state().binSelPrt = true;
    fonts.answer = QStringLiteral("Liberation Serif");
    click("cmdHdrFont");
    EXPECT_EQ(fonts.lastCurrent, "Arial");
    const CalendarState &s = window->state();
    EXPECT_EQ(s.strHeaderFont, "Liberation Serif");
    EXPECT_EQ(s.strYearFont, "Arial");
    EXPECT_EQ(s.strAddressFont, "Times");
    EXPECT_EQ(s.strMessageFont, "Arial");
    EXPECT_EQ(s.strCalendarFont, "Arial");
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(MainWindow, CancelAndFacesNamedCancelLeaveTheFont)
{
    window->state().binSelPrt = true;
    fonts.answer = std::nullopt;
    click("cmdCalendarFont");
    EXPECT_EQ(window->state().strCalendarFont, "Arial");
    fonts.answer = QStringLiteral("Cancel Sans");
    click("cmdCalendarFont");
    EXPECT_EQ(window->state().strCalendarFont, "Arial");
    fonts.answer = QStringLiteral("cancel sans"); // the check is case-sensitive
    click("cmdCalendarFont");
    EXPECT_EQ(window->state().strCalendarFont, "cancel sans");
    EXPECT_EQ(fonts.shown, 3);
}

TEST_F(MainWindow, AFailingCommandRestoresTheStateAndNamesTheReason)
{
    window->state().txtHeader = QStringLiteral("Before");
    window->refreshWidgets();
    const bool ok = window->runCommand(QStringLiteral("Print Calendar(s)"), [&] {
        window->state().txtHeader = QStringLiteral("Half way");
        window->state().binSelPrt = true;
        window->state().setDayMark(3, 5, 2);
        throw UserError(QStringLiteral("Overflow"));
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(window->state().txtHeader, "Before");
    EXPECT_FALSE(window->state().binSelPrt);
    EXPECT_EQ(window->state().dayMark(3, 5), NoMark);
    EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), "Before");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains("Print Calendar(s)"));
    EXPECT_TRUE(messages.texts().first().contains("Overflow"));
    // The window goes on working.
    window->findChild<QAction *>("mnuHelp")->trigger();
    EXPECT_EQ(messages.texts().size(), 2);
}

TEST_F(MainWindow, AProgramFaultIsReportedAsAnInternalErrorNotInItsOwnWords)
{
    window->state().txtHeader = QStringLiteral("Before");
    const bool ok = window->runCommand(QStringLiteral("Select Picture"), [&] {
        window->state().txtHeader = QStringLiteral("Half way");
        (void)std::vector<int>().at(3);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(window->state().txtHeader, "Before");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), "Internal error in Select Picture; your settings are unchanged.");
}

TEST_F(MainWindow, ASucceedingCommandKeepsItsChangesAndShowsThem)
{
    const bool ok = window->runCommand(QStringLiteral("Test"), [&] { window->state().txtHeader = QStringLiteral("After"); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), "After");
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(MainWindow, DoneEndsTheProgram)
{
    // Run the real event loop; "Done" must end it (a stuck loop is ended by the guard with 99).
    QTimer::singleShot(0, window.get(), [this] { click("cmdExit"); });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
}

} // namespace

namespace {

TEST_F(MainWindow, AnActivationDuringACommandHandsNothingOver)
{
    // A message box closing inside a command activates the window again.
    window->runCommand(QStringLiteral("Select Control File"), [this] {
        window->state().strSelectedFile = QStringLiteral("/pictures/house.bmp");
        window->Form_Activate();
        EXPECT_EQ(window->state().strSelectedFile, "/pictures/house.bmp");
    });
    EXPECT_EQ(window->state().strSelectedFile, "/pictures/house.bmp");
    window->Form_Activate(); // afterwards activations work again
    EXPECT_EQ(window->state().strSelectedFile, "");
}

TEST_F(MainWindow, ALongYearTextIsKeptWhole)
{
    const QString year = QStringLiteral("2027 - the year of the great family reunion at the lake");
    window->state().txtYear = year;
    window->refreshWidgets();
    EXPECT_EQ(child<QLineEdit>("txtYear")->text(), year);
    EXPECT_EQ(window->state().txtYear, year);
}

} // namespace
