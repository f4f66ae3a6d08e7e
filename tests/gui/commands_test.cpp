#include "dialogs/frmfindfiles.h"
#include "dialogs/frmselectprt.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/samples.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>

namespace {

class Commands : public WindowTest
{
protected:
    QString write(const QString &name, const QByteArray &content)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return f.fileName();
    }

    frmFindFiles *finder() { return window->findChild<frmFindFiles *>(QStringLiteral("frmFindFiles")); }

    // Picks `name` in the finder as a user would: the folder, a click on the file, "Select".
    void pick(const QString &folder, const QString &name)
    {
        frmFindFiles *f = finder();
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(f->isVisible());
        f->changeFolder(folder);
        auto *files = child<QListWidget>("filFilename", f);
        const QList<QListWidgetItem *> items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(items.first()).center());
        click("cmdDone", f);
        QTest::qWait(20); // the hand-over is queued
    }

    QString text(const char *edit) { return child<QLineEdit>(edit)->text(); }
};

TEST_F(Commands, AControlFileChosenInTheFinderFillsTheCalendar)
{
    write(QStringLiteral("smith.txt"), "YER 2027\r\nHDR The Smith Family\r\nNOT 12 Elm Street\r\nMSG Happy new year\r\n"
                                       "DTM 2 3 Club meeting\r\n");
    click("cmdReadControls");
    ASSERT_NE(finder(), nullptr);
    EXPECT_EQ(finder()->selectInfo(), "Select a Control file.\r\n  should be a   txt   file.");
    EXPECT_EQ(window->state().intPendingDialog, PendingControlFile);
    pick(dir.path(), QStringLiteral("smith.txt"));

    EXPECT_FALSE(finder()->isVisible());
    EXPECT_EQ(text("txtHeader"), "The Smith Family");
    EXPECT_EQ(text("txtMessage_0"), "12 Elm Street");
    EXPECT_EQ(text("txtMessage_5"), "Happy new year");
    EXPECT_EQ(window->state().MarkCount, 1);
    EXPECT_EQ(window->state().strListFile, dir.filePath(QStringLiteral("smith_dl.txt")));
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();

    // Coming back to the window later hands nothing over again.
    window->Form_Activate();
    window->Form_Activate();
    EXPECT_EQ(window->state().MarkCount, 1);
    EXPECT_EQ(window->state().intPendingDialog, PendingNone);
}

TEST_F(Commands, ClosingTheFinderThroughItsFrameIsACancel)
{
    write(QStringLiteral("smith.txt"), "HDR Should not appear\n");
    click("cmdReadControls");
    frmFindFiles *f = finder();
    f->changeFolder(dir.path());
    f->close();
    QTest::qWait(20);
    window->Form_Activate();
    EXPECT_EQ(text("txtHeader"), "");
    EXPECT_EQ(window->state().intPendingDialog, PendingNone);
}

TEST_F(Commands, APicturesPathHandedToTheReaderIsRefusedByItsCheck)
{
    LUNARIA_REQUIRE_SAMPLES();
    const QString folder = samplePath(QStringLiteral("pictures/gif"));
    click("cmdPickPic");
    EXPECT_EQ(finder()->selectInfo(), "Select a Picture file.\r\nEither a bmp, gif, jpg or wmf.");
    pick(folder, QStringLiteral("pillow-hopper.gif"));
    EXPECT_TRUE(window->state().binSelPic);
    EXPECT_EQ(child<QLabel>("lblPictureName")->text(), "Picture: pillow-hopper.gif");

    // "Select Control File" (the new picture is a change, offered for saving first), then
    // "Select" at once: the picture's path goes to the reader.
    messages.answers = {QStringLiteral("Don't Save")};
    click("cmdReadControls");
    click("cmdDone", finder());
    QTest::qWait(20);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), "Select a .txt file.\nTry again . . .");
    EXPECT_FALSE(window->state().binFileOK);
    EXPECT_TRUE(window->state().binSelPic); // the picture stays
}

TEST_F(Commands, PrintingWritesThePageAndTheDateList)
{
    window->state().txtHeader = QStringLiteral("Printed from the window");
    window->state().binSelPrt = true;
    window->refreshWidgets();
    click("cmdPrint");
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_FALSE(window->state().binSelPrt); // the job clears the printer choice, as it always has
    ASSERT_TRUE(QFile::exists(pdfAnswer));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdfAnswer, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("Printed from the window"));
    QFile list(dir.filePath(QStringLiteral("MY_dl.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray(" \r\n \r\n  \r\n"));
}

TEST_F(Commands, AFailedPrintNamesTheCommandAndKeepsSettingsAndFiles)
{
    write(QStringLiteral("MY_dl.txt"), "the previous list\r\n");
    window->state().txtYear = QStringLiteral("40000");
    window->state().binSelPrt = true;
    window->state().txtMessage[0] = QStringLiteral("Changed note");
    window->refreshWidgets();
    click("cmdPrint");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("Print Calendar(s)")));
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("The year 40000 is outside 1 to 32767")));
    EXPECT_TRUE(window->state().binSelPrt);
    EXPECT_TRUE(window->state().textLines[0].isEmpty()); // the refresh is put back too
    EXPECT_EQ(text("txtYear"), "40000");
    QFile list(dir.filePath(QStringLiteral("MY_dl.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("the previous list\r\n"));
    EXPECT_FALSE(QFile::exists(pdfAnswer));
}

TEST_F(Commands, CancellingTheSaveDialogPrintsNothingAndSaysNothing)
{
    pdfAnswer.clear();
    click("cmdPrint");
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("MY_dl.txt"))));
}

TEST_F(Commands, SelectPrinterOpensTheChooserOnceAndUnlocksTheFonts)
{
    click("cmdSelPrinter");
    auto *chooser = window->findChild<frmSelectPrt *>(QStringLiteral("frmSelectPrt"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(window->state().binSelPrt);
    EXPECT_EQ(window->state().intPendingDialog, PendingPrinter);
    click("cmdSelPrinter");
    EXPECT_EQ(window->findChildren<frmSelectPrt *>().size(), 1);
    auto *list = child<QListWidget>("lstPrinterName", chooser);
    EXPECT_EQ(list->count(), printers.deviceNames().size());

    fonts.answer = QStringLiteral("Liberation Sans");
    click("cmdYrFont");
    EXPECT_EQ(window->state().strYearFont, "Liberation Sans");
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->previewImage().isNull(); }, 5000));
    const QImage before = window->previewImage();
    QLineEdit *header = child<QLineEdit>("txtHeader");
    QTest::keyClicks(header, "A header for the preview");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->previewImage() != before; }, 5000));
    // A year the page cannot hold shows why instead of a page.
    QLineEdit *year = child<QLineEdit>("txtYear");
    year->setText(QStringLiteral("99999"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->previewImage().isNull(); }, 5000));
    EXPECT_TRUE(child<QLabel>("picPreview")->text().contains(QLatin1String("The year 99999 is outside 1 to 32767")));
    EXPECT_TRUE(child<QLabel>("picPreview")->toolTip().isEmpty()) << "no day to click";
}

} // namespace
