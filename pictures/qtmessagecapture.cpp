#include "pictures/qtmessagecapture.h"

#include <QtGlobal>

#include <mutex>

struct QtMessageCaptureAccess
{
    static void append(QtMessageCapture &capture, const QString &message) { capture.m_messages.append(message); }
};

namespace {

thread_local QtMessageCapture *innermost = nullptr;

std::mutex installMutex;
int liveCaptures = 0;                 // guarded by installMutex
QtMessageHandler previous = nullptr;  // written under installMutex while no capture is alive

void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Only warnings and worse tell of damage; Qt's tracing lines go where they would have gone.
    if (innermost && type != QtDebugMsg && type != QtInfoMsg) {
        QString line = message.simplified();
        if (!line.isEmpty())
            QtMessageCaptureAccess::append(*innermost, line);
        return;
    }
    // `previous` does not change while this handler is installed; Qt 6 gives its default
    // handler when none was installed.
    if (previous)
        previous(type, context, message);
}

} // namespace

QtMessageCapture::QtMessageCapture()
{
    {
        const std::lock_guard lock(installMutex);
        if (liveCaptures++ == 0)
            previous = qInstallMessageHandler(handler);
    }
    m_outer = innermost;
    innermost = this;
}

QtMessageCapture::~QtMessageCapture()
{
    innermost = m_outer;
    const std::lock_guard lock(installMutex);
    if (--liveCaptures == 0)
        qInstallMessageHandler(previous);
}
