#include "dialogs/frmfindfiles.h"

#include "platform/volumes.h"
#include "tests/support/testfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FindFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QDir(m_dir.path()).canonicalPath();
        QDir(m_root).mkpath(QStringLiteral("photos/old"));
        QDir(m_root).mkpath(QStringLiteral("calendars"));
        writeTestFile(m_root + QStringLiteral("/top.txt"), {});
        writeTestFile(m_root + QStringLiteral("/photos/house.jpg"), {});
        writeTestFile(m_root + QStringLiteral("/photos/garden.bmp"), {});
        writeTestFile(m_root + QStringLiteral("/calendars/smith.txt"), {});
        m_savedCurrent = QDir::currentPath();
        // The finder starts in the process's current folder.
        QDir::setCurrent(m_root);
        m_finder = std::make_unique<frmFindFiles>();
        drive = m_finder->findChild<QComboBox *>(QStringLiteral("drvDrive"));
        folders = m_finder->findChild<QListWidget *>(QStringLiteral("DirDirectory"));
        files = m_finder->findChild<QListWidget *>(QStringLiteral("filFilename"));
        done = m_finder->findChild<QPushButton *>(QStringLiteral("cmdDone"));
        info = m_finder->findChild<QLabel *>(QStringLiteral("lblSelectInfo"));
        ASSERT_TRUE(drive && folders && files && done && info);
    }

    void TearDown() override
    {
        m_finder.reset();
        QDir::setCurrent(m_savedCurrent);
    }

    void show()
    {
        m_finder->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_finder.get()));
    }

    QListWidgetItem *item(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    void clickFile(const QString &name)
    {
        QListWidgetItem *entry = item(files, name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(entry).center());
    }

    void openFolder(const QString &name)
    {
        QListWidgetItem *entry = item(folders, name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        const QPoint at = folders->visualItemRect(entry).center();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList texts(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    QTemporaryDir m_dir;
    QString m_root;
    QString m_savedCurrent;
    std::unique_ptr<frmFindFiles> m_finder;
    QComboBox *drive = nullptr;
    QListWidget *folders = nullptr;
    QListWidget *files = nullptr;
    QPushButton *done = nullptr;
    QLabel *info = nullptr;
};

TEST(BasePathFor, exactlyOneSeparator)
{
    EXPECT_EQ(basePathFor(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(basePathFor(QStringLiteral("/home/ann")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(basePathFor(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann/"));
}

TEST(MountedVolumeRoots, rootComesFirst)
{
    const QStringList roots = mountedVolumeRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.first(), QDir::rootPath());
    EXPECT_EQ(roots.count(QDir::rootPath()), 1);
    EXPECT_FALSE(roots.contains(QStringLiteral("/proc")));
}

TEST_F(FindFiles, startsInTheCurrentFolderWithEmptyFields)
{
    EXPECT_EQ(m_finder->windowTitle(), QStringLiteral("Select Files"));
    EXPECT_EQ(m_finder->currentFolder(), m_root);
    EXPECT_TRUE(m_finder->strFileName.isEmpty());
    EXPECT_TRUE(m_finder->strBasePath.isEmpty());
    EXPECT_EQ(texts(folders), QStringList({QStringLiteral(".."), QStringLiteral("calendars"), QStringLiteral("photos")}));
    EXPECT_EQ(texts(files), QStringList({QStringLiteral("top.txt")}));
    EXPECT_EQ(drive->itemData(0).toString(), QDir::rootPath());
    EXPECT_EQ(drive->currentData().toString(), volumeRootOf(m_root));
    EXPECT_EQ(done->text(), QStringLiteral("Select"));
    for (int i = 1; i <= 4; ++i) {
        QLabel *yellow = m_finder->findChild<QLabel *>(QStringLiteral("lblFile%1").arg(i));
        ASSERT_NE(yellow, nullptr);
        EXPECT_TRUE(yellow->text().isEmpty());
        EXPECT_EQ(yellow->palette().color(QPalette::Window), QColor(Qt::yellow));
    }
    EXPECT_TRUE(info->font().bold());
    EXPECT_EQ(info->font().pointSize(), 12);
}

TEST_F(FindFiles, aFileClickedBeforeAnyChangeIsABareName)
{
    show();
    clickFile(QStringLiteral("top.txt"));
    EXPECT_EQ(m_finder->strFileName, QStringLiteral("top.txt"));
    EXPECT_TRUE(QFileInfo(m_finder->strFileName).exists());  // relative to the current folder
}

TEST_F(FindFiles, changingFolderSetsTheBasePath)
{
    show();
    openFolder(QStringLiteral("photos"));
    EXPECT_EQ(m_finder->currentFolder(), m_root + QStringLiteral("/photos"));
    EXPECT_EQ(m_finder->strBasePath, m_root + QStringLiteral("/photos/"));
    EXPECT_EQ(texts(files), QStringList({QStringLiteral("garden.bmp"), QStringLiteral("house.jpg")}));
    EXPECT_EQ(texts(folders), QStringList({QStringLiteral(".."), QStringLiteral("old")}));
    clickFile(QStringLiteral("house.jpg"));
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/photos/house.jpg"));

    openFolder(QStringLiteral(".."));
    EXPECT_EQ(m_finder->currentFolder(), m_root);
    EXPECT_EQ(m_finder->strBasePath, m_root + QLatin1Char('/'));
    // Changing folder does not change the choice.
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/photos/house.jpg"));
}

TEST_F(FindFiles, aRootGetsNoSecondSeparator)
{
    m_finder->changeFolder(QDir::rootPath());
    EXPECT_EQ(m_finder->strBasePath, QStringLiteral("/"));
    EXPECT_FALSE(texts(folders).contains(QStringLiteral("..")));
}

TEST_F(FindFiles, keyboardOpensFoldersAndChoosesFiles)
{
    show();
    QApplication::setActiveWindow(m_finder.get());
    folders->setFocus();
    folders->setCurrentItem(item(folders, QStringLiteral("calendars")));
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(m_finder->strBasePath, m_root + QStringLiteral("/calendars/"));

    // Coming into the file list does not choose anything by itself.
    files->setFocus();
    EXPECT_TRUE(m_finder->strFileName.isEmpty());
    QSignalSpy selected(m_finder.get(), &frmFindFiles::selected);
    files->setCurrentItem(item(files, QStringLiteral("smith.txt")));
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/calendars/smith.txt"));
    EXPECT_EQ(selected.count(), 1);
    EXPECT_FALSE(m_finder->isVisible());
}

TEST_F(FindFiles, selectHidesAndKeepsEverything)
{
    show();
    QPointer<frmFindFiles> alive(m_finder.get());
    QSignalSpy selected(m_finder.get(), &frmFindFiles::selected);
    QSignalSpy cancelled(m_finder.get(), &frmFindFiles::cancelled);
    m_finder->setSelectInfo(QStringLiteral("Select a Picture file.\r\nEither a bmp, gif, jpg or wmf."));
    EXPECT_EQ(info->text(), QStringLiteral("Select a Picture file.\nEither a bmp, gif, jpg or wmf."));
    openFolder(QStringLiteral("photos"));
    clickFile(QStringLiteral("garden.bmp"));
    QTest::mouseClick(done, Qt::LeftButton);

    EXPECT_FALSE(m_finder->isVisible());
    EXPECT_TRUE(alive);
    EXPECT_EQ(info->text(), QStringLiteral(" "));
    EXPECT_EQ(m_finder->selectInfo(), QStringLiteral(" "));
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(cancelled.count(), 0);
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/photos/garden.bmp"));

    // Next use: same folder, and "Select" at once hands over the previous choice.
    m_finder->setSelectInfo(QStringLiteral("Select a Control file.\r\n  should be a   txt   file."));
    show();
    EXPECT_EQ(m_finder->currentFolder(), m_root + QStringLiteral("/photos"));
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_EQ(selected.count(), 2);
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/photos/garden.bmp"));
}

TEST_F(FindFiles, selectWithoutAnyClickHandsOverNothing)
{
    show();
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_TRUE(m_finder->strFileName.isEmpty());
}

TEST_F(FindFiles, closingThroughTheFrameCancels)
{
    show();
    openFolder(QStringLiteral("photos"));
    clickFile(QStringLiteral("house.jpg"));
    QSignalSpy selected(m_finder.get(), &frmFindFiles::selected);
    QSignalSpy cancelled(m_finder.get(), &frmFindFiles::cancelled);
    m_finder->close();
    EXPECT_FALSE(m_finder->isVisible());
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(selected.count(), 0);
    // The fields keep what they held; only the hand-over is skipped by the caller.
    EXPECT_EQ(m_finder->strFileName, m_root + QStringLiteral("/photos/house.jpg"));
    EXPECT_EQ(m_finder->strBasePath, m_root + QStringLiteral("/photos/"));
}

TEST_F(FindFiles, escapeCancels)
{
    show();
    QApplication::setActiveWindow(m_finder.get());
    files->setFocus();
    QSignalSpy cancelled(m_finder.get(), &frmFindFiles::cancelled);
    QTest::keyClick(files, Qt::Key_Escape);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_FALSE(m_finder->isVisible());
}

// Only what the caller can use is listed; "Show all files" shows the rest, greyed, and a
// name's case counts as it does for the callers.
TEST_F(FindFiles, listsWhatCanBeChosenAndAllFilesOnRequest)
{
    for (const char *name : {"family.txt", "family_dl.txt", "page.pdf", "terms.ics", "NOTES.TXT"})
        writeTestFile(m_root + QLatin1Char('/') + QLatin1String(name), {});
    show();
    m_finder->setNameFilters({QStringLiteral("*.txt")}, {QStringLiteral("*_dl.txt")});
    EXPECT_EQ(texts(files), (QStringList{"family.txt", "top.txt"}));
    auto *all = m_finder->findChild<QCheckBox *>(QStringLiteral("chkAllFiles"));
    ASSERT_NE(all, nullptr);
    EXPECT_TRUE(all->isVisible());
    all->click();
    EXPECT_EQ(texts(files).size(), 6);
    const QColor greyed = m_finder->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(item(files, QStringLiteral("page.pdf"))->foreground().color(), greyed);
    EXPECT_NE(item(files, QStringLiteral("family.txt"))->foreground().color(), greyed);
    m_finder->setNameFilters({});
    EXPECT_FALSE(all->isVisible());
}

TEST_F(FindFiles, cancelHidesAndHandsOverNothing)
{
    show();
    QSignalSpy cancelled(m_finder.get(), &frmFindFiles::cancelled);
    QSignalSpy selected(m_finder.get(), &frmFindFiles::selected);
    QTest::mouseClick(m_finder->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_FALSE(m_finder->isVisible());
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(selected.count(), 0);
}

TEST_F(FindFiles, showingAgainRefreshesTheLists)
{
    show();
    m_finder->hide();
    writeTestFile(m_root + QStringLiteral("/later.txt"), {});
    show();
    EXPECT_TRUE(texts(files).contains(QStringLiteral("later.txt")));
}

TEST_F(FindFiles, aFolderThatVanishedFallsBackToItsParent)
{
    show();
    openFolder(QStringLiteral("photos"));
    openFolder(QStringLiteral("old"));
    m_finder->hide();
    ASSERT_TRUE(QDir(m_root + QStringLiteral("/photos/old")).removeRecursively());
    show();
    EXPECT_EQ(m_finder->currentFolder(), m_root + QStringLiteral("/photos"));
    EXPECT_EQ(m_finder->strBasePath, m_root + QStringLiteral("/photos/"));
}

TEST_F(FindFiles, everyControlIsNamedAndTabbedInOrder)
{
    m_finder->setNameFilters({QStringLiteral("*.txt")});
    const QList<QWidget *> order = {drive, folders, files, m_finder->findChild<QCheckBox *>(QStringLiteral("chkAllFiles")), done,
                                    m_finder->findChild<QPushButton *>(QStringLiteral("cmdCancel"))};
    for (QWidget *w : order)
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    EXPECT_FALSE(info->accessibleName().isEmpty());
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i]->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << order[i]->objectName().toStdString();
    }
}

TEST_F(FindFiles, changingDriveMovesToThatVolume)
{
    if (drive->count() < 2)
        GTEST_SKIP() << "only one volume is mounted";
    show();
    const int other = drive->currentIndex() == 0 ? 1 : 0;
    const QString root = drive->itemData(other).toString();
    drive->setCurrentIndex(other);
    EXPECT_EQ(volumeRootOf(m_finder->currentFolder()), root);
    EXPECT_EQ(m_finder->strBasePath, basePathFor(m_finder->currentFolder()));
}

} // namespace

namespace {

TEST_F(FindFiles, theFocusedListIsFramedAndTheLabelsSayWhatTheyShow)
{
    show();
    m_finder->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_finder.get()));
    files->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->hasFocus(); }, 2000));
    const QImage focused = files->grab().toImage();
    folders->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return folders->hasFocus(); }, 2000));
    EXPECT_NE(files->grab().toImage(), focused);

    m_finder->setSelectInfo(QStringLiteral("Select a Picture file.\r\nEither a bmp, gif, jpg or wmf."));
    EXPECT_EQ(info->accessibleName(), QStringLiteral("Select a Picture file. Either a bmp, gif, jpg or wmf."));
    m_finder->changeFolder(m_root + QStringLiteral("/photos"));
    EXPECT_EQ(m_finder->findChild<QLabel *>(QStringLiteral("lblFolderPath"))->accessibleName(),
              QDir::toNativeSeparators(m_root + QStringLiteral("/photos")));
}

} // namespace
