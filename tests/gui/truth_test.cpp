#include "app/frmlunariasplash.h"
#include "dialogs/elidedlabel.h"
#include "dialogs/fontchooser.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/testsources.h"

#include <QFile>
#include <QFontDialog>
#include <QDialog>
#include <QComboBox>
#include <QCheckBox>
#include <QSpinBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

// The window shows what will print and hides nothing from the user.
namespace {

class Truth : public WindowTest
{
protected:
    QImage previewAfter(const std::function<void()> &change)
    {
        const QImage before = previewImage();
        change();
        EXPECT_TRUE(QTest::qWaitFor([&] { return previewImage() != before; }, 5000));
        return previewImage();
    }
};

TEST_F(Truth, ThePreviewShowsTypedNotesBeforeAnyPrint)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previewImage().isNull(); }, 5000));
    QLineEdit *note = child<QLineEdit>("txtMessage_0");
    QTest::mouseClick(note, Qt::LeftButton, {}, note->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return note->selectedText() == " "; }, 2000));
    // The preview used to draw the address block as the last print left it: typing a note
    // changed nothing on it.
    previewAfter([&] { QTest::keyClicks(note, "12 Elm Street"); });
    EXPECT_EQ(note->text(), "12 Elm Street");
}

TEST_F(Truth, TheBlankOfAnEmptyNoteBoxIsReplacedByWhatIsTyped)
{
    QLineEdit *note = child<QLineEdit>("txtMessage_1");
    ASSERT_EQ(note->text(), " ");
    QTest::mouseClick(note, Qt::LeftButton, {}, note->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return note->selectedText() == " "; }, 2000));
    QTest::keyClicks(note, "Springfield");
    EXPECT_EQ(note->text(), "Springfield");
}

TEST_F(Truth, ALongPictureNameDoesNotWidenTheWindowAndIsReadInFull)
{
    const int before = window->minimumSizeHint().width();
    const QString name = QString(90, QLatin1Char('x')) + QStringLiteral("house.bmp");
    const QString path = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUNARIA_SOURCE_DIR "/examples/pictures/house.bmp"), path));
    click("cmdPickPic");
    pick(dir.path(), name);
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    auto *line = child<ElidedLabel>("lblPictureName");
    EXPECT_EQ(window->minimumSizeHint().width(), before);
    EXPECT_EQ(line->accessibleName(), QStringLiteral("Picture: ") + name);
    EXPECT_EQ(line->toolTip(), path);
    EXPECT_EQ(child<ElidedLabel>("lblDevice")->accessibleName(), QStringLiteral("Printer: PDF file"));
}

TEST_F(Truth, TheStatusLineNamesThePageAndTheDateListFileWithTheirFolders)
{
    click("cmdPrint");
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("The page is in %1;").arg(QDir::toNativeSeparators(QFileInfo(pdfAnswer).absoluteFilePath()))))
        << window->statusBar()->currentMessage().toStdString();
    EXPECT_TRUE(window->statusBar()->currentMessage().endsWith(QDir::toNativeSeparators(dir.filePath(QStringLiteral("MY_dl.txt")))))
        << window->statusBar()->currentMessage().toStdString();
}

TEST_F(Truth, TheFontDialogOpensAtTheRolesFaceAndSizeAndKeepsTheFamilyAlone)
{
    click("cmdSelPrinter");
    click("cmdYrFont");
    EXPECT_EQ(fonts.lastCurrent, QStringLiteral("Arial"));
    EXPECT_EQ(fonts.lastPoints, 28);

    // The real dialog, answered from outside: it must start at the face the page will use.
    QtFontChooser chooser;
    QFont seen;
    // It offers the typeface only: no size, weight or style, which the page sets itself.
    double sampleSize = 0;
    bool onlyTheFace = false;
    // Asked again until the font dialog is up: on a loaded machine the first look may come
    // before it, or find another test's box that is still on its way out.
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        // The dialog is taken once it is shown whole: typeface list and sample both in it.
        QDialog *dialog = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *candidate = qobject_cast<QDialog *>(window);
            if (candidate && candidate->isVisible() && candidate->findChild<QFontComboBox *>(QStringLiteral("cboTypeface"))
                && candidate->findChild<QLabel *>(QStringLiteral("lblTypefaceSample"))) {
                dialog = candidate;
                break;
            }
        }
        if (dialog) {
            answer.stop();
            seen = dialog->findChild<QFontComboBox *>(QStringLiteral("cboTypeface"))->currentFont();
            sampleSize = dialog->findChild<QLabel *>(QStringLiteral("lblTypefaceSample"))->font().pointSizeF();
            onlyTheFace = dialog->findChildren<QSpinBox *>().isEmpty() && dialog->findChildren<QCheckBox *>().isEmpty()
                          && dialog->findChildren<QComboBox *>().size() == 1;
            dialog->reject();
        }
    });
    answer.start();
    EXPECT_FALSE(chooser.chooseFont(nullptr, QStringLiteral("Arial"), 18, QStringLiteral("Font")).has_value());
    EXPECT_EQ(seen.family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
    EXPECT_EQ(sampleSize, 18);
    EXPECT_TRUE(onlyTheFace);
    EXPECT_EQ(familyWithoutFoundry(QStringLiteral("URW Gothic [UKWN]")), QStringLiteral("URW Gothic"));
    EXPECT_EQ(familyWithoutFoundry(QStringLiteral("Liberation Sans")), QStringLiteral("Liberation Sans"));
}

TEST(WindowPlace, MostOfTheScreenAtFirstThenWhereTheUserLeftIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("lunaria.conf")), QSettings::IniFormat);
    RecordingMessageService messages;
    FakeFontChooser fonts;
    const TestSources sources;
    LunariaServices services;
    services.messages = &messages;
    services.fonts = &fonts;
    services.marks = &sources.marks;
    services.settings = &settings;
    auto first = std::make_unique<frmLunaria>(services);
    const QRect screen = first->screen()->availableGeometry();
    EXPECT_GE(first->height(), screen.height() * 0.9);
    EXPECT_TRUE(screen.contains(first->geometry())) << first->geometry().width() << "x" << first->geometry().height();
    first->show();
    const QSize chosen(first->minimumSizeHint().width() + 40, first->minimumSizeHint().height() + 30);
    first->setGeometry(QRect(screen.topLeft() + QPoint(20, 30), chosen));
    ASSERT_TRUE(first->close());
    first.reset();
    const frmLunaria second(services);
    EXPECT_EQ(second.size(), chosen);
}

TEST(SplashFocus, TheSplashTakesTheKeyboardWhenShown)
{
    frmLunariaSplash splash(60000);
    bool gone = false;
    QObject::connect(&splash, &frmLunariaSplash::dismissed, [&] { gone = true; });
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    EXPECT_TRUE(splash.hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(gone);
}

} // namespace

namespace {

TEST_F(Truth, ThePreviewFillsItsSpaceAfterAResizeWithoutBeingCutOff)
{
    for (const QSize size : {QSize(1000, 800), QSize(1100, 900), QSize(1400, 1000)}) {
        SCOPED_TRACE(size.width());
        const QImage before = previewImage();
        window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return previewImage() != before; }, 5000));
        auto *label = child<QLabel>("picPreview");
        const QSizeF shown = QSizeF(previewImage().size()) / window->devicePixelRatioF();
        // The whole sheet shows, as large as the label allows in one direction at least.
        EXPECT_LE(shown.width(), label->contentsRect().width());
        EXPECT_LE(shown.height(), label->contentsRect().height());
        EXPECT_GE(std::max(shown.width() / label->contentsRect().width(), shown.height() / label->contentsRect().height()), 0.9);
        EXPECT_LE(label->geometry().right(), window->centralWidget()->width());
    }
}

} // namespace
