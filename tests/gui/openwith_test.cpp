// The window opened with an .ics file, as the desktop's "Open With" starts it: a new calendar
// that imports the file through the rule dialog.

#include "dialogs/frmrule.h"
#include "tests/gui/windowfixture.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class OpenWith : public WindowTest
{
protected:
    OpenWith() { importAtStart = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/school-year-terms.ics"); }
};

TEST_F(OpenWith, AnIcsFileOpensTheRuleDialogForItAndBecomesTheCalendarsRule)
{
    frmRule *dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = window->findChild<frmRule *>()) && dialog->isVisible(); }, 2000));
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("txtLabel"))->text(), "School holidays 2027/2028");
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok)->click();
    auto *list = child<QListWidget>("lstMarkedDays");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith(QLatin1String("School holidays 2027/2028: "))) << list->item(0)->text().toStdString();
    // A new calendar, not yet saved: the title has no file name and says it is changed.
    EXPECT_TRUE(window->windowTitle().contains(QLatin1Char('*'))) << window->windowTitle().toStdString();
}

} // namespace
