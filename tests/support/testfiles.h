#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes `bytes` to `name` inside `folder` (a name may hold subfolders; they are made) and
// returns the file's full path. Every step is checked: a file that cannot be written fails
// the running test with the path and the system's reason, and the path is still returned so
// that the test goes on to show what follows from it.
QString writeTestFile(const QString &folder, const QString &name, const QByteArray &bytes);
// The same, to a full path.
QString writeTestFile(const QString &path, const QByteArray &bytes);

// A file's bytes; a file that cannot be read fails the running test, naming it, and gives
// an empty array.
QByteArray readTestFile(const QString &path);

// The text poppler's pdftotext reads from a PDF, with `options` before the file name (e.g.
// {"-bbox"} for every word with its box, as HTML). A missing pdftotext, or one that fails or
// does not finish within 60 seconds, fails the running test and gives an empty string.
QString pdfText(const QString &pdf, const QStringList &options = {});

// Whether pdftotext (poppler-utils) is on the PATH.
bool havePdfToText();
