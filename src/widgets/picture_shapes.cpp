#include "widgets/picture_shapes.h"

#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

QPainterPath StarPath(QPointF centre, double outerRadius, double innerRadius, int points)
{
    QPolygonF outline;
    const int corners = 2 * points;
    for (int i = 0; i < corners; ++i) {
        const double radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        outline << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath StarPathIn(const QRectF &bounds)
{
    // A unit star's tips span x in [-0.951, 0.951] and y in [-1, 0.809]; map
    // that box onto the bounds so the tips touch every edge.
    const QPainterPath unit = StarPath(QPointF(0, 0), 1.0, 0.42);
    const QRectF from = unit.boundingRect();
    QTransform map;
    map.translate(bounds.left(), bounds.top());
    map.scale(bounds.width() / from.width(), bounds.height() / from.height());
    map.translate(-from.left(), -from.top());
    return map.map(unit);
}
