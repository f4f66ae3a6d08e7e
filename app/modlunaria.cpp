#include "app/modlunaria.h"

#include "app/frmlunariasplash.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"
#include "dialogs/credentialsdialog.h"
#include "dialogs/fontchooser.h"
#include "dialogs/subscribedialog.h"
#include "devices/printers.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

// The desktop's save dialog for a control file: a name typed without an extension gets
// ".txt", and replacing a file is confirmed.
QString askControlFilePath(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, frmLunaria::tr("Save Control File"), suggested, frmLunaria::tr("Control files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString askICalendarFile(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getOpenFileName(parent, frmLunaria::tr("Import iCalendar"), suggested,
                                        frmLunaria::tr("iCalendar files (*.ics);;All files (*)"));
}

} // namespace

std::optional<TypedLogin> askLogin(QWidget *parent, const QString &server, const QString &note)
{
    // Over whatever is modal just now (the fetch's progress), so that it can be answered.
    QWidget *over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent;
    CredentialsDialog dialog(server, note, over);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TypedLogin{Credentials{dialog.user(), dialog.password(), {}}, dialog.remember()};
}

modLunaria::modLunaria(LunariaServices services, int splashMs)
{
    m_splash = new frmLunariaSplash(splashMs);
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    m_splash->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_splash->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_splash->move(frame.topLeft());
    }
    // Loading the main window can let events through (the printer plugin does), so the
    // splash may go before the window exists: listen first, show the window once it does.
    QObject::connect(m_splash, &frmLunariaSplash::dismissed, m_splash, [this] {
        m_splashGone = true;
        showMainWindow();
    });
    m_splash->show();

    if (!services.messages) {
        // The real program, not a test: real message boxes, and the window's place kept in
        // the user's settings (~/.config/Lunaria/Lunaria.conf).
        m_messages = std::make_unique<QtMessageService>();
        services.messages = m_messages.get();
        if (!services.settings) {
            m_settings = std::make_unique<QSettings>(QStringLiteral("Lunaria"), QStringLiteral("Lunaria"));
            services.settings = m_settings.get();
        }
    }
    if (!services.marks) {
        // One holiday catalog and .ics reader for the run, on the user's search path; calendar
        // addresses are fetched with the logins of the secret store, or those the user types.
        m_holidays = std::make_unique<HolidayCatalog>();
        MessageService *messages = services.messages;
        m_credentials = std::make_unique<WindowCredentials>(
            [this](const QString &server, const QString &note) { return askLogin(m_main.get(), server, note); },
            [messages](const QString &problem) { messages->show(problem, applicationTitle(), MessageService::Icon::Warning); });
        m_network = std::make_unique<WindowNetwork>(NetworkOptions::fromEnvironment(), *m_credentials,
                                                    [this]() -> QWidget * { return m_main.get(); });
        m_calendars = std::make_unique<IcsReader>(m_network.get());
        m_marks = std::make_unique<MarkSources>(MarkSources{*m_holidays, *m_calendars});
        services.marks = m_marks.get();
        if (!services.discoverCalendars)
            services.discoverCalendars = [this](const QString &address) { return m_network->discover(address); };
    }
    if (!services.fonts) {
        m_fonts = std::make_unique<QtFontChooser>();
        services.fonts = m_fonts.get();
    }
    // The file dialogs sit over the main window, made below and kept as long as this.
    if (!services.askControlFilePath)
        services.askControlFilePath = [this](const QString &suggested) { return askControlFilePath(m_main.get(), suggested); };
    if (!services.askExportFile)
        services.askExportFile = [this](const QString &suggested) {
            return QFileDialog::getSaveFileName(m_main.get(), frmLunaria::tr("Export Marked Days"), suggested,
                                                frmLunaria::tr("iCalendar files (*.ics)"));
        };
    if (!services.askICalendarFile)
        services.askICalendarFile = [this](const QString &suggested) { return askICalendarFile(m_main.get(), suggested); };
    Printers *printers = nullptr;
    if (!services.devices) {
        auto owned = std::make_unique<Printers>();
        printers = owned.get();
        services.devices = printers;
        m_devices = std::move(owned);
    }
    m_main = std::make_unique<frmLunaria>(services);
    // Boxes belong to the main window: centred on it and kept above it.
    if (m_messages)
        m_messages->setParent(m_main.get());
    if (printers) {
        frmLunaria *window = m_main.get();
        printers->setSaveLocationAsker([window] {
            return QFileDialog::getSaveFileName(window, frmLunaria::tr("Save the calendar as PDF"),
                                                QStringLiteral("calendar.pdf"), frmLunaria::tr("PDF files (*.pdf)"));
        });
    }

    if (m_splashGone)
        showMainWindow();
}

void modLunaria::showMainWindow()
{
    if (!m_main || m_shows > 0)
        return;
    ++m_shows;
    m_main->show();
    m_main->activateWindow();
}

modLunaria::~modLunaria()
{
    delete m_splash.data();
}

frmLunariaSplash *modLunaria::splash() const
{
    return m_splash.data();
}

