#pragma once

#include "devices/outputdevices.h"

#include <QPageLayout>

// The PDF device's page: `paper`, or for Paper::AsPrinter Letter in the US and A4 elsewhere,
// portrait, with this margin on every side in points. Twips count from the corner inside
// the margins. The PNG device and the preview take the same page.
inline constexpr double PdfMarginPoints = 12;
QPageLayout pdfPageLayout(Paper paper = Paper::AsPrinter);

// Opens a job that writes one PDF page to `path`, put in place by send(). Throws UserError
// when the file cannot be written.
std::unique_ptr<OutputJob> openPdfJob(const QString &path);
