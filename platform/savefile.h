#pragma once

#include <QString>

#include <optional>

class QSaveFile;

// Opens `file` for writing to a temporary file beside its target, which only commit()
// replaces, so that a failure leaves the previous file as it was. Returns the reason when
// it cannot ("the folder does not exist", or the system's reason); nothing is created then.
std::optional<QString> openSaveFile(QSaveFile &file);
