#pragma once

#include <QPixmap>
#include <QString>

// Resource path of the main window's background picture (100 x 100 pixels).
inline const QString kWallpaperResource = QStringLiteral(":/shell/EUROMILLON_100x100y.png");

// The background picture "EUROMILLON_100x100y" of the main window: 100 x 100
// logical pixels, with an alpha channel, sharp at the given device pixel
// ratio (the 200 x 200 rendering is used above 1). Never null.
QPixmap EuroMillonWallpaper(qreal devicePixelRatio = 1.0);
