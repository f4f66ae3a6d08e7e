#pragma once

#include "layout/datelistsink.h"

#include <QSaveFile>
#include <QString>

// The date-list file of one print job. Lines end in CR LF and go to a temporary file beside
// the target; the target is created or replaced only by commit(), so a job that fails before
// leaves the previous file as it was.
class DateListFile : public DateListSink
{
public:
    // Opens the temporary file for `path` (relative paths resolve against the current
    // folder). Throws UserError naming the folder when it cannot be written.
    explicit DateListFile(const QString &path);
    ~DateListFile() override;

    void writeLine(const QString &line) override;
    // Moves the finished file into place. Throws UserError when that fails.
    void commit();
    // The full path of the target file.
    QString path() const { return m_path; }

private:
    QString m_path;
    QSaveFile m_file;
};
