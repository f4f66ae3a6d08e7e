#pragma once

#include "app/frmlunaria.h"
#include "app/previewpane.h"
#include "dialogs/frmfindfiles.h"
#include "page/composepage.h"
#include "print/preview.h"
#include "devices/printers.h"
#include "tests/gui/fakes.h"
#include "tests/support/testsources.h"
#include "tests/support/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The real main window, offscreen, with recorders for messages and fonts, the real device
// list (the PDF device saving into a temporary folder), and that folder as the current one,
// where the date-list file goes.
class WindowTest : public ::testing::Test
{
protected:
    HookedMessageService messages;
    FakeFontChooser fonts;
    TestSources markSources;
    Printers printers;
    QTemporaryDir dir;
    QString savedFolder;
    QString pdfAnswer;        // what the save dialog answers; empty = cancelled
    QString controlFileAnswer; // what the control file's save dialog answers; empty = cancelled
    QStringList controlFileSuggestions; // what it was asked with, one entry a use
    QString iCalendarAnswer;  // what the iCalendar file dialog answers
    QString exportAnswer;     // where "Export Marked Days..." writes
    QString importAtStart;    // the .ics file the window is opened with, as "Open With" does
    std::unique_ptr<frmLunaria> window;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        pdfAnswer = dir.filePath(QStringLiteral("calendar.pdf"));
        printers.setSaveLocationAsker([this] { return pdfAnswer; });
        // Never a real printer: the suites run with no CUPS server reachable, and the PDF
        // device is chosen outright in case one is.
        printers.setCurrentByName(PdfDeviceName);
        LunariaServices services;
        services.messages = &messages;
        services.fonts = &fonts;
        services.marks = &markSources.marks;
        services.devices = &printers;
        services.today = QDate(2026, 12, 8);
        services.askControlFilePath = [this](const QString &suggested) {
            controlFileSuggestions << suggested;
            return controlFileAnswer;
        };
        services.askICalendarFile = [this](const QString &) { return iCalendarAnswer; };
        services.askExportFile = [this](const QString &) { return exportAnswer; };
        services.importAtStart = importAtStart;
        window = std::make_unique<frmLunaria>(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(savedFolder);
    }

    template <typename T> T *child(const char *name, QObject *parent = nullptr)
    {
        T *w = (parent ? parent : window.get())->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char *button, QObject *parent = nullptr)
    {
        QTest::mouseClick(child<QPushButton>(button, parent), Qt::LeftButton);
    }
    QString writeFile(const QString &name, const QByteArray &content) { return writeTestFile(dir.path(), name, content); }
    frmFindFiles *finder() { return window->findChild<frmFindFiles *>(QStringLiteral("frmFindFiles")); }
    // Picks `name` in the open finder as a user would: the folder, a click on the file, "Select".
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
    // Writes a control file into the test's folder and opens it through "Select Control
    // File", questions answered from `answers`.
    void openControlFile(const QString &name, const QByteArray &content, const QStringList &answers = {})
    {
        writeFile(name, content);
        messages.answers = answers;
        click("cmdReadControls");
        pick(dir.path(), name);
    }
    // The calendar as "Save Control File As..." writes it to `name`.
    QString savedAs(const QString &name)
    {
        controlFileAnswer = dir.filePath(name);
        window->findChild<QAction *>(QStringLiteral("mnuSaveControlFileAs"))->trigger();
        return QString::fromUtf8(readTestFile(dir.filePath(name)));
    }
    // The window coming to the front, as after another program or a closing box.
    void activate()
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
    }
    PreviewPane *preview() { return child<PreviewPane>("picPreview"); }
    QImage previewImage() { return preview()->image(); }
};

// Where the middle of `day`'s box is on `pane`, worked out from the page alone: the twips of
// the day's box on the page of `state`, taken to the sheet's pixels by turning round the
// preview's own linear map of pixels to twips.
inline QPoint previewPointOf(const PreviewPane &pane, const CalendarState &state, QDate day)
{
    double sumX = 0, sumY = 0;
    int hits = 0;
    for (int y = 4000; y < 15000; y += 20)
        for (int x = 0; x < 12000; x += 20)
            if (dayAtPagePoint(state, QPointF(x, y)) == day) {
                sumX += x;
                sumY += y;
                ++hits;
            }
    const QImage image = pane.image();
    if (hits == 0 || image.isNull())
        return {};
    const QPointF twips(sumX / hits, sumY / hits);
    const double dpi = image.width() / previewPaperInches(state).width();
    const QPointF origin = previewPixelToPageTwips(state, dpi, QPointF(0, 0));
    const QPointF step = previewPixelToPageTwips(state, dpi, QPointF(1000, 1000)) - origin;
    const QPointF pixel((twips.x() - origin.x()) * 1000 / step.x(), (twips.y() - origin.y()) * 1000 / step.y());
    const double ratio = pane.devicePixelRatioF();
    const QSizeF shown = QSizeF(image.size()) / ratio;
    const QPointF corner = QRectF(pane.contentsRect()).center() - QPointF(shown.width() / 2, shown.height() / 2);
    return (corner + pixel / ratio).toPoint();
}
