#include "devices/outputdevices.h"
#include "devices/pagefiles.h"
#include "calendar/dayrules.h"
#include "platform/usererror.h"
#include "print/printjob.h"
#include "tests/support/testfiles.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/recordingpagesurface.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <unistd.h>

namespace {

using namespace std::chrono;

// A device whose page is a recording surface; the recorder outlives the job.
class RecordingJob : public OutputJob
{
public:
    RecordingJob(RecordingPageSurface &page, bool failAtEnd, int &deviceRules, size_t &opsBeforeRule)
        : m_page(page), m_failAtEnd(failAtEnd), m_deviceRules(deviceRules), m_opsBeforeRule(opsBeforeRule)
    {
    }
    PageSurface &page() override { return m_page; }
    bool applyDeviceRule() override
    {
        ++m_deviceRules;
        m_opsBeforeRule = m_page.ops().size();
        return wantsLongEdgeDuplex(m_page.deviceName());
    }
    void send() override
    {
        if (m_failAtEnd)
            throw UserError(QStringLiteral("The printer refused the page"));
        m_page.endDocument();
    }
    void commit() override
    {
        if (onCommit)
            onCommit();
    }

    std::function<void()> onCommit;

private:
    RecordingPageSurface &m_page;
    bool m_failAtEnd;
    int &m_deviceRules;
    size_t &m_opsBeforeRule;
};

class FakeDevices : public OutputDevices
{
public:
    enum class Mode { Works, Cancels, Vanished, FailsAtEnd };

    QStringList deviceNames() override { return {page.deviceName(), PdfDeviceName}; }
    void setCurrent(int) override {}
    QString currentName() const override { return page.deviceName(); }
    std::unique_ptr<OutputJob> openJob() override
    {
        ++opened;
        switch (mode) {
        case Mode::Cancels: return nullptr;
        case Mode::Vanished: throw UserError(QStringLiteral("The printer \"Gone\" is no longer installed"));
        case Mode::FailsAtEnd: return std::make_unique<RecordingJob>(page, true, deviceRules, opsBeforeRule);
        case Mode::Works: break;
        }
        auto job = std::make_unique<RecordingJob>(page, false, deviceRules, opsBeforeRule);
        job->onCommit = onCommit;
        return job;
    }

    RecordingPageSurface page;
    Mode mode = Mode::Works;
    int opened = 0;
    int deviceRules = 0;
    size_t opsBeforeRule = 0;
    std::function<void()> onCommit;   // called as the job's commit() begins
};

class PrintJob : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        state = loadDefaults(QDate(2026, 6, 1));
        state.txtYear = QStringLiteral("2027");
        state.txtHeader = QStringLiteral("The Smiths");
        state.txtMessage[0] = QStringLiteral("12 High Street");
        state.txtMessage[1] = QStringLiteral("Springfield");
        state.txtMessage[5] = QStringLiteral("Happy New Year");
    }
    void TearDown() override { QDir::setCurrent(m_previousFolder); }

    QString listPath() const { return m_dir.filePath(QStringLiteral("MY_dl.txt")); }
    void writePrevious() const { writeTestFile(listPath(), "previous list\r\n"); }

    CalendarState state;
    FakeDevices devices;

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
};

TEST_F(PrintJob, DateListFileForACalendarWithTwoRules)
{
    MarkNthWeekday(state, 3, 2, QStringLiteral("Club"));                                    // 2nd Tuesday
    MarkEveryNWeeks(state, year{2027} / November / 1, 4, QStringLiteral(" Bins "));        // 1 Nov, 29 Nov, 27 Dec
    ASSERT_EQ(runPrintJob(state, devices), PrintOutcome::Printed);

    QByteArray expected = "Springfield\r\n12 High Street\r\n  \r\n";
    const char *tuesdays[] = {"January 12",  "February 09", "March 09",   "April 13",  "May 11",     "June 08",
                              "July 13",     "August 10",   "September 14", "October 12", "November 09", "December 14"};
    for (int month = 1; month <= 12; ++month) {
        if (month == 11)
            expected += "November 01  Bins\r\nNovember 09  Club\r\nNovember 29  Bins\r\n";
        else if (month == 12)
            expected += "December 14  Club\r\nDecember 27  Bins\r\n";
        else
            expected += QByteArray(tuesdays[month - 1]) + "  Club\r\n";
    }
    EXPECT_EQ(readTestFile(listPath()), expected);
}

TEST_F(PrintJob, ListFileNamedByAPathGoesThere)
{
    QTemporaryDir other;
    state.strListFile = other.filePath(QStringLiteral("family_dl.txt"));
    ASSERT_EQ(runPrintJob(state, devices), PrintOutcome::Printed);
    EXPECT_TRUE(readTestFile(state.strListFile).startsWith("Springfield\r\n12 High Street\r\n  \r\n"));
    EXPECT_FALSE(QFile::exists(listPath()));
}

TEST_F(PrintJob, SideEffectsComeFirstAndStayWhenTheJobFails)
{
    state.binSelPrt = true;
    state.txtMessage[4] = QStringLiteral("Line five");
    state.textLines[5] = QStringLiteral("from the control file");
    state.txtYear = QStringLiteral("40000");
    writePrevious();
    try {
        runPrintJob(state, devices);
        FAIL() << "no failure";
    } catch (const UserError &error) {
        QString problem;
        yearFromText(state.txtYear, &problem);
        EXPECT_EQ(error.reason().compare(problem, Qt::CaseInsensitive), 0) << error.reason().toStdString();
    }
    EXPECT_FALSE(state.binSelPrt);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(state.textLines[i], state.txtMessage[i]);
    EXPECT_EQ(state.textLines[5], QStringLiteral("from the control file"));
    EXPECT_EQ(devices.opened, 0);
    EXPECT_EQ(readTestFile(listPath()), QByteArray("previous list\r\n"));
}

TEST_F(PrintJob, CopiesGoToTheDeviceOnceAndThePageIsDrawnOnce)
{
    state.txtCopies = QStringLiteral("3");
    devices.page.setDeviceName(QStringLiteral("Office"));
    ASSERT_EQ(runPrintJob(state, devices), PrintOutcome::Printed);
    const auto &ops = devices.page.ops();
    ASSERT_GE(ops.size(), 3u);
    // Copies, then the device rule, then the drawing, then one page sent.
    EXPECT_EQ(ops[0].kind, QStringLiteral("copies"));
    EXPECT_EQ(ops[0].args[0], 3);
    EXPECT_EQ(devices.deviceRules, 1);
    EXPECT_EQ(devices.opsBeforeRule, 1u);
    EXPECT_EQ(ops.back().kind, QStringLiteral("end"));
    EXPECT_EQ(devices.page.ops("copies").size(), 1u);
    EXPECT_EQ(devices.page.documentsEnded(), 1);
    const QStringList texts = devices.page.texts();
    EXPECT_EQ(texts.count(QStringLiteral("The Smiths")), 1);
    EXPECT_EQ(texts.count(QStringLiteral("2027")), 1);
}

TEST_F(PrintJob, CopiesBelowOneOrBeyondSixteenBitsAreRefused)
{
    struct Case
    {
        const char *copies;
        const char *reason;
    };
    for (const Case c : {Case{"0", "at least 1"}, Case{"-2", "at least 1"}, Case{"abc", "at least 1"},
                         Case{"70000", "The number of copies 70000 is outside 1 to 32767"}}) {
        SCOPED_TRACE(c.copies);
        state.txtCopies = QString::fromLatin1(c.copies);
        try {
            runPrintJob(state, devices);
            ADD_FAILURE() << "no failure";
        } catch (const UserError &error) {
            EXPECT_TRUE(error.reason().contains(QLatin1String(c.reason))) << error.reason().toStdString();
        }
        EXPECT_EQ(devices.opened, 0);
        EXPECT_FALSE(QFile::exists(listPath()));
    }
    state.txtCopies = QStringLiteral("2.5 copies");
    EXPECT_EQ(requestedCopies(state), 2);
}

TEST_F(PrintJob, PreviousListFileIsKeptWhenTheJobFailsPartWay)
{
    struct Case
    {
        const char *name;
        FakeDevices::Mode mode;
        bool badMark;
    };
    for (const Case c : {Case{"printer vanished", FakeDevices::Mode::Vanished, false},
                         Case{"page refused", FakeDevices::Mode::FailsAtEnd, false},
                         Case{"month block fails", FakeDevices::Mode::Works, true}}) {
        SCOPED_TRACE(c.name);
        writePrevious();
        devices.mode = c.mode;
        devices.page.clear();
        CalendarState job = state;
        MarkNthWeekday(job, 2, 1, QStringLiteral("Mondays"));
        if (c.badMark)
            job.setDayMark(6, 15, 7);
        EXPECT_THROW(runPrintJob(job, devices), UserError);
        EXPECT_EQ(readTestFile(listPath()), QByteArray("previous list\r\n"));
        EXPECT_EQ(devices.page.documentsEnded(), 0);
        EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{QStringLiteral("MY_dl.txt")});
    }
}

TEST_F(PrintJob, ThePageIsPutInPlaceLastAfterItsDateList)
{
    writePrevious();
    // A page file lands last: whoever finds the new page finds its list.
    QByteArray listAtCommit;
    devices.onCommit = [&] { listAtCommit = readTestFile(listPath()); };
    ASSERT_EQ(runPrintJob(state, devices), PrintOutcome::Printed);
    EXPECT_TRUE(listAtCommit.startsWith("Springfield\r\n")) << listAtCommit.toStdString();
}

TEST_F(PrintJob, AFullDiskKeepsTheEarlierFilesAndSaysWhichAndWhy)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Row
    {
        const char *name;
        const char *page;
        bool listOnFullDisk;   // else the page is on the full disk
    };
    for (const Row row : {Row{"date_list", "calendar.pdf", true}, Row{"pdf_page", "calendar.pdf", false},
                          Row{"png_page", "calendar.png", false}}) {
        SCOPED_TRACE(row.name);
        QTemporaryDir full;
        QTemporaryDir roomy;
        ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), full.path()}),
                  0);
        const QString list = (row.listOnFullDisk ? full : roomy).filePath(QStringLiteral("calendar_dl.txt"));
        const QString page = (row.listOnFullDisk ? roomy : full).filePath(QLatin1String(row.page));
        for (const QString &earlier : {list, page})
            writeTestFile(earlier, "earlier " + earlier.toUtf8());
        QFile filler(full.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        const auto entries = [](const QTemporaryDir &dir) { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden); };
        const QStringList fullBefore = entries(full);
        const QStringList roomyBefore = entries(roomy);

        CalendarState job = state;
        job.strListFile = list;
        try {
            runPrintJob(job, *pageFileDevice(page));
            ADD_FAILURE() << "no failure";
        } catch (const UserError &error) {
            const QString named = QDir::toNativeSeparators(row.listOnFullDisk ? list : page);
            EXPECT_TRUE(error.reason().contains(named) && error.reason().contains(QLatin1String("(No space left on device)")))
                << error.reason().toStdString();
        }
        EXPECT_EQ(readTestFile(list), "earlier " + list.toUtf8());
        EXPECT_EQ(readTestFile(page), "earlier " + page.toUtf8());
        EXPECT_EQ(entries(full), fullBefore);
        EXPECT_EQ(entries(roomy), roomyBefore);
        filler.close();
        QProcess::execute(QStringLiteral("umount"), {full.path()});
    }
}

TEST_F(PrintJob, AFailingMonthBlockStopsTheJobBeforeTheDeviceIsOpened)
{
    state.setDayMark(3, 3, 6);
    EXPECT_THROW(runPrintJob(state, devices), UserError);
    EXPECT_EQ(devices.opened, 0);
    EXPECT_TRUE(devices.page.ops().empty());
}

TEST_F(PrintJob, CancelledSaveDialogWritesNothingQuietly)
{
    writePrevious();
    devices.mode = FakeDevices::Mode::Cancels;
    EXPECT_EQ(runPrintJob(state, devices), PrintOutcome::Cancelled);
    EXPECT_EQ(readTestFile(listPath()), QByteArray("previous list\r\n"));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{QStringLiteral("MY_dl.txt")});
}

TEST_F(PrintJob, UnwritableFolderIsNamed)
{
    QTemporaryDir other;
    const QString missing = other.filePath(QStringLiteral("no such folder"));
    state.strListFile = missing + QStringLiteral("/list_dl.txt");
    try {
        runPrintJob(state, devices);
        FAIL() << "no failure";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.reason().contains(QDir::toNativeSeparators(missing))) << error.reason().toStdString();
        EXPECT_TRUE(error.reason().contains(QLatin1String("list_dl.txt")));
    }
    EXPECT_EQ(devices.opened, 0);
}

TEST_F(PrintJob, ReadOnlyFolderIsNamed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir other;
    ASSERT_TRUE(QFile::setPermissions(other.path(), QFile::ReadOwner | QFile::ExeOwner));
    state.strListFile = other.filePath(QStringLiteral("list_dl.txt"));
    try {
        runPrintJob(state, devices);
        ADD_FAILURE() << "no failure";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.reason().contains(QDir::toNativeSeparators(other.path()))) << error.reason().toStdString();
    }
    QFile::setPermissions(other.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(devices.opened, 0);
}

TEST(DeviceRule, HpLaserInExactCaseAnywhereInTheName)
{
    struct Case
    {
        const char *name;
        bool duplex;
    };
    for (const Case c : {Case{"HP LaserJet 4050", true}, Case{"Office HP Laser 1", true}, Case{"HP Laser", true},
                         Case{"hp laserjet 4050", false}, Case{"HP laserJet", false}, Case{"HP_LaserJet", false},
                         Case{"HPLaser", false}, Case{"PDF file", false}, Case{"", false}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wantsLongEdgeDuplex(QString::fromLatin1(c.name)), c.duplex);
    }
}

TEST_F(PrintJob, DeviceRuleIsAppliedToTheJob)
{
    devices.page.setDeviceName(QStringLiteral("HP LaserJet 4050"));
    ASSERT_EQ(runPrintJob(state, devices), PrintOutcome::Printed);
    EXPECT_EQ(devices.deviceRules, 1);
}

// A printer without A3 says so, before anything is drawn, and prints all the same.
class NoA3Devices : public FakeDevices
{
public:
    std::unique_ptr<OutputJob> openJob() override
    {
        struct Job : RecordingJob
        {
            Job(NoA3Devices &d) : RecordingJob(d.page, false, d.deviceRules, d.opsBeforeRule), devices(d) {}
            std::optional<QString> setPaper(Paper paper, const QSizeF &pageTwips) override
            {
                devices.asked << paper;
                devices.opsWhenAsked = devices.page.ops().size();
                EXPECT_EQ(pageTwips, QSizeF(11760, 15360));
                return paper == Paper::A3 ? std::optional<QString>(QStringLiteral("No A3; Tabloid instead")) : std::nullopt;
            }
            NoA3Devices &devices;
        };
        return std::make_unique<Job>(*this);
    }
    QList<Paper> asked;
    size_t opsWhenAsked = 99;
};

TEST_F(PrintJob, TheDeviceIsAskedForThePaperFirstAndItsNoteShown)
{
    for (const Paper paper : {Paper::A4, Paper::A3}) {
        NoA3Devices noA3;
        RecordingMessageService messages;
        state.page.paper = paper;
        ASSERT_EQ(runPrintJob(state, noA3, &messages), PrintOutcome::Printed);
        EXPECT_EQ(noA3.asked, QList<Paper>{paper});
        EXPECT_EQ(noA3.opsWhenAsked, 0u);
        EXPECT_EQ(messages.texts(), paper == Paper::A3 ? QStringList{"No A3; Tabloid instead"} : QStringList());
        EXPECT_EQ(noA3.page.documentsEnded(), 1);
    }
}

} // namespace
