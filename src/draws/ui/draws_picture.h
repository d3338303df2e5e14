#pragma once

#include <QWidget>

// The decorative picture at the top left of the draw windows: the game's
// stars over a gradient, with a caption.
class TDrawsPicture : public QWidget {
public:
    TDrawsPicture(const QSize &size, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
