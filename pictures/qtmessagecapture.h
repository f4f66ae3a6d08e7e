#pragma once

#include <QStringList>

// Catches what Qt and its image-format plugins print through qWarning() and qCritical()
// ("libpng warning: ...", "Corrupt JPEG data: ...") while it is alive, on the thread that made
// it, so that the caller can pass the text on with the file's name. Messages from other
// threads, and debug and info lines from any, go to the handler that was installed before,
// untouched.
//
// One process-wide handler is installed while any capture is alive (on any thread) and the
// previous one is put back when the last capture ends; each thread collects into its own
// innermost capture. Create and destroy a capture on the same thread.
class QtMessageCapture
{
public:
    QtMessageCapture();
    ~QtMessageCapture();
    QtMessageCapture(const QtMessageCapture &) = delete;
    QtMessageCapture &operator=(const QtMessageCapture &) = delete;

    // The messages caught so far, in order, each on one line.
    const QStringList &messages() const { return m_messages; }

private:
    friend struct QtMessageCaptureAccess;
    QStringList m_messages;
    QtMessageCapture *m_outer = nullptr;
};
