#pragma once

#include "model/ticket_tables.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where everything of one bet stands on screen: the ticket tables (lengths in
// tenths of a millimetre) scaled to a control's size in pixels.
//
// The tables are stretched, not uniformly scaled: their on-screen box sizes
// were made for a bet drawn 107 x 212 pixels. A control of another shape keeps
// that proportion: the bet is drawn in the largest 107:212 rectangle centred
// in the control (at 107 x 212 exactly, and in any control of that shape, the
// whole control). Rectangles follow the ticket's own convention: right and
// bottom edges are exclusive (x() + width() is the right edge).
//
// The tables hold the stars of the classic game (1 to 9). A bet of today's
// game (stars 1 to 12) gets a star grid of its own on screen: see
// ScreenStarGrid.
class TTicketLayout {
public:
    static constexpr int kDesignWidth = 107;
    static constexpr int kDesignHeight = 212;

    TTicketLayout() = default;
    // Lays out a bet of the given tables, with stars 1 to highestStar, in a
    // control of the given size.
    TTicketLayout(const TFormatoBoleto &format, const TGeometriaBoleto &geometry, QSize controlSize,
                  int highestStar = kClassicHighestStar);

    static constexpr int kClassicHighestStar = 9;

    // The highest value of a block on this layout: 50 numbers, 9 or 12 stars.
    int HighestValue(int block) const;

    // The control size it was made for.
    QSize ControlSize() const { return controlSize_; }
    // Pixels per tenth of a millimetre.
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    // The rectangle the bet is drawn in, and its size relative to the design
    // size (1.0 at 107 x 212): fonts grow with it.
    QRect BetRect() const { return betRect_; }
    double FontScale() const { return fontScale_; }

    QRect NumbersArea() const { return numbersArea_; }
    QRect StarsArea() const { return starsArea_; }

    // The on-screen box of a value (the printed cell enlarged and centred on
    // it); an empty rectangle for a value outside its block's range.
    QRect BoxBounds(int block, int value) const;
    // The box under a point: true with its block and value, false when the
    // point is on no box.
    bool BoxAt(QPoint point, int &block, int &value) const;

    // A typing field of the numbers view: block 1 positions 1 to 5, block 2
    // positions 1 to 2; the field keeps the height it is given.
    QRect FieldBounds(int block, int position, int fieldHeight) const;

private:
    TGeometriaBoleto geometry_{};
    int highestStar_ = kClassicHighestStar;
    QSize controlSize_;
    double scaleX_ = 0;
    double scaleY_ = 0;
    double fontScale_ = 1.0;
    QRect betRect_;
    QRect numbersArea_;
    QRect starsArea_;
    // Unscaled on-screen box origin and size per block (index 1 and 2).
    double boxLeft_[3] = {};
    double boxTop_[3] = {};
};

// The star grid of a bet with stars 1 to highestStar. Up to the grid's own
// room (9 stars) it is the ticket's grid unchanged. Beyond, the grid grows
// along the direction its values run in (a column more on a ticket filled
// down the columns, a row more on one filled along the rows), so that stars
// 1 to 9 keep their order, and its step shrinks, where needed, so that the
// grid stays inside the bet (the width of a bet, or the stars part of it),
// centred there.
TGeometriaBloque ScreenStarGrid(const TFormatoBoleto &format, const TGeometriaBloque &stars, int highestStar);

// Rounds to the nearest integer, halves to even, as the ticket's layout does.
int RoundHalfEven(double value);
