#include "dialogs/frmrule.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/testsources.h"

#include <QAccessible>
#include <QApplication>
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
    frmRule dialog{messages, sources().holidays};

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
