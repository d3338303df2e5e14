#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Outline of a star with `points` tips (5 by default) centred on `centre`,
// the first tip straight up. `outerRadius` reaches the tips, `innerRadius`
// the notches between them.
QPainterPath StarPath(QPointF centre, double outerRadius, double innerRadius, int points = 5);

// A five-pointed star filling `bounds` (stretched to its width and height),
// as the ticket's star boxes and the pictures draw it.
QPainterPath StarPathIn(const QRectF &bounds);
