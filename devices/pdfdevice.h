#pragma once

#include "devices/outputdevices.h"

#include <QPageLayout>

// The PDF device's page: Letter in the US, else A4, portrait, with this margin on every side
// in points. Twips count from the corner inside the margins.
inline constexpr double PdfMarginPoints = 12;
QPageLayout pdfPageLayout();

// Opens a job that writes one PDF page to `path`, put in place by send(). Throws UserError
// when the file cannot be written.
std::unique_ptr<OutputJob> openPdfJob(const QString &path);
