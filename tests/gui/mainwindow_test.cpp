#include "tests/gui/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
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
    EXPECT_EQ(child<QComboBox>("cboFirstMonth")->currentText(), "January");
    EXPECT_FALSE(child<QCheckBox>("chkMoonPhases")->isChecked());
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

TEST_F(MainWindow, EditsReachTheCalendar)
{
    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "2031");
    QTest::mouseClick(child<QCheckBox>("chkFullPicture"), Qt::LeftButton);
    const QString saved = savedAs(QStringLiteral("edits.txt"));
    EXPECT_TRUE(saved.contains(QLatin1String("YER 2031\r\n"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QLatin1String("TOP 1\r\n"))) << saved.toStdString();
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

// Each font button says the face it gives its text as its tool tip.
QString faceOf(frmLunaria &window, const char *button)
{
    return window.findChild<QPushButton *>(QLatin1String(button))->toolTip().remove(QStringLiteral("Now: "));
}

TEST_F(MainWindow, AChosenFontChangesItsRoleOnly)
{
    fonts.answer = QStringLiteral("Liberation Serif");
    click("cmdHdrFont");
    EXPECT_EQ(fonts.lastCurrent, "Arial");
    const std::pair<const char *, const char *> faces[] = {{"cmdHdrFont", "Liberation Serif"}, {"cmdYrFont", "Arial"},
                                                           {"cmdAdrFont", "Times"},           {"cmdMsgFont", "Arial"},
                                                           {"cmdCalendarFont", "Arial"}};
    for (const auto &[button, face] : faces)
        EXPECT_EQ(faceOf(*window, button), face) << button;
    EXPECT_TRUE(savedAs(QStringLiteral("fonts.txt")).contains(QLatin1String("Liberation Serif")));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(MainWindow, CancelAndFacesNamedCancelLeaveTheFont)
{
    fonts.answer = std::nullopt;
    click("cmdCalendarFont");
    EXPECT_EQ(faceOf(*window, "cmdCalendarFont"), "Arial");
    fonts.answer = QStringLiteral("Cancel Sans");
    click("cmdCalendarFont");
    EXPECT_EQ(faceOf(*window, "cmdCalendarFont"), "Arial");
    fonts.answer = QStringLiteral("cancel sans"); // the check is case-sensitive
    click("cmdCalendarFont");
    EXPECT_EQ(faceOf(*window, "cmdCalendarFont"), "cancel sans");
    EXPECT_EQ(fonts.shown, 3);
}

// A command that fails says which and why, and the window shows the calendar as it was.
TEST_F(MainWindow, AFailingCommandKeepsTheCalendarAndNamesTheReason)
{
    QTest::keyClicks(child<QLineEdit>("txtHeader"), "Before");
    controlFileAnswer = dir.filePath(QStringLiteral("calendar.TXT"));
    child<QAction>("mnuSaveControlFileAs")->trigger();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QLatin1String("Save Control File could not be completed:\n")))
        << messages.texts().first().toStdString();
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("calendar.TXT")));
    EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), "Before");
    EXPECT_EQ(window->windowTitle(), "Untitled* - Print Yearly Calenader");
    EXPECT_FALSE(QFile::exists(controlFileAnswer));
    // The window goes on working.
    window->findChild<QAction *>("mnuHelp")->trigger();
    EXPECT_EQ(messages.texts().size(), 2);
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

// A message box closing inside a command activates the window again; the file the finder
// handed over is read once all the same.
TEST_F(MainWindow, AnActivationDuringACommandHandsNothingOver)
{
    int activations = 0;
    messages.whileShown = [&] {
        ++activations;
        activate();
    };
    // Seven notes: the seventh is reported while the file is being read.
    openControlFile(QStringLiteral("notes.txt"), "HDR Notes\nNOT 1\nNOT 2\nNOT 3\nNOT 4\nNOT 5\nNOT 6\nNOT 7\nLST 2 Bins\n");
    EXPECT_EQ(activations, 1);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QLatin1String("Only 6 notes allowed.")));
    EXPECT_EQ(child<QListWidget>("lstMarkedDays")->count(), 1);
    EXPECT_EQ(window->windowTitle(), "notes.txt - Print Yearly Calenader");
    activate(); // afterwards activations hand nothing over again
    EXPECT_EQ(child<QListWidget>("lstMarkedDays")->count(), 1);
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST_F(MainWindow, ALongYearTextIsKeptWhole)
{
    const QString year = QStringLiteral("2027 - the year of the great family reunion at the lake");
    openControlFile(QStringLiteral("reunion.txt"), "YER " + year.toUtf8() + "\n");
    EXPECT_EQ(child<QLineEdit>("txtYear")->text(), year);
    EXPECT_TRUE(savedAs(QStringLiteral("again.txt")).contains("YER " + year + "\r\n"));
}

} // namespace
