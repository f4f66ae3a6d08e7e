#include "app/frmlunariasplash.h"
#include "app/modlunaria.h"
#include "tests/support/recordingmessages.h"
#include "tests/gui/fakes.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Startup : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    FakeFontChooser fonts;

    std::unique_ptr<modLunaria> start(int splashMs)
    {
        LunariaServices services;
        services.messages = &messages;
        services.fonts = &fonts;
        services.today = QDate(2024, 1, 1);
        return std::make_unique<modLunaria>(services, splashMs);
    }
};

TEST_F(Startup, SplashFirstWithTheMainWindowLoadedButHidden)
{
    auto program = start(3000);
    ASSERT_NE(program->splash(), nullptr);
    EXPECT_TRUE(program->splash()->isVisible());
    EXPECT_FALSE(program->mainWindow().isVisible());
    // Loaded: the defaults are in place before the window is shown.
    EXPECT_EQ(program->mainWindow().findChild<QLineEdit *>(QStringLiteral("txtYear"))->text(), "2024");
    EXPECT_EQ(program->mainWindow().findChild<QLineEdit *>(QStringLiteral("txtCopies"))->text(), "1");
    EXPECT_TRUE(program->splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(Startup, SplashCarriesItsLabels)
{
    auto program = start(3000);
    frmLunariaSplash *splash = program->splash();
    auto *version = splash->findChild<QLabel *>("lblVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 3.0");
    EXPECT_TRUE(version->font().bold());
    for (const char *name : {"lblProductName", "lblCompanyProduct", "lblPlatform", "imgLogo"})
        EXPECT_NE(splash->findChild<QLabel *>(name), nullptr) << name;
    EXPECT_FALSE(splash->findChild<QLabel *>("imgLogo")->pixmap().isNull());
    EXPECT_DOUBLE_EQ(splash->findChild<QLabel *>("lblProductName")->font().pointSizeF(), 36.0);
    EXPECT_TRUE(splash->findChild<QLabel *>("lblProductName")->font().italic());
    auto *timer = splash->findChild<QTimer *>("tmrStart");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(Startup, TimerShowsTheMainWindow)
{
    auto program = start(50);
    QPointer<frmLunariaSplash> splash = program->splash();
    EXPECT_TRUE(QTest::qWaitFor([&] { return program->mainWindow().isVisible(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000)); // unloaded
    EXPECT_EQ(program->mainWindowShows(), 1);
}

TEST_F(Startup, AKeyShowsTheMainWindowAtOnceAndTheTimerNotAgain)
{
    auto program = start(300);
    QPointer<frmLunariaSplash> splash = program->splash();
    QTest::keyClick(splash.data(), Qt::Key_Space);
    EXPECT_TRUE(program->mainWindow().isVisible());
    EXPECT_EQ(program->mainWindowShows(), 1);
    QTest::qWait(600); // past the timer's interval
    EXPECT_EQ(program->mainWindowShows(), 1);
    EXPECT_TRUE(splash.isNull());
}

TEST_F(Startup, AClickShowsTheMainWindowOnce)
{
    auto program = start(300);
    QPointer<frmLunariaSplash> splash = program->splash();
    auto *frame = splash->findChild<QFrame *>("frmCalSplash");
    ASSERT_NE(frame, nullptr);
    QTest::mouseClick(frame, Qt::LeftButton);
    QTest::keyClick(splash.data(), Qt::Key_A); // a second event before the window unloads
    EXPECT_TRUE(program->mainWindow().isVisible());
    QTest::qWait(600);
    EXPECT_EQ(program->mainWindowShows(), 1);
}

} // namespace

namespace {

TEST_F(Startup, ClosingTheSplashFromTheWindowManagerStillShowsTheMainWindow)
{
    auto program = start(3000);
    QPointer<frmLunariaSplash> splash = program->splash();
    splash->close();
    EXPECT_TRUE(program->mainWindow().isVisible());
    EXPECT_EQ(program->mainWindowShows(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000));
}

} // namespace
