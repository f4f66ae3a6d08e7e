#pragma once

#include <QString>

#include <memory>

class Picture;

// Loads a bmp, gif, jpg or Windows Metafile, recognised by its content rather than its name.
// Returns nullptr and, when `error` is given, a reason when the file is unreadable, truncated,
// corrupt or absurdly large.
std::shared_ptr<const Picture> loadPicture(const QString &path, QString *error = nullptr);
