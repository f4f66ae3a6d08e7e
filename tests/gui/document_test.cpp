#include "dialogs/frmfindfiles.h"
#include "dialogs/frmrule.h"
#include "devices/pdfdevice.h"
#include "page/markcolour.h"
#include "page/composepage.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/testsources.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QMenu>
#include <QPushButton>

#include <string_view>
#include <tuple>
#include <variant>

using namespace std::chrono;

namespace {

const QString Caption = QStringLiteral("Print Yearly Calenader");

class Document : public WindowTest
{
protected:
    QString title() const { return window->windowTitle(); }
    QString fileText(const QString &name) { return QString::fromUtf8(readTestFile(dir.filePath(name))); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    // Keys, or text typed, go where the keyboard's focus is, as a user's would.
    void keys(std::initializer_list<std::variant<QKeyCombination, QString>> steps)
    {
        for (const auto &step : steps) {
            QWidget *focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            if (const auto *key = std::get_if<QKeyCombination>(&step))
                QTest::keyClick(focused, key->key(), key->keyboardModifiers());
            else
                QTest::keyClicks(focused, std::get<QString>(step));
        }
    }
    // Offscreen there is no window manager to hand the focus back when a dialog goes.
    void returnToWindow()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() != nullptr; }, 2000));
    }
    frmRule *openRuleDialog()
    {
        frmRule *dialog = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            dialog = window->findChild<frmRule *>();
            return dialog && dialog->isVisible();
        }, 2000));
        return dialog;
    }
};

TEST_F(Document, TheTitleNamesTheFileAndMarksUnsavedChanges)
{
    EXPECT_EQ(title(), Caption);
    QLineEdit *header = child<QLineEdit>("txtHeader");
    QTest::keyClicks(header, "Club");
    EXPECT_EQ(title(), "Untitled* - " + Caption);
    header->clear(); // typed back to what it was
    EXPECT_EQ(title(), Caption);
    QTest::keyClicks(child<QLineEdit>("txtCopies"), "2"); // copies are not part of the calendar
    EXPECT_EQ(title(), Caption);

    QTest::keyClicks(header, "Club");
    controlFileAnswer = dir.filePath(QStringLiteral("club.txt"));
    trigger("mnuSaveControlFile"); // the first save asks for a name
    EXPECT_EQ(controlFileSuggestions, QStringList{dir.filePath(QStringLiteral("calendar.txt"))});
    EXPECT_EQ(title(), "club.txt - " + Caption);
    EXPECT_TRUE(fileText(QStringLiteral("club.txt")).contains(QLatin1String("HDR Club\r\n")));
    EXPECT_TRUE(window->statusBar()->currentMessage().contains(dir.filePath(QStringLiteral("club.txt"))));
    EXPECT_TRUE(window->statusBar()->currentMessage().endsWith(dir.filePath(QStringLiteral("club_dl.txt"))));

    QTest::keyClicks(header, "s");
    EXPECT_EQ(title(), "club.txt* - " + Caption);
    trigger("mnuSaveControlFile"); // later saves go to the same file without asking
    EXPECT_EQ(controlFileSuggestions.size(), 1);
    EXPECT_EQ(title(), "club.txt - " + Caption);
    EXPECT_TRUE(fileText(QStringLiteral("club.txt")).contains(QLatin1String("HDR Clubs\r\n")));
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();
}

TEST_F(Document, AnUnchangedCalendarClosesWithoutAsking)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.questions().isEmpty());
}

// Setting a modified calendar aside (Done, closing the window, New Calendar) asks first.
struct Answer
{
    const char *name;
    const char *button;  // pressed in the question
    bool fileChosen;     // the save dialog gives saved.txt; else it is cancelled
    bool saved;          // the calendar is in saved.txt afterwards
    bool goesOn;         // the window closes, or the calendar is replaced
};

const Answer Answers[] = {
    {"save", "Save", true, true, true},
    {"save_dialog_cancelled", "Save", false, false, false},
    {"dont_save", "Don't Save", true, false, true},
    {"cancel", "Cancel", true, false, false},
};

class UnsavedChanges : public Document, public ::testing::WithParamInterface<std::tuple<std::string_view, Answer>> {};

TEST_P(UnsavedChanges, AreOfferedForSaving)
{
    const auto &[how, row] = GetParam();
    QTest::keyClicks(child<QLineEdit>("txtHeader"), "Changed");
    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    controlFileAnswer = row.fileChosen ? saved : QString();
    messages.answers << QLatin1String(row.button);
    if (how == "done")
        click("cmdExit");
    else if (how == "close")
        EXPECT_EQ(window->close(), row.goesOn);
    else
        trigger("mnuNewCalendar");

    ASSERT_EQ(messages.questions().size(), 1);
    EXPECT_EQ(messages.questions().first().text, "Save changes to Untitled?");
    EXPECT_EQ(messages.questions().first().buttons, (QStringList{"Save", "Don't Save", "Cancel"}));
    EXPECT_EQ(QFile::exists(saved), row.saved);
    if (how == "new") {
        EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), row.goesOn ? "" : "Changed");
        EXPECT_EQ(window->windowTitle(), row.goesOn ? Caption : "Untitled* - " + Caption);
    } else {
        EXPECT_EQ(window->isVisible(), !row.goesOn);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, UnsavedChanges,
                         ::testing::Combine(::testing::Values("done", "close", "new"), ::testing::ValuesIn(Answers)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

TEST_F(Document, ARuleMadeWithTheKeyboardIsSavedAndReadBack)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    controlFileAnswer = dir.filePath(QStringLiteral("family.txt"));

    keys({Qt::ALT | Qt::Key_A}); // "Add Rule..."
    frmRule *dialog = openRuleDialog();
    ASSERT_NE(dialog, nullptr);
    // The dialog opens with the kind in the keyboard's focus.
    auto *kind = dialog->findChild<QComboBox *>(QStringLiteral("cboKind"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == kind; }, 2000))
        << QApplication::focusWidget()->objectName().toStdString();
    // Down from "Single dates" to "Date range"; the Tab after the first date passes its calendar button.
    keys({Qt::Key_Down, Qt::Key_Tab, "7/12/2027", Qt::Key_Tab, Qt::Key_Tab, "2027-07-23", Qt::Key_Tab, Qt::Key_Tab,
          "Holidays away", Qt::Key_Return});
    auto *rules = child<QListWidget>("lstMarkedDays");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rules->count() == 1; }, 2000));
    EXPECT_EQ(title(), "Untitled* - " + Caption);
    returnToWindow();

    keys({Qt::CTRL | Qt::Key_S});
    EXPECT_EQ(title(), "family.txt - " + Caption);
    keys({Qt::CTRL | Qt::Key_N});
    EXPECT_EQ(rules->count(), 0);
    EXPECT_EQ(title(), Caption);

    keys({Qt::CTRL | Qt::Key_O});
    auto *finder = window->findChild<frmFindFiles *>();
    ASSERT_NE(finder, nullptr);
    ASSERT_TRUE(finder->isVisible());
    finder->changeFolder(dir.path());
    finder->activateWindow();
    auto *files = finder->findChild<QListWidget *>(QStringLiteral("filFilename"));
    files->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == files; }, 2000));
    keys({"family", Qt::Key_Return});
    QTest::qWait(20); // the hand-over is queued
    returnToWindow();

    ASSERT_EQ(rules->count(), 1);
    EXPECT_EQ(rules->item(0)->text(), "Holidays away: 12 Jul 2027 - 23 Jul 2027");
    // It marks its days in the first colour.
    EXPECT_EQ(rules->item(0)->icon().pixmap(14, 14).toImage().pixel(7, 7), markColour(loadDefaults(QDate(2026, 12, 8)), 0));
    EXPECT_TRUE(fileText(QStringLiteral("family.txt")).contains(QLatin1String("RNG 2027-07-12 2027-07-23 Holidays away\r\n")));
    EXPECT_EQ(title(), "family.txt - " + Caption);
    EXPECT_TRUE(messages.questions().isEmpty());
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();
}

TEST_F(Document, ADayClickedInThePreviewGetsARuleOrItsOwnRule)
{
    window->resize(1300, 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previewImage().isNull(); }, 5000));
    const QDate march5(2027, 3, 5);
    const QPoint point = previewPointOf(*preview(), loadDefaults(QDate(2026, 12, 8)), march5);
    ASSERT_FALSE(point.isNull());
    EXPECT_EQ(preview()->toolTip(), "Click a day to mark it");

    QTest::mouseClick(preview(), Qt::LeftButton, {}, point);
    frmRule *dialog = openRuleDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QComboBox *>(QStringLiteral("cboKind"))->currentText(), "Single dates");
    auto *dates = dialog->findChild<QLineEdit *>(QStringLiteral("txtDates"));
    EXPECT_EQ(dates->text(), "2027-03-05");
    EXPECT_TRUE(messages.questions().isEmpty());
    // Made a birthday of every year.
    dates->setText(QStringLiteral("--03-05"));
    dialog->findChild<QLineEdit *>(QStringLiteral("txtLabel"))->setText(QStringLiteral("Ann's birthday"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(child<QListWidget>("lstMarkedDays")->count(), 1);

    messages.answers << QStringLiteral("Edit");
    QTest::mouseClick(preview(), Qt::LeftButton, {}, point);
    ASSERT_EQ(messages.questions().size(), 1);
    EXPECT_EQ(messages.questions().first().text, "Edit the rule that marks 5 March?");
    EXPECT_EQ(messages.questions().first().buttons, (QStringList{"Edit", "Add New", "Cancel"}));
    dialog = openRuleDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("txtLabel"))->text(), "Ann's birthday");
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("txtDates"))->text(), "--03-05");
}

} // namespace

namespace {

// The calendar pop-ups of the rule dialog open at the field's date, else at 1 January of the
// calendar's year (not at today's month moved into it).
TEST_F(Document, TheDatePopUpOpensAtTheFieldsDateOrTheStartOfTheYear)
{
    window->findChild<QPushButton *>(QStringLiteral("cmdAddRule"))->click();
    frmRule *dialog = openRuleDialog();
    ASSERT_NE(dialog, nullptr);
    QLineEdit *from = dialog->findChild<QLineEdit *>(QStringLiteral("txtFrom"));
    ASSERT_NE(from, nullptr);
    QToolButton *pick = dialog->findChild<QToolButton *>(QStringLiteral("txtFromPick"));
    ASSERT_NE(pick, nullptr);
    QCalendarWidget *calendar = pick->menu()->findChild<QCalendarWidget *>();
    ASSERT_NE(calendar, nullptr);
    for (const auto &[typed, shown] : {std::pair{"", QDate(2027, 1, 1)}, std::pair{"2027-07-12", QDate(2027, 7, 12)},
                                       std::pair{"8 Mar 2027", QDate(2027, 3, 8)}}) {
        SCOPED_TRACE(typed);
        from->setText(QLatin1String(typed));
        QMetaObject::invokeMethod(pick->menu(), "aboutToShow");
        EXPECT_EQ(calendar->selectedDate(), shown);
    }
    dialog->reject();
}

} // namespace

namespace {

// The picture across the top leaves the header block off the page; the window says so while
// the fields still hold their texts.
TEST_F(Document, PictureOnlyAtTopSaysWhatIsLeftOff)
{
    QCheckBox *top = window->findChild<QCheckBox *>(QStringLiteral("chkFullPicture"));
    QLabel *hint = window->findChild<QLabel *>(QStringLiteral("lblTopOnly"));
    ASSERT_NE(top, nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isVisible());
    top->setFocus();
    QTest::keyClick(top, Qt::Key_Space);
    EXPECT_TRUE(top->isChecked());
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "the header, notes and message are left off the page");
    QTest::keyClick(top, Qt::Key_Space);
    EXPECT_FALSE(hint->isVisible());
}

} // namespace

namespace {

// Opening a second control file: unsaved changes are offered for saving first, then the file
// opens as a calendar of its own, or its rules join these as a new, unsaved calendar that no
// Save writes over either file.
TEST_F(Document, ASecondControlFileOpensOnItsOwnOrJoinsAsANewCalendar)
{
    const QString family = writeFile(QStringLiteral("family.txt"), "YER 2027\nHDR The Smiths\nDTM 2 3 Club\n");
    const QString many = writeFile(QStringLiteral("many.txt"), "YER 2027\nHDR Many\nLST 6 Payday\nLST 2 Bins\n");
    // "Select Control File", the file clicked in the finder, "Select".
    const auto open = [&](const QString &path, const QStringList &answers) {
        messages.answers = answers;
        click("cmdReadControls");
        pick(dir.path(), QFileInfo(path).fileName());
    };
    auto *rules = child<QListWidget>("lstMarkedDays");

    open(family, {});
    ASSERT_EQ(rules->count(), 1);
    EXPECT_EQ(window->windowTitle(), "family.txt - Print Yearly Calenader");

    // A change of its own, then the other file: "Save changes?" first, then "Open as New".
    window->findChild<QLineEdit *>(QStringLiteral("txtHeader"))->setText(QStringLiteral("Changed"));
    open(many, {QStringLiteral("Don't Save"), QStringLiteral("Open as New Calendar")});
    ASSERT_GE(messages.questions().size(), 2);
    EXPECT_TRUE(messages.questions()[0].text.startsWith(QLatin1String("Save changes to family.txt?")));
    EXPECT_TRUE(messages.questions()[1].text.startsWith(QLatin1String("Open many.txt as a new calendar")));
    EXPECT_EQ(rules->count(), 2);
    EXPECT_EQ(child<QLineEdit>("txtHeader")->text(), "Many");
    EXPECT_EQ(window->windowTitle(), "many.txt - Print Yearly Calenader");

    // "Add Its Rules": both files' rules in a calendar of no file, with unsaved changes.
    open(family, {QStringLiteral("Add Its Rules")});
    EXPECT_EQ(rules->count(), 3);
    EXPECT_EQ(window->windowTitle(), "Untitled* - Print Yearly Calenader");
    // Save asks for a name of its own rather than writing over either file.
    controlFileAnswer.clear();
    child<QAction>("mnuSaveControlFile")->trigger();
    EXPECT_EQ(controlFileSuggestions, QStringList{dir.filePath(QStringLiteral("calendar.txt"))});

    // Cancel keeps the calendar as it is.
    open(many, {QStringLiteral("Don't Save"), QStringLiteral("Cancel")});
    EXPECT_EQ(rules->count(), 3);
}

} // namespace

namespace {

// The finder opens centred on the window and lists only control files for a control file.
TEST_F(Document, TheFinderOpensOnTheWindowListingWhatTheCommandTakes)
{
    for (const char *name : {"club.txt", "club_dl.txt", "club.pdf"})
        writeFile(QLatin1String(name), {});
    window->findChild<QPushButton *>(QStringLiteral("cmdReadControls"))->click();
    auto *finder = this->finder();
    ASSERT_TRUE(finder && finder->isVisible());
    const QPoint offset = finder->frameGeometry().center() - window->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << "," << offset.y();
    finder->changeFolder(dir.path());
    QStringList listed;
    auto *files = finder->findChild<QListWidget *>(QStringLiteral("filFilename"));
    for (int i = 0; i < files->count(); ++i)
        listed << files->item(i)->text();
    EXPECT_EQ(listed, QStringList{"club.txt"});
    finder->close();
}

} // namespace
