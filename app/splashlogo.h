#pragma once

#include <QPixmap>
#include <QSize>

// The program's picture: a calendar page under a crescent moon. Drawn, not loaded, so it is
// sharp at any size; used by the splash and as the window icon.
QPixmap drawLunariaLogo(QSize size);
