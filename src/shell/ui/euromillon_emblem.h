#pragma once

class QPainter;
class QRectF;

// The program's emblem: a deep-blue disc holding two lottery balls and the
// golden stars of the game. Drawn in vector form so that the picture tool can
// render it at any size; the main window shows the rendered picture.
void PaintEuroMillonEmblem(QPainter *painter, const QRectF &bounds);
