// Renders the main window's background picture into PNG files, at its own
// size and at twice that size for high-density screens.
//   make_shell_pictures <output folder>

#include "shell/ui/euromillon_emblem.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

bool RenderEmblem(const QString &path, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintEuroMillonEmblem(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_shell_pictures <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = RenderEmblem(folder + QStringLiteral("/EUROMILLON_100x100y.png"), 100) &&
                    RenderEmblem(folder + QStringLiteral("/EUROMILLON_100x100y@2x.png"), 200);
    return ok ? 0 : 1;
}
