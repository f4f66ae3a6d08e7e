#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

QString writeTestFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(name);
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent)) {
        ADD_FAILURE() << "cannot make the folder " << qPrintable(parent);
        return path;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot write " << qPrintable(path) << ": " << qPrintable(file.errorString());
        return path;
    }
    if (file.write(bytes) != bytes.size() || !file.flush())
        ADD_FAILURE() << "cannot write " << qPrintable(path) << ": " << qPrintable(file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        ADD_FAILURE() << "cannot close " << qPrintable(path) << ": " << qPrintable(file.errorString());
    return path;
}

QString writeTestFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    return writeTestFile(info.path(), info.fileName(), bytes);
}

QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(path) << ": " << qPrintable(file.errorString());
        return {};
    }
    return file.readAll();
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString &pdf, const QStringList &options)
{
    if (!havePdfToText()) {
        ADD_FAILURE() << "pdftotext (poppler-utils) is not installed; scripts/install-deps installs it";
        return {};
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList(options) << pdf << QStringLiteral("-"));
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "pdftotext did not finish on " << qPrintable(pdf);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << qPrintable(pdf) << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
