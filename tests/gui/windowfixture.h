#pragma once

#include "app/frmlunaria.h"
#include "tests/support/recordingmessages.h"
#include "devices/printers.h"
#include "tests/gui/fakes.h"
#include "tests/support/testsources.h"

#include <QDir>
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
    RecordingMessageService messages;
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
};
