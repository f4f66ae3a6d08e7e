#include "dialogs/frmselectprt.h"
#include "tests/support/recordingmessages.h"
#include "devices/outputdevices.h"
#include "platform/usererror.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FakeDevices : public OutputDevices
{
public:
    explicit FakeDevices(int printers)
    {
        for (int i = 1; i <= printers; ++i)
            names << QStringLiteral("Printer %1").arg(i);
        names << PdfDeviceName;
    }
    QStringList deviceNames() override { return names; }
    void setCurrent(int index) override
    {
        if (index < 0 || index >= names.size())
            throw UserError(QStringLiteral("Device number %1 no longer exists").arg(index + 1));
        current = index;
    }
    QString currentName() const override { return current < 0 ? QString() : names.value(current); }
    std::unique_ptr<OutputJob> openJob() override { return nullptr; }

    QStringList names;
    int current = -1;
};

QStringList entries(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(frmSelectPrt, ListsEveryDeviceNumberedFromOneWithNothingSelected)
{
    FakeDevices devices(10);
    RecordingMessageService messages;
    frmSelectPrt window(devices, messages);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Output Device Selection"));
    EXPECT_FALSE(window.isModal());
    auto *list = window.findChild<QListWidget *>(QStringLiteral("lstPrinterName"));
    ASSERT_NE(list, nullptr);
    const QStringList shown = entries(list);
    ASSERT_EQ(shown.size(), 11);
    EXPECT_EQ(shown.first(), QStringLiteral("  1 Printer 1"));
    EXPECT_EQ(shown.at(9), QStringLiteral(" 10 Printer 10"));
    EXPECT_EQ(shown.last(), QStringLiteral(" 11 PDF file"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblProcess1"))->text(),
              QStringLiteral("First Click on a Device from the list."));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("THEN"));
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Label1"))->font().bold());
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("cmdSelFont"))->text(), QStringLiteral("Select Device"));
    EXPECT_FALSE(list->accessibleName().isEmpty());
    // Tab goes from the list to the button.
    QWidget *next = list->nextInFocusChain();
    while (next != list && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, window.findChild<QPushButton *>(QStringLiteral("cmdSelFont")));
}

TEST(frmSelectPrt, SelectDeviceWithoutSelectionOnlyShowsTheMessage)
{
    for (int printers : {0, 3}) {
        SCOPED_TRACE(printers);
        FakeDevices devices(printers);
        RecordingMessageService messages;
        QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
        window->show();
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdSelFont")), Qt::LeftButton);
        flushDeletes();
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Select a Printer from the list first . . .")});
        EXPECT_EQ(devices.current, -1);
        delete window;
    }
}

TEST(frmSelectPrt, TenthEntrySelectsIndexNineAndClosesTheWindow)
{
    FakeDevices devices(12);
    RecordingMessageService messages;
    QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
    int signalled = 0;
    QObject::connect(window, &frmSelectPrt::deviceSelected, [&] { ++signalled; });
    window->show();
    auto *list = window->findChild<QListWidget *>(QStringLiteral("lstPrinterName"));
    list->setCurrentRow(9);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdSelFont")), Qt::LeftButton);
    EXPECT_EQ(devices.current, 9);
    EXPECT_EQ(devices.currentName(), QStringLiteral("Printer 10"));
    EXPECT_EQ(signalled, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
    flushDeletes();
    EXPECT_TRUE(window.isNull());

    // A new window lists afresh with nothing selected.
    frmSelectPrt again(devices, messages);
    auto *fresh = again.findChild<QListWidget *>(QStringLiteral("lstPrinterName"));
    EXPECT_EQ(fresh->count(), 13);
    EXPECT_TRUE(fresh->selectedItems().isEmpty());
}

TEST(frmSelectPrt, ChoosingThePdfDevice)
{
    FakeDevices devices(2);
    RecordingMessageService messages;
    QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
    window->show();
    window->findChild<QListWidget *>(QStringLiteral("lstPrinterName"))->setCurrentRow(2);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdSelFont")), Qt::LeftButton);
    EXPECT_EQ(devices.currentName(), PdfDeviceName);
    flushDeletes();
    EXPECT_TRUE(window.isNull());
}

TEST(frmSelectPrt, ADeviceThatWentAwayIsRefusedAndTheWindowStays)
{
    struct Case
    {
        const char *name;
        int removeAt;   // device removed after the list was made
    };
    for (const Case c : {Case{"last_gone", 4}, Case{"earlier_gone_shifts_the_rest", 0}}) {
        SCOPED_TRACE(c.name);
        FakeDevices devices(4);
        RecordingMessageService messages;
        QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
        window->show();
        window->findChild<QListWidget *>(QStringLiteral("lstPrinterName"))->setCurrentRow(4);
        devices.names.removeAt(c.removeAt);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdSelFont")), Qt::LeftButton);
        flushDeletes();
        EXPECT_EQ(devices.current, -1);
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts().first().contains(QLatin1String("changed")));
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        delete window;
    }
}

TEST(frmSelectPrt, ClosingWithoutAChoiceChangesNothing)
{
    FakeDevices devices(3);
    RecordingMessageService messages;
    QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
    int signalled = 0;
    QObject::connect(window, &frmSelectPrt::deviceSelected, [&] { ++signalled; });
    window->show();
    window->close();
    flushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(devices.current, -1);
    EXPECT_EQ(signalled, 0);
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Devices whose second printer is known to print black and white only.
class MixedColourDevices : public FakeDevices
{
public:
    MixedColourDevices() : FakeDevices(3) {}
    ColourSupport colourSupport(int index) override
    {
        return index == 1 ? ColourSupport::BlackAndWhite : index == 3 ? ColourSupport::Colour : ColourSupport::Unknown;
    }
};

TEST(frmSelectPrt, ABlackAndWhitePrinterIsNamedSoWithThePatternsSuggested)
{
    MixedColourDevices devices;
    RecordingMessageService messages;
    frmSelectPrt window(devices, messages);
    window.show();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("lstPrinterName"));
    auto *hint = window.findChild<QLabel *>(QStringLiteral("lblColourHint"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isVisible());
    for (int row = 0; row < list->count(); ++row) {
        SCOPED_TRACE(row);
        list->setCurrentRow(row);
        EXPECT_EQ(hint->isVisible(), row == 1);
        if (row == 1) {
            EXPECT_TRUE(hint->text().contains(QLatin1String("black and white")));
            EXPECT_TRUE(hint->text().contains(QLatin1String("\"Patterns\"")));
        }
    }
}

} // namespace

namespace {

TEST(frmSelectPrt, TheKeyboardAloneChoosesTheFirstDevice)
{
    FakeDevices devices(3);
    RecordingMessageService messages;
    QPointer<frmSelectPrt> window = new frmSelectPrt(devices, messages);
    window->show();
    auto *list = window->findChild<QListWidget *>(QStringLiteral("lstPrinterName"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(devices.currentName(), QStringLiteral("Printer 1"));
    EXPECT_TRUE(messages.texts().isEmpty());
    flushDeletes();
    EXPECT_TRUE(window.isNull());
}

} // namespace
