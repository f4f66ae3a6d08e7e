#include "calendar/dayrules.h"
#include "dialogs/frmfindfiles.h"
#include "dialogs/frmselectprt.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/samples.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

class Commands : public WindowTest
{
protected:
    QString write(const QString &name, const QByteArray &content) { return writeFile(name, content); }
    QString text(const char *edit) { return child<QLineEdit>(edit)->text(); }
    QListWidget *rules() { return child<QListWidget>("lstMarkedDays"); }
};

// What the year reader says of `year`; its words are checked in dayrules_test.
QString yearProblem(const char *year)
{
    QString problem;
    EXPECT_FALSE(yearFromText(QString::fromLatin1(year), &problem)) << year;
    return problem;
}

TEST_F(Commands, AControlFileChosenInTheFinderFillsTheCalendar)
{
    write(QStringLiteral("smith.txt"), "YER 2027\r\nHDR The Smith Family\r\nNOT 12 Elm Street\r\nMSG Happy new year\r\n"
                                       "DTM 2 3 Club meeting\r\n");
    click("cmdReadControls");
    ASSERT_NE(finder(), nullptr);
    EXPECT_TRUE(finder()->isVisible());
    EXPECT_EQ(finder()->selectInfo(), "Select a Control file.\r\n  should be a   txt   file.");
    pick(dir.path(), QStringLiteral("smith.txt"));

    EXPECT_FALSE(finder()->isVisible());
    EXPECT_EQ(text("txtHeader"), "The Smith Family");
    EXPECT_EQ(text("txtMessage_0"), "12 Elm Street");
    EXPECT_EQ(text("txtMessage_5"), "Happy new year");
    ASSERT_EQ(rules()->count(), 1);
    EXPECT_EQ(rules()->item(0)->text(), "Club meeting: 2nd Tuesday of every month");
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();

    // Coming back to the window later hands nothing over again.
    activate();
    activate();
    EXPECT_EQ(rules()->count(), 1);
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();

    // The marked days are listed beside the control file.
    click("cmdPrint");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("smith_dl.txt"))));
}

TEST_F(Commands, ClosingTheFinderThroughItsFrameIsACancel)
{
    write(QStringLiteral("smith.txt"), "HDR Should not appear\n");
    click("cmdReadControls");
    frmFindFiles *f = finder();
    f->changeFolder(dir.path());
    f->close();
    QTest::qWait(20);
    activate();
    EXPECT_EQ(text("txtHeader"), "");
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(Commands, APicturesPathHandedToTheReaderIsRefusedByItsCheck)
{
    LUNARIA_REQUIRE_SAMPLES();
    const QString folder = samplePath(QStringLiteral("pictures/gif"));
    click("cmdPickPic");
    EXPECT_EQ(finder()->selectInfo(), "Select a Picture file.\r\nEither a bmp, gif, jpg or wmf.");
    pick(folder, QStringLiteral("pillow-hopper.gif"));
    EXPECT_EQ(child<QLabel>("lblPictureName")->text(), "Picture: pillow-hopper.gif");

    // "Select Control File" (the new picture is a change, offered for saving first), then
    // "Select" at once: the picture's path goes to the reader.
    messages.answers = {QStringLiteral("Don't Save")};
    click("cmdReadControls");
    click("cmdDone", finder());
    QTest::qWait(20);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), "Select a .txt file.\nTry again . . .");
    EXPECT_EQ(child<QLabel>("lblPictureName")->text(), "Picture: pillow-hopper.gif"); // the picture stays
}

TEST_F(Commands, PrintingWritesThePageAndTheDateList)
{
    QTest::keyClicks(child<QLineEdit>("txtHeader"), "Printed from the window");
    click("cmdSelPrinter");
    click("cmdPrint");
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();
    ASSERT_TRUE(QFile::exists(pdfAnswer));
    EXPECT_TRUE(pdfText(pdfAnswer).contains(QLatin1String("Printed from the window")));
    EXPECT_EQ(readTestFile(dir.filePath(QStringLiteral("MY_dl.txt"))), QByteArray(" \r\n \r\n  \r\n"));
}

TEST_F(Commands, AFailedPrintNamesTheCommandAndKeepsSettingsAndFiles)
{
    write(QStringLiteral("MY_dl.txt"), "the previous list\r\n");
    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "40000");
    QLineEdit *note = child<QLineEdit>("txtMessage_0");
    note->selectAll();
    QTest::keyClicks(note, "Changed note");
    click("cmdPrint");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("Print Calendar(s)")));
    EXPECT_TRUE(messages.texts().first().contains(yearProblem("40000"), Qt::CaseInsensitive)) << messages.texts().first().toStdString();
    EXPECT_EQ(text("txtYear"), "40000");
    EXPECT_EQ(text("txtMessage_0"), "Changed note");
    EXPECT_EQ(readTestFile(dir.filePath(QStringLiteral("MY_dl.txt"))), QByteArray("the previous list\r\n"));
    EXPECT_FALSE(QFile::exists(pdfAnswer));
}

TEST_F(Commands, CancellingTheSaveDialogPrintsNothingAndSaysNothing)
{
    pdfAnswer.clear();
    click("cmdPrint");
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("MY_dl.txt"))));
}

TEST_F(Commands, SelectPrinterOpensTheChooserOnce)
{
    click("cmdSelPrinter");
    auto *chooser = window->findChild<frmSelectPrt *>(QStringLiteral("frmSelectPrt"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    click("cmdSelPrinter");
    EXPECT_EQ(window->findChildren<frmSelectPrt *>().size(), 1);
    auto *list = child<QListWidget>("lstPrinterName", chooser);
    EXPECT_EQ(list->count(), printers.deviceNames().size());

    fonts.answer = QStringLiteral("Liberation Sans");
    click("cmdYrFont");
    EXPECT_EQ(child<QPushButton>("cmdYrFont")->toolTip(), "Now: Liberation Sans");
    EXPECT_TRUE(messages.messages().isEmpty());

    // Picking the PDF device closes the chooser and shows the device in the form.
    list->setCurrentRow(list->count() - 1);
    click("cmdSelFont", chooser);
    QTest::qWait(20);
    EXPECT_TRUE(window->findChildren<frmSelectPrt *>().isEmpty() || !window->findChild<frmSelectPrt *>()->isVisible());
    EXPECT_EQ(child<QLabel>("lblDevice")->text(), QStringLiteral("Printer: %1").arg(PdfDeviceName));
}

TEST_F(Commands, ThePreviewFollowsTheForm)
{
    window->resize(1000, 800);
    QTest::qWait(50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previewImage().isNull(); }, 5000));
    const QImage before = previewImage();
    QLineEdit *header = child<QLineEdit>("txtHeader");
    QTest::keyClicks(header, "A header for the preview");
    ASSERT_TRUE(QTest::qWaitFor([&] { return previewImage() != before; }, 5000));
    // A year the page cannot hold shows why instead of a page.
    QLineEdit *year = child<QLineEdit>("txtYear");
    year->setText(QStringLiteral("99999"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return previewImage().isNull(); }, 5000));
    EXPECT_TRUE(child<QLabel>("picPreview")->text().contains(yearProblem("99999"), Qt::CaseInsensitive));
    EXPECT_TRUE(child<QLabel>("picPreview")->toolTip().isEmpty()) << "no day to click";
}

} // namespace
