#pragma once

#include "calendar/datelistsink.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QByteArray>
#include <QString>

// The date-list file of one print job. The lines (ending in CR LF) are kept until the page
// is drawn, then written to a temporary file beside the target by prepare(); commit() puts
// it in place. A job that fails before the commit leaves the previous file as it was, and
// no temporary file.
class DateListFile : public DateListSink
{
public:
    // Opens the temporary file for `path` (relative paths resolve against the current
    // folder; a link is written through). Throws UserError naming the file and folder when
    // it cannot be written there.
    explicit DateListFile(const QString &path);

    void writeLine(const QString &line) override;
    // Writes the lines so far to the temporary file and flushes them, so that a full disk
    // shows before the page is sent. Throws UserError when that fails.
    void prepare();
    // Moves the finished file into place. Throws UserError when that fails.
    void commit();
    // The full path of the target file.
    QString path() const { return m_file.path(); }

private:
    UserError cannotWrite(const QString &reason) const;

    SaveFile m_file;
    QByteArray m_lines;
};
