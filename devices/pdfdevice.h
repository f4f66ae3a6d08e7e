#pragma once

#include "devices/outputdevices.h"

#include <QPageLayout>

// The PDF device's page: Letter in the US, else A4, portrait, with this margin on every side
// in points. Twips count from the corner inside the margins.
inline constexpr double PdfMarginPoints = 12;
QPageLayout pdfPageLayout();

// Opens a job that writes one PDF page to `path`: send() writes it beside the file, commit()
// puts it in place. Throws UserError when the file cannot be written (its folder is missing,
// it is not a regular file).
std::unique_ptr<OutputJob> openPdfJob(const QString &path);

// One output device, "PDF file", writing to a path given up front (the command line).
class PdfFileDevice : public OutputDevices
{
public:
    explicit PdfFileDevice(QString path) : m_path(std::move(path)) {}

    QStringList deviceNames() override { return {currentName()}; }
    void setCurrent(int index) override;
    QString currentName() const override { return PdfDeviceName; }
    std::unique_ptr<OutputJob> openJob() override { return openPdfJob(m_path); }

private:
    QString m_path;
};
