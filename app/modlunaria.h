#pragma once

#include "app/frmlunaria.h"
#include "app/windowfetcher.h"
#include "platform/messages.h"

#include <memory>

class frmLunariaSplash;
class HolidayCatalog;
class IcsReader;
struct MarkSources;
class QSettings;

// The running desktop program: the Qt services, the main window and, until it goes, the
// splash.
class modLunaria
{
public:
    // Shows the splash at once and loads the main window hidden; the main window is shown
    // when the splash goes. `services` may be left empty to use the real dialogs.
    explicit modLunaria(LunariaServices services = {}, int splashMs = 3000);
    ~modLunaria();

    frmLunaria &mainWindow() { return *m_main; }
    frmLunariaSplash *splash() const;
    // How often the main window was shown by the splash hand-over (tests: exactly once).
    int mainWindowShows() const { return m_shows; }

private:
    void showMainWindow();

    std::unique_ptr<QtMessageService> m_messages;
    std::unique_ptr<HolidayCatalog> m_holidays;
    std::unique_ptr<WindowCredentials> m_credentials;
    std::unique_ptr<WindowNetwork> m_network;
    std::unique_ptr<IcsReader> m_calendars;
    std::unique_ptr<MarkSources> m_marks;
    std::unique_ptr<FontChooser> m_fonts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<OutputDevices> m_devices;
    std::unique_ptr<frmLunaria> m_main;
    QPointer<frmLunariaSplash> m_splash;
    int m_shows = 0;
    bool m_splashGone = false;
};

// Asks for the login a server wants in the "Log In" dialog, modal over `parent` or whatever
// is modal just now; none when cancelled.
std::optional<TypedLogin> askLogin(QWidget *parent, const QString &server, const QString &note);

