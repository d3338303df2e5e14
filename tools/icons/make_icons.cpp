// Draws the application icon as PNG files of the hicolor sizes, the same
// picture as dist/linux/icons/qor-euromillon.svg (a play slip with five
// marked numbers and a star), so that no SVG renderer is needed to build.
//   qor_make_icons OUTPUT_FOLDER   writes OUTPUT_FOLDER/<size>/qor-euromillon.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>

namespace {

const QColor kBlue(0x1c, 0x3f, 0x94);
const QColor kGold(0xf7, 0xc6, 0x00);
const QColor kGoldEdge(0xc9, 0x9a, 0x00);

// Drawn in the SVG's 256 x 256 coordinates.
void DrawIcon(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(44, 36, 168, 184), 14, 14);
    painter.setBrush(kBlue);
    for (const QPointF centre :
         {QPointF(80, 76), QPointF(128, 76), QPointF(176, 76), QPointF(104, 116), QPointF(152, 116)})
        painter.drawEllipse(centre, 14, 14);
    const QPolygonF star({{128, 140},
                          {139.8, 163.8},
                          {166, 167.6},
                          {147, 186.2},
                          {151.5, 212.4},
                          {128, 200},
                          {104.5, 212.4},
                          {109, 186.2},
                          {90, 167.6},
                          {116.2, 163.8}});
    QPen edge(kGoldEdge, 4);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(kGold);
    painter.drawPolygon(star);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qor_make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 256.0, size / 256.0);
        DrawIcon(painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder) ||
            !image.save(output.filePath(folder + QStringLiteral("/qor-euromillon.png")))) {
            std::fprintf(stderr, "qor_make_icons: cannot write %s\n", qPrintable(output.filePath(folder)));
            return 1;
        }
    }
    return 0;
}
