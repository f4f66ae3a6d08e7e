#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>

// Every test executable starts Qt offscreen (also when ctest lists the tests at build time,
// where no display may exist) and in English, so month names and messages read back alike.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
