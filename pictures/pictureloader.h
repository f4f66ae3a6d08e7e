#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class Picture;

// The largest picture file read: 64 MiB. Real photographs of a calendar's size are a few MB;
// the limit bounds the memory a picture's bytes take before any header is trusted.
inline constexpr qint64 MaxPictureFileBytes = 64LL * 1024 * 1024;

// The most pixels a raster picture may have: 64 megapixels (256 MB decoded). Nobody prints a
// calendar picture larger than that; anything larger is refused before a pixel is allocated.
inline constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// Loads a bmp, gif, jpg or Windows Metafile, recognised by its content rather than its name.
// Only a regular file (symbolic links followed) of at most MaxPictureFileBytes is read, and it
// is opened so that nothing can block (a FIFO put in its place is refused, not waited for).
// Returns nullptr and, when `error` is given, a reason that names the file when the file is
// not a regular file, unreadable, truncated, corrupt, too large, or would cost more to draw
// than a picture may. What the image decoders warned about while reading a picture that
// loaded anyway goes to `warnings`, one line each, naming the file; the decoders' own output
// (stderr) stays quiet.
std::shared_ptr<const Picture> loadPicture(const QString &path, QString *error = nullptr,
                                           QStringList *warnings = nullptr);

// The same for the bytes of a picture file; the reasons and warnings do not name a file.
std::shared_ptr<const Picture> pictureFromBytes(const QByteArray &data, QString *error = nullptr,
                                                QStringList *warnings = nullptr);
