#pragma once

#include "devices/outputdevices.h"

#include <QPageLayout>

// The PDF device's page: `paper`, or for Paper::AsPrinter Letter in the US and A4 elsewhere,
// portrait, with this margin on every side in points. Twips count from the corner inside
// the margins. The PNG device and the preview take the same page.
inline constexpr double PdfMarginPoints = 12;
QPageLayout pdfPageLayout(Paper paper = Paper::AsPrinter);

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
