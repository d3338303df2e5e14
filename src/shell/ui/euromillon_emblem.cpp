#include "shell/ui/euromillon_emblem.h"

#include "widgets/picture_shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor kDeepBlue(0x0B, 0x23, 0x6B);
const QColor kBrightBlue(0x2A, 0x5C, 0xC8);
const QColor kGold(0xFF, 0xCC, 0x1A);
const QColor kGoldEdge(0xC8, 0x8A, 0x00);

void PaintBall(QPainter *painter, QPointF centre, double radius, const QString &label)
{
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    shine.setColorAt(0.0, Qt::white);
    shine.setColorAt(0.6, QColor(0xE6, 0xEC, 0xF8));
    shine.setColorAt(1.0, QColor(0x9F, 0xB0, 0xD6));
    painter->setPen(QPen(QColor(0x06, 0x16, 0x48), radius * 0.08));
    painter->setBrush(shine);
    painter->drawEllipse(centre, radius, radius);

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(qRound(radius * 1.0));
    painter->setFont(font);
    painter->setPen(kDeepBlue);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter->drawText(box, Qt::AlignCenter, label);
}

void PaintGoldStar(QPainter *painter, QPointF centre, double radius)
{
    QLinearGradient fill(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    fill.setColorAt(0.0, QColor(0xFF, 0xF0, 0x80));
    fill.setColorAt(1.0, kGold);
    painter->setPen(QPen(kGoldEdge, radius * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(fill);
    painter->drawPath(StarPath(centre, radius, radius * 0.45));
}

} // namespace

void PaintEuroMillonEmblem(QPainter *painter, const QRectF &bounds)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    // Everything below is drawn on a 100 x 100 design grid.
    painter->translate(bounds.topLeft());
    painter->scale(bounds.width() / 100.0, bounds.height() / 100.0);

    QRadialGradient sky(QPointF(38, 32), 70);
    sky.setColorAt(0.0, kBrightBlue);
    sky.setColorAt(1.0, kDeepBlue);
    painter->setPen(QPen(kGoldEdge, 2.0));
    painter->setBrush(sky);
    painter->drawEllipse(QPointF(50, 50), 47, 47);

    // A ring of small stars around the rim, leaving room for the balls below.
    for (int i = 0; i < 9; ++i) {
        const double angle = (200.0 + i * 17.5) * 3.14159265358979 / 180.0;
        const QPointF at(50 + 37 * std::cos(angle), 50 + 37 * std::sin(angle));
        PaintGoldStar(painter, at, 4.2);
    }

    PaintGoldStar(painter, QPointF(50, 44), 19);
    PaintBall(painter, QPointF(30, 72), 12, QStringLiteral("7"));
    PaintBall(painter, QPointF(70, 72), 12, QStringLiteral("23"));
    painter->restore();
}
