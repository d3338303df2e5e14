#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class TControlEuroMillonApuesta;
class TTicketRenderer;

// One box of the ticket view: a number (block 1) or a star (block 2) that the
// user marks with the mouse. A lightweight item drawn and hit-tested by its
// ticket control, which owns it; it never outlives the control.
class TCasillaEuroMillonApuesta {
public:
    explicit TCasillaEuroMillonApuesta(TControlEuroMillonApuesta *owner, int block = 1, int value = 0);

    TControlEuroMillonApuesta *Owner() const { return owner_; }
    int Block() const { return block_; }
    // Also sets the text colour of the box: red for numbers, blue for stars.
    void SetBlock(int block);
    int Value() const { return value_; }
    void SetValue(int value) { value_ = value; }
    QColor FrameColor() const { return frameColor_; }
    void SetFrameColor(const QColor &colour) { frameColor_ = colour; }
    QColor TextColor() const { return textColor_; }

    QRect Bounds() const { return bounds_; }
    void SetBounds(const QRect &bounds) { bounds_ = bounds; }

    // True when the value is in its block of the owner's shown bet.
    bool IsMarked() const;

    // Draws the box through the renderer, after the owner's draw-box hook.
    void Paint(QPainter *painter, const TTicketRenderer &renderer) const;

    // The user's click: toggles the mark, asking the owner's before-mark hook
    // first (see TControlEuroMillonApuesta::ToggleBox).
    void Click();

private:
    TControlEuroMillonApuesta *owner_;
    int block_ = 1;
    int value_ = 0;
    QColor frameColor_;
    QColor textColor_;
    QRect bounds_;
};
