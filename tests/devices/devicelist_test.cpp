#include "devices/devicelist.h"
#include "devices/outputdevices.h"

#include <gtest/gtest.h>

namespace {

TEST(PrinterEntry, NumberRightAlignedInThreeCharacters)
{
    EXPECT_EQ(printerEntry(1, QStringLiteral("Office")), QStringLiteral("  1 Office"));
    EXPECT_EQ(printerEntry(10, QStringLiteral("Lab")), QStringLiteral(" 10 Lab"));
    EXPECT_EQ(printerEntry(12, PdfDeviceName), QStringLiteral(" 12 PDF file"));
    EXPECT_EQ(printerEntry(123, QStringLiteral("X")), QStringLiteral("123 X"));
}

class ListedDevices : public OutputDevices
{
public:
    QStringList deviceNames() override { return {QStringLiteral("Office"), QStringLiteral("Lab"), PdfDeviceName}; }
    void setCurrent(int) override {}
    QString currentName() const override { return PdfDeviceName; }
    QStringList devicesRefusingJobs() override { return {QStringLiteral("Lab")}; }
    std::unique_ptr<OutputJob> openJob() override { return nullptr; }
};

TEST(DeviceEntries, ADeviceRefusingJobsIsMarked)
{
    ListedDevices devices;
    const QList<DeviceEntry> entries = deviceEntries(devices);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].text, QStringLiteral("  1 Office"));
    EXPECT_EQ(entries[1].text, QStringLiteral("  2 Lab (not accepting jobs)"));
    EXPECT_EQ(entries[1].name, QStringLiteral("Lab"));
    EXPECT_EQ(entries[2].text, QStringLiteral("  3 PDF file"));
}

} // namespace
