#pragma once

#include "widgets/ticket_layout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <functional>
#include <optional>

class QPainter;
class TEuroMillonApuesta;

// The four colours of one box, as the draw-box hook may change them.
struct TTicketBoxColours {
    QColor Frame;
    QColor Back;
    QColor Text;
    QColor Mark;
};

// Draws the ticket view of a bet on any QPainter (a widget, an image, a
// printer) from a layout. The ticket control paints only through it.
class TTicketRenderer {
public:
    // Gives a chance to change a box's colours before it is drawn.
    using TColourHook = std::function<void(int block, int value, TTicketBoxColours &colours)>;

    static const QColor kFrameColour;  // silver
    static const QColor kModifiedFill; // navy: the bet on display holds unsaved edits
    static const QColor kAreaPen;      // red outline of the two areas
    static const QColor kNumbersFill;  // white
    static const QColor kStarsFill;    // yellow

    explicit TTicketRenderer(const TTicketLayout &layout) : layout_(layout) {}

    // A box's colours before the hook: silver frame, white background, red
    // text for numbers and blue for stars, black mark.
    static TTicketBoxColours DefaultColours(int block);
    // The font of a block's boxes: 8 points at the design size, growing with
    // the layout; red for numbers, blue for stars is the text colour.
    QFont BoxFont() const;
    // BoxFont, made smaller when two digits would not fit inside the
    // narrowest box with a pixel to spare on each side; every box uses it.
    QFont FittedFont() const;

    // The control's background (client filled with `fill`) and the numbers
    // and stars areas as rounded rectangles.
    void PaintFrame(QPainter *painter, const QRect &client, const QColor &fill) const;
    // One box at `bounds`: numbers boxes filled and framed, star boxes as a
    // stretched star; the value centred; a cross when marked.
    void PaintBox(QPainter *painter, const QRect &bounds, int block, int value,
                  const TTicketBoxColours &colours, bool marked) const;
    // The whole ticket view: frame, then every box of both blocks, marked
    // where the bet holds the value.
    void PaintTicket(QPainter *painter, const QRect &client, const QColor &fill,
                     const TEuroMillonApuesta &bet, const TColourHook &hook = {}) const;

    const TTicketLayout &Layout() const { return layout_; }

private:
    TTicketLayout layout_;
    mutable std::optional<QFont> fittedFont_;
};

// The ticket view of a bet with the tables in force (and the star boxes of the
// bet's game), rendered into an image of
// `size` logical pixels at the given device pixel ratio, on white.
QImage RenderTicketImage(const TEuroMillonApuesta &bet, QSize size, qreal devicePixelRatio = 1.0);
