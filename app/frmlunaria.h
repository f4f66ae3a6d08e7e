#pragma once

#include "model/calendarstate.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class FontChooser;
class MessageService;
class OutputDevices;
class PageSettingsGroup;
class frmFindFiles;
class frmSelectPrt;
class QTimer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the main window talks to outside itself; tests hand in recorders.
struct LunariaServices
{
    MessageService *messages = nullptr;
    FontChooser *fonts = nullptr;
    OutputDevices *devices = nullptr;
    QDate today = QDate::currentDate();
};

// The main window: shows the calendar's state, lets the user edit it, and runs every command.
class frmLunaria : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmLunaria(const LunariaServices &services, QWidget *parent = nullptr);
    ~frmLunaria() override;

    const CalendarState &state() const { return m_state; }
    // For commands and tests that change the calendar directly; call refreshWidgets after.
    CalendarState &state() { return m_state; }
    void refreshWidgets();

    // Runs one command. A UserError (or any other exception) part-way puts the state back as
    // it was, shows a message naming the command and the reason, and returns false.
    bool runCommand(const QString &name, const std::function<void()> &command);

    // Hands a file just chosen in the file finder to its consumer, once per use of the finder.
    void Form_Activate();
    // The file finder, created hidden on first use.
    frmFindFiles &finder();
    // The page preview beside the form, as last drawn.
    QImage previewImage() const { return m_preview; }

protected:
    bool event(QEvent *event) override;

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

private:
    void Form_Load();
    void buildControls();
    void connectEdits();
    // The face name chosen in the font dialog; "Cancel" when cancelled, empty (after a
    // message) when no printer was chosen since the last print.
    QString SelFontName(const QString &current = QString());
    void chooseFontFor(QString CalendarState::*field);
    void showFinder(const QString &instruction, PendingDialog code);
    void finderSelected();
    void finderCancelled();
    void schedulePreview();
    void drawPreview();

    LunariaServices m_services;
    CalendarState m_state;

    QLabel *lblYear = nullptr;
    QLineEdit *txtYear = nullptr;
    QLabel *lblHeader = nullptr;
    QLineEdit *txtHeader = nullptr;
    QLabel *lblAddress = nullptr;
    QLabel *lblMessage = nullptr;
    std::array<QLineEdit *, 6> txtMessage{};
    QLabel *lblCopies = nullptr;
    QLineEdit *txtCopies = nullptr;
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
    QLabel *lblPictureName = nullptr;
    QLabel *picPreview = nullptr;
    QTimer *m_previewTimer = nullptr;
    QImage m_preview;
    QPointer<frmFindFiles> m_finder;
    QPointer<frmSelectPrt> m_printerChooser;
    QLabel *lblDevice = nullptr;
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
