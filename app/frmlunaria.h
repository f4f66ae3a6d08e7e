#pragma once

#include "app/calendardocument.h"
#include "dialogs/subscribedialog.h"
#include "model/calendarstate.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class ElidedLabel;
class FontChooser;
class QSettings;
class MarkedDaysGroup;
class MessageService;
struct MarkSources;
class OutputDevices;
class PageSettingsGroup;
class PreviewPane;
class frmFindFiles;
class frmSelectPrt;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QVBoxLayout;

// What the main window talks to outside itself; tests hand in recorders.
struct LunariaServices
{
    MessageService *messages = nullptr;
    // The holiday catalog and the .ics reader every mark is worked out with.
    const MarkSources *marks = nullptr;
    FontChooser *fonts = nullptr;
    OutputDevices *devices = nullptr;
    QDate today = QDate::currentDate();
    // Ask for a file through the desktop's file dialog, starting at `suggested`; an empty
    // answer is a cancel. Where to save the control file, and which iCalendar file to read.
    std::function<QString(const QString &suggested)> askControlFilePath;
    std::function<QString(const QString &suggested)> askICalendarFile;
    // Where the window keeps its size and position between runs; none: it starts at its
    // default size every time.
    QSettings *settings = nullptr;
    // Where "Export Marked Days..." writes; empty cancels.
    std::function<QString(const QString &suggested)> askExportFile;
    // The calendars the CalDAV server of a caldav+ address offers ("Subscribe to Calendar...");
    // unset: none are offered.
    SubscribeDialog::Discover discoverCalendars;
    // An .ics file the window imports into its new calendar as soon as it shows, as the
    // desktop's "Open With" asks; empty: none.
    QString importAtStart;
};

// The main window: shows the calendar's state, lets the user edit it, and runs every command.
// Each part of it is built by one function, its signals connected beside its widgets; the
// calendar itself is the document's.
class QTimer;

class frmLunaria : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmLunaria(const LunariaServices &services, QWidget *parent = nullptr);
    ~frmLunaria() override;

protected:
    // A WindowActivate hands over the file just chosen in the finder (Form_Activate).
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Offers to save a modified calendar first; "Cancel" keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void cmdYrFont_Click();
    void cmdHdrFont_Click();
    void cmdAdrFont_Click();
    void cmdMsgFont_Click();
    void cmdCalendarFont_Click();
    void cmdPickPic_Click();
    void cmdReadControls_Click();
    void cmdSelPrinter_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void mnuHelp_Click();
    void mnuNewCalendar_Click();
    void mnuSaveControlFile_Click();
    void mnuSaveControlFileAs_Click();
    void mnuImportICalendar_Click();
    void mnuSubscribeCalendar_Click();
    void mnuExportMarkedDays_Click();
    void cmdAddRule_Click();
    void cmdEditRule_Click(int row);
    void cmdRemoveRule_Click(int row);
    void cmdMoveRule_Click(int row, int to);

private:
    void Form_Load();
    // Adds a rule for the .ics file at `path` through the rule dialog, its label the calendar's
    // own name; nothing for an empty path.
    void importICalendar(const QString &path);
    // Hands a file just chosen in the file finder to its consumer, once per use of the finder.
    void Form_Activate();
    // The size and place the user last gave the window, or else most of the screen's height,
    // so that the page in the preview is large enough to read.
    void placeOnScreen();
    void buildControls();
    // The year, header, notes, message, copies and picture fields, with what they say.
    QGridLayout *createCalendarForm(QWidget *parent);
    QGroupBox *createFontsGroupBox(QWidget *parent);
    QGridLayout *createCommandButtons(QWidget *parent);
    PageSettingsGroup *createPageGroupBox(QWidget *parent);
    MarkedDaysGroup *createMarkedDaysGroupBox(QWidget *parent);
    PreviewPane *createPreviewPane(QWidget *parent);
    void buildMenus();
    // Shows the calendar in every widget again, after a command or a file.
    void refreshWidgets();
    // Runs one command. A UserError (or any other exception) part-way puts the calendar back
    // as it was, shows a message naming the command and the reason, and returns false.
    bool runCommand(const QString &name, const std::function<void()> &command);
    // A field's edit, written into the calendar; the title and the preview follow.
    void fieldEdited(const std::function<void(CalendarState &)> &write);
    void yearEdited(const QString &text);
    // Works the marks out again for the year in the box, and shows them.
    void refreshYearMarks();
    void pageEdited(const PageSettings &page);
    void updateTitle();
    // Reads the control file the finder handed over: alone, or its rules added to these.
    void readControlFile();
    // Saves to `path`, or asks where when it is empty. False when cancelled or failed.
    bool saveDocument(const QString &path);
    // True when the calendar may be set aside: unmodified, saved, or "Don't Save".
    bool offerToSave();
    // Runs `change` on the rules as the command `name`, then works out the marks and shows
    // them at once; `change` returns the row to choose in the list afterwards.
    void changeRules(const QString &name, const std::function<int()> &change);
    // The rule dialog, modal over the window, showing `rule`; OK replaces rule `index` or,
    // for -1, adds the rule at the end.
    void openRuleDialog(int index, const MarkRule &rule);
    void ruleAccepted(int index, const MarkRule &rule);
    // A day clicked in the preview: a new rule for that date, or the rule that marks it.
    void offerRuleForDay(QDate day);
    // The face name chosen in the font dialog; "Cancel" when cancelled, empty (after a
    // message) when no printer was chosen since the last print.
    QString SelFontName(const QString &current = QString(), double points = 24);
    // Lets the user choose the face of one text role, the dialog showing it at `points`.
    void chooseFontFor(QString CalendarState::*field, double points);
    // The file finder, created hidden on first use.
    frmFindFiles &finder();
    void showFinder(const QString &instruction, PendingDialog code);
    void finderSelected();
    void finderCancelled();

    CalendarState &state() { return m_document.state(); }
    const CalendarState &state() const { return m_document.state(); }

    LunariaServices m_services;
    CalendarDocument m_document;

    QLabel *lblYear = nullptr;
    QLineEdit *txtYear = nullptr;
    QLabel *lblHeader = nullptr;
    QLineEdit *txtHeader = nullptr;
    QLabel *lblAddress = nullptr;
    QLabel *lblMessage = nullptr;
    std::array<QLineEdit *, 6> txtMessage{};
    QLabel *lblCopies = nullptr;
    QLineEdit *txtCopies = nullptr;
    QLabel *lblTopOnly = nullptr;
    QCheckBox *chkFullPicture = nullptr;
    QPushButton *cmdYrFont = nullptr;
    QPushButton *cmdHdrFont = nullptr;
    QPushButton *cmdAdrFont = nullptr;
    QPushButton *cmdMsgFont = nullptr;
    QPushButton *cmdCalendarFont = nullptr;
    QPushButton *cmdPickPic = nullptr;
    QPushButton *cmdReadControls = nullptr;
    QPushButton *cmdSelPrinter = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdExit = nullptr;
    QAction *mnuHelp = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuNewCalendar = nullptr;
    QAction *mnuSelectControlFile = nullptr;
    QAction *mnuSaveControlFile = nullptr;
    QAction *mnuSaveControlFileAs = nullptr;
    QAction *mnuImportICalendar = nullptr;
    QAction *mnuSubscribeCalendar = nullptr;
    QAction *mnuExportMarkedDays = nullptr;
    QAction *mnuDone = nullptr;
    MarkedDaysGroup *m_markedDays = nullptr;
    // Runs out when typing in the year box pauses, where online calendars mark the page.
    QTimer *m_yearMarks = nullptr;
    ElidedLabel *lblPictureName = nullptr;
    PreviewPane *picPreview = nullptr;
    QPointer<frmFindFiles> m_finder;
    QPointer<frmSelectPrt> m_printerChooser;
    ElidedLabel *lblDevice = nullptr;
    PageSettingsGroup *grpPage = nullptr;
    // "Select" was pressed in the finder and its file not yet handed over.
    bool m_finderChoiceWaiting = false;
    // A command is running (runCommand); activations wait until it is over.
    bool m_inCommand = false;
    // The file the picture in picTemp came from, for the form's picture line.
    const void *m_namedPicture = nullptr;
    QString m_pictureName;
};

// The help text of the Help menu, lines joined with line breaks.
QString helpText();
