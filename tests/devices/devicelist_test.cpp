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

} // namespace
