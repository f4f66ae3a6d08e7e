#include "dialogs/frmrule.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/testsources.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

class RuleDialog : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    frmRule dialog{messages, sources()};

    void SetUp() override
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    template <typename T> T *child(const char *name)
    {
        T *w = dialog.findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void chooseKind(const QString &kind)
    {
        auto *combo = child<QComboBox>("cboKind");
        combo->setCurrentIndex(combo->findText(kind));
    }
    // The captions of the fields on show, in the dialog's order.
    QStringList shownFields()
    {
        QStringList shown;
        for (const char *label : {"lblKind", "lblOrdinal", "lblWeekday", "lblStartDate", "lblWeeks", "lblDates", "lblFrom",
                                  "lblTo", "lblRegion", "lblFile", "lblLabel"})
            if (child<QLabel>(label)->isVisibleTo(&dialog))
                shown << child<QLabel>(label)->text().remove(QLatin1Char('&'));
        return shown;
    }
};

TEST_F(RuleDialog, OffersTheKindsAndShowsOnlyTheFieldsOfEach)
{
    EXPECT_EQ(dialog.windowTitle(), "Marked Day Rule");
    auto *kinds = child<QComboBox>("cboKind");
    QStringList items;
    for (int i = 0; i < kinds->count(); ++i)
        items << kinds->itemText(i);
    EXPECT_EQ(items, (QStringList{"Nth weekday of every month", "Last weekday of every month", "Every N weeks from a date",
                                  "Every N weeks, continued from an earlier year", "Single dates", "Date range", "Public holidays", "iCalendar file"}));
    const std::pair<const char *, QStringList> rows[] = {
        {"Nth weekday of every month", {"Kind", "Ordinal", "Weekday", "Label"}},
        {"Last weekday of every month", {"Kind", "Weekday", "Label"}},
        {"Every N weeks from a date", {"Kind", "Start date", "Weeks", "Label"}},
        {"Every N weeks, continued from an earlier year", {"Kind", "Start date", "Weeks", "Label"}},
        {"Single dates", {"Kind", "Dates", "Label"}},
        {"Date range", {"Kind", "From", "To", "Label"}},
        {"Public holidays", {"Kind", "Region", "Label"}},
        {"iCalendar file", {"Kind", "File", "Label"}},
    };
    for (const auto &[kind, fields] : rows) {
        SCOPED_TRACE(kind);
        chooseKind(QLatin1String(kind));
        EXPECT_EQ(shownFields(), fields);
        // "Every year since" belongs to the single dates.
        EXPECT_EQ(child<QCheckBox>("chkYearly")->isVisibleTo(&dialog), fields.contains(QStringLiteral("Dates")));
    }
}

TEST_F(RuleDialog, EachLabelNamesItsFieldForTheKeyboardAndScreenReaders)
{
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(QLatin1String("lbl")))
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        ASSERT_NE(label->buddy(), nullptr);
        EXPECT_TRUE(label->text().contains(QLatin1Char('&'))); // a mnemonic reaches the field
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(label->buddy());
        ASSERT_NE(field, nullptr);
        bool labelled = false;
        for (const auto &[other, relation] : field->relations(QAccessible::Label))
            labelled = labelled || other->object() == label;
        EXPECT_TRUE(labelled);
        // A combo box's name is its current item on this desktop; the label comes through
        // the relation above. Every other field is named by its label.
        if (!qobject_cast<QComboBox *>(label->buddy())) {
            EXPECT_EQ(field->text(QAccessible::Name), label->text().remove(QLatin1Char('&')));
        }
    }
}

TEST_F(RuleDialog, OKRefusesAWrongFieldByNameAndStaysOpenUntilItIsRight)
{
    chooseKind(QStringLiteral("Date range"));
    child<QLineEdit>("txtFrom")->setText(QStringLiteral("2027-07-23"));
    child<QLineEdit>("txtTo")->setText(QStringLiteral("2027-07-12"));
    child<QLineEdit>("txtLabel")->setText(QStringLiteral("Holidays away"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QLatin1String("To: "))) << messages.texts().first().toStdString();
    EXPECT_EQ(messages.messages().first().title, "Marked Day Rule");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("txtTo"));

    child<QLineEdit>("txtTo")->setText(QStringLiteral("2027-07-30"));
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(dialog.rule().kind, RuleKind::Range);
    EXPECT_EQ(dialog.rule().from, RuleDate::full(year{2027} / July / 23));
    EXPECT_EQ(dialog.rule().to, RuleDate::full(year{2027} / July / 30));
    EXPECT_EQ(dialog.rule().label, "Holidays away");
}

TEST_F(RuleDialog, ShowsARuleAndCancelKeepsIt)
{
    MarkRule rule;
    rule.kind = RuleKind::EveryNWeeks;
    rule.from = RuleDate::full(year{2027} / January / 8);
    rule.weeks = 2;
    rule.label = QStringLiteral("Recycling");
    dialog.setRule(rule);
    EXPECT_EQ(child<QComboBox>("cboKind")->currentText(), "Every N weeks from a date");
    EXPECT_EQ(child<QLineEdit>("txtStartDate")->text(), "2027-01-08");
    child<QLineEdit>("txtLabel")->setText(QStringLiteral("Changed"));
    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.rule(), rule);
}

} // namespace

namespace {

// A birthday: one dated day, every year since, ticked from the keyboard.
TEST_F(RuleDialog, ADateOfEveryYearSinceItsOwn)
{
    chooseKind(QStringLiteral("Single dates"));
    QLineEdit *dates = child<QLineEdit>("txtDates");
    dates->setFocus();
    QTest::keyClicks(dates, "3/5/1987");
    auto *yearly = child<QCheckBox>("chkYearly");
    EXPECT_EQ(yearly->accessibleName(), "Every year since its year (birthdays, anniversaries)");
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::AltModifier);  // its mnemonic
    EXPECT_EQ(QApplication::focusWidget(), yearly);
    EXPECT_TRUE(QTest::qWaitFor([&] { return yearly->isChecked(); }, 2000)); // a mnemonic clicks as if animated
    QTest::keyClicks(child<QLineEdit>("txtLabel"), "Anna");
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    ASSERT_EQ(accepted.count(), 1) << messages.texts().join('|').toStdString();
    EXPECT_EQ(dialog.rule().dates, std::vector<RuleDate>{RuleDate::since(year{1987} / March / 5)});

    // Shown again as it was made; without the tick the dates are of their year alone.
    dialog.setRule(dialog.rule());
    EXPECT_TRUE(yearly->isChecked());
    EXPECT_EQ(dates->text(), "1987-03-05");
    QTest::mouseClick(yearly, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.rule().dates, std::vector<RuleDate>{RuleDate::full(year{1987} / March / 5)});
}

TEST_F(RuleDialog, EveryYearSinceNeedsTheYearToCountFrom)
{
    chooseKind(QStringLiteral("Single dates"));
    child<QLineEdit>("txtDates")->setText(QStringLiteral("--03-05"));
    child<QCheckBox>("chkYearly")->setChecked(true);
    child<QLineEdit>("txtLabel")->setText(QStringLiteral("Anna"));
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(),
              "Dates: \"--03-05\" has no year to count the years from: give the year it began, as in 1987-03-05.");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("txtDates"));
}

// A start date before the months the page shows: the continuing kind is offered, once, and a
// line says what the kind within its year would do.
TEST_F(RuleDialog, AStartBeforeThePageOffersTheContinuingSeries)
{
    dialog.setPageMonths(CalendarSpan::of(year{2027}));
    chooseKind(QStringLiteral("Every N weeks from a date"));
    QSpinBox *weeks = child<QSpinBox>("spnWeeks");
    weeks->setFocus();
    weeks->selectAll();
    QTest::keyClicks(weeks, "2");
    QLabel *note = child<QLabel>("noteStartDate");
    EXPECT_FALSE(note->isVisibleTo(&dialog));
    QLineEdit *start = child<QLineEdit>("txtStartDate");
    start->setFocus();
    QTest::keyClicks(start, "2026-12-25");
    EXPECT_EQ(child<QComboBox>("cboKind")->currentText(), "Every N weeks, continued from an earlier year");
    EXPECT_TRUE(note->isVisibleTo(&dialog));
    EXPECT_EQ(note->text(), "Every 2 weeks from 25 Dec 2026 would mark nothing in 2027: that kind stops at the end of its first year");

    // Chosen back, the kind within its year stays, and the line still says what it does.
    chooseKind(QStringLiteral("Every N weeks from a date"));
    QTest::keyClick(start, Qt::Key_End);
    QTest::keyClick(start, Qt::Key_Backspace);
    QTest::keyClicks(start, "4");
    EXPECT_EQ(child<QComboBox>("cboKind")->currentText(), "Every N weeks from a date");
    EXPECT_TRUE(note->text().startsWith(QLatin1String("Every 2 weeks from 24 Dec 2026 would mark nothing")));
    child<QLineEdit>("txtLabel")->setText(QStringLiteral("Bins"));
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.rule().kind, RuleKind::EveryNWeeks);

    // On the page: nothing to say, nothing offered.
    start->selectAll();
    QTest::keyClicks(start, "2027-01-08");
    EXPECT_FALSE(note->isVisibleTo(&dialog));
    EXPECT_EQ(child<QComboBox>("cboKind")->currentText(), "Every N weeks from a date");
}

// A rule as it was saved is shown as it was saved, whatever its start.
TEST_F(RuleDialog, ASavedSeriesKeepsItsKind)
{
    dialog.setPageMonths(CalendarSpan::of(year{2027}));
    MarkRule rule;
    rule.kind = RuleKind::EveryNWeeks;
    rule.from = RuleDate::full(year{2026} / December / 25);
    rule.weeks = 2;
    rule.label = QStringLiteral("Bins");
    dialog.setRule(rule);
    EXPECT_EQ(child<QComboBox>("cboKind")->currentText(), "Every N weeks from a date");
    EXPECT_TRUE(child<QLabel>("noteStartDate")->isVisibleTo(&dialog));
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.rule(), rule);
}

} // namespace
