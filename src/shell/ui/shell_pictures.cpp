#include "shell/ui/shell_pictures.h"

#include "shell/ui/euromillon_emblem.h"

#include <QPainter>

// The resources live in a static library: their registration must be pulled
// in explicitly, once, from the code that reads them. (Outside any namespace:
// the macro declares the registration function where it stands.)
static int RegisterShellResources()
{
    Q_INIT_RESOURCE(shell);
    return 1;
}

static void EnsureShellResources()
{
    static const int registered = RegisterShellResources();
    (void)registered;
}

QPixmap EuroMillonWallpaper(qreal devicePixelRatio)
{
    EnsureShellResources();
    const bool dense = devicePixelRatio > 1.0;
    QPixmap picture(dense ? QStringLiteral(":/shell/EUROMILLON_100x100y@2x.png") : kWallpaperResource);
    if (picture.isNull()) {
        // A build without the resource still shows the emblem.
        const int side = dense ? 200 : 100;
        picture = QPixmap(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        PaintEuroMillonEmblem(&painter, QRectF(0, 0, side, side));
    }
    picture.setDevicePixelRatio(dense ? 2.0 : 1.0);
    return picture;
}
