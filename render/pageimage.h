#pragma once

#include <QImage>
#include <QSizeF>

// A white page of `inches` at `dpi` dots per inch, with that resolution recorded in the
// image so that a painter on it maps points as a printer would. Null when there is not
// enough memory for it.
QImage blankPageImage(const QSizeF &inches, double dpi);
