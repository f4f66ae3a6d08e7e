#include "app/calendardocument.h"
#include "platform/usererror.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

const QDate Today(2026, 12, 8);

// The failure policy of every command: a failure part-way leaves the calendar as it was
// before the command, whatever the command had changed.
TEST(CalendarDocument, AFailingCommandRestoresTheCalendarAndNamesTheReason)
{
    CalendarDocument document(Today);
    document.state().txtHeader = QStringLiteral("Before");
    const std::optional<QString> failure = document.apply(QStringLiteral("Print Calendar(s)"), [&] {
        document.state().txtHeader = QStringLiteral("Half way");
        document.state().binSelPrt = true;
        document.state().setDayMark(3, 5, 2);
        throw UserError(QStringLiteral("Overflow"));
    });
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, "Print Calendar(s) could not be completed:\nOverflow");
    EXPECT_EQ(document.state().txtHeader, "Before");
    EXPECT_FALSE(document.state().binSelPrt);
    EXPECT_EQ(document.state().dayMark(3, 5), NoMark);
}

TEST(CalendarDocument, AProgramFaultIsReportedAsAnInternalErrorNotInItsOwnWords)
{
    CalendarDocument document(Today);
    const std::optional<QString> failure = document.apply(QStringLiteral("Select Picture"), [&] {
        document.state().txtHeader = QStringLiteral("Half way");
        (void)std::vector<int>().at(3);
    });
    EXPECT_EQ(failure, QStringLiteral("Internal error in Select Picture; your settings are unchanged."));
    EXPECT_EQ(document.state().txtHeader, "");
}

TEST(CalendarDocument, ASucceedingCommandKeepsItsChanges)
{
    CalendarDocument document(Today);
    EXPECT_FALSE(document.apply(QStringLiteral("Test"), [&] { document.state().txtHeader = QStringLiteral("After"); }));
    EXPECT_EQ(document.state().txtHeader, "After");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.windowTitle(), "Untitled* - Print Yearly Calenader");
}

// A file read alone is the calendar and its file; rules added from a file make a calendar of
// neither file, modified, whose date list goes where a new calendar's goes.
TEST(CalendarDocument, OpenReplacesOrAddsTheRules)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char *name, const QByteArray &text) { return writeTestFile(dir.path(), QLatin1String(name), text); };
    const QString family = write("family.txt", "HDR Smiths\nDTM 2 3 Club\n");
    const QString many = write("many.txt", "HDR Many\nLST 6 Payday\nLST 2 Bins\n");
    RecordingMessageService messages;
    const TestSources sources;
    CalendarDocument document(Today);

    ASSERT_TRUE(document.open(family, CalendarDocument::OpenMode::Replace, messages, sources));
    EXPECT_EQ(document.state().rules.size(), 1u);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.name(), "family.txt");
    EXPECT_EQ(document.state().strListFile, dir.filePath(QStringLiteral("family_dl.txt")));

    ASSERT_TRUE(document.open(many, CalendarDocument::OpenMode::AddRules, messages, sources));
    EXPECT_EQ(document.state().rules.size(), 3u);
    EXPECT_EQ(document.state().txtHeader, "Many");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.name(), "Untitled");
    EXPECT_EQ(document.state().strListFile, loadDefaults(Today).strListFile);

    // A file refused by its name leaves the calendar as it was.
    EXPECT_FALSE(document.open(dir.filePath(QStringLiteral("house.bmp")), CalendarDocument::OpenMode::Replace, messages, sources));
    EXPECT_EQ(document.state().rules.size(), 3u);
    EXPECT_TRUE(messages.questions().isEmpty());

    document.save(dir.filePath(QStringLiteral("both.txt")));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.windowTitle(), "both.txt - Print Yearly Calenader");
    document.newCalendar();
    EXPECT_TRUE(document.state().rules.empty());
    EXPECT_EQ(document.windowTitle(), "Print Yearly Calenader");
}

} // namespace
