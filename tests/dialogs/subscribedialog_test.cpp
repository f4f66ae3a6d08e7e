// The "Subscribe to Calendar" dialog: which fields it refuses and how it says so, and what it
// makes of the answers the window gives it (a calendar, a CalDAV server's calendars).
#include "dialogs/subscribedialog.h"

#include "tests/support/recordingmessages.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FieldCase
{
    const char *name;
    QString address;
    QString label;
    const char *field;    // the field named, empty: accepted
    const char *message;  // the message, in full
};

class SubscriptionFields : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(SubscriptionFields, AreRefusedWithTheFieldNamed)
{
    const FieldCase &c = GetParam();
    const std::optional<FieldError> error = subscriptionFieldError(c.address, c.label);
    if (QByteArray(c.field).isEmpty()) {
        EXPECT_FALSE(error) << qPrintable(error->message);
        return;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, QLatin1String(c.field));
    EXPECT_EQ(error->message, QString::fromUtf8(c.message));
}

const QString LongLabel(201, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(
    Rows, SubscriptionFields,
    ::testing::Values(
        FieldCase{"empty", QStringLiteral("  "), {}, "Address",
                  "Address: type the calendar's address (https://, webcal://, caldav+https://)."},
        FieldCase{"blank_inside", QStringLiteral("https://example.org/my school.ics"), {}, "Address",
                  "Address: an address holds no blanks; write a blank as %20."},
        FieldCase{"file_path", QStringLiteral("/home/anna/school.ics"), {}, "Address",
                  "Address: \"/home/anna/school.ics\" is not a calendar address: it begins with https://, webcal://, "
                  "http://, caldav+https:// or caldav+http://."},
        FieldCase{"ftp", QStringLiteral("ftp://example.org/a.ics"), {}, "Address",
                  "Address: \"ftp://example.org/a.ics\" is not a calendar address: it begins with https://, webcal://, "
                  "http://, caldav+https:// or caldav+http://."},
        FieldCase{"label_too_long", QStringLiteral("https://example.org/a.ics"), LongLabel, "Label",
                  "Label: the label has 201 characters; at most 200 fit the legend."},
        FieldCase{"https", QStringLiteral("https://example.org/a.ics"), {}, "", ""},
        FieldCase{"webcal_upper", QStringLiteral("WEBCAL://example.org/a.ics"), QStringLiteral("Club"), "", ""},
        FieldCase{"plain_http", QStringLiteral(" http://example.org/a.ics "), {}, "", ""},
        FieldCase{"caldav", QStringLiteral("caldav+https://dav.example.org/calendars/anna/family/"), {}, "", ""}),
    [](const ::testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

TEST(SubscribeLabel, ComesFromTheLastPartOfTheAddress)
{
    const std::pair<const char *, const char *> rows[] = {
        {"https://example.org/terms/school.ics", "school"},
        {"webcal://example.org/fixtures.ICS", "fixtures"},
        {"caldav+https://dav.example.org/calendars/anna/family/", "family"},
        {"https://example.org/", "example.org"},
    };
    for (const auto &[address, label] : rows) {
        SCOPED_TRACE(address);
        EXPECT_EQ(labelFromAddress(QString::fromUtf8(address)), QString::fromUtf8(label));
    }
}

class SubscribeDialogTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    QStringList probed;
    QStringList discovered;
    QHash<QString, SubscribeProbe> answers;  // by address; others fail
    SubscribeOffers offers;

    std::unique_ptr<SubscribeDialog> make()
    {
        auto probe = [this](const QString &address) {
            probed << address;
            return answers.value(address, SubscribeProbe{false, {}, address + QStringLiteral(": the server answered 404")});
        };
        auto discover = [this](const QString &address) {
            discovered << address;
            return offers;
        };
        auto dialog = std::make_unique<SubscribeDialog>(messages, probe, discover);
        dialog->show();
        return dialog;
    }
    static void type(SubscribeDialog &dialog, const char *field, const QString &text)
    {
        auto *edit = dialog.findChild<QLineEdit *>(QLatin1String(field));
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void ok(SubscribeDialog &dialog) { QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton); }
};

TEST_F(SubscribeDialogTest, ARefusedFieldIsNamedAndNothingIsFetched)
{
    auto dialog = make();
    type(*dialog, "txtAddress", QStringLiteral("school.ics"));
    ok(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(probed.isEmpty());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(QLatin1String("Address: \"school.ics\" is not a calendar address")));
    EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QLineEdit *>(QStringLiteral("txtAddress")));
}

TEST_F(SubscribeDialogTest, ACalendarIsAcceptedUnderItsOwnNameOrTheLabelTyped)
{
    const QString address = QStringLiteral("https://example.org/school.ics");
    answers.insert(address, SubscribeProbe{true, QStringLiteral("School terms"), {}});
    auto dialog = make();
    type(*dialog, "txtAddress", address);
    ok(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->rule().kind, RuleKind::ICalendar);
    EXPECT_EQ(dialog->rule().source, address);
    EXPECT_EQ(dialog->rule().label, "School terms");

    auto named = make();
    type(*named, "txtAddress", address);
    type(*named, "txtLabel", QStringLiteral("Kids"));
    ok(*named);
    EXPECT_EQ(named->rule().label, "Kids");
}

TEST_F(SubscribeDialogTest, AFailureIsShownAndTheDialogStays)
{
    auto dialog = make();
    type(*dialog, "txtAddress", QStringLiteral("https://example.org/gone.ics"));
    ok(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(discovered.isEmpty());  // not a CalDAV address
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0], "Address: https://example.org/gone.ics: the server answered 404");
}

TEST_F(SubscribeDialogTest, AServerThatIsNoCollectionOffersItsCalendars)
{
    const QString server = QStringLiteral("caldav+https://dav.example.org/");
    const QString family = QStringLiteral("caldav+https://dav.example.org/calendars/anna/family/");
    offers.calendars = {{QStringLiteral("caldav+https://dav.example.org/calendars/anna/work/"), QStringLiteral("Work")},
                        {family, QStringLiteral("Family")}};
    answers.insert(family, SubscribeProbe{true, QStringLiteral("Family"), {}});
    auto dialog = make();
    type(*dialog, "txtAddress", server);
    ok(*dialog);
    EXPECT_EQ(discovered, QStringList{server});
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstCalendars"));
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(messages.texts().value(0).contains(QLatin1String("Choose one of the calendars")));

    list->setCurrentRow(1);
    ok(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->rule().source, family);
    EXPECT_EQ(dialog->rule().label, "Family");
}

} // namespace
