#pragma once

#include <QMdiArea>
#include <QPixmap>

// The background picture of the empty client area: drawn unscaled in the
// lower right corner, 30 pixels from the right edge and 20 above the bottom
// edge of the area holding the child windows; child windows paint over it.
class TWallPaper {
public:
    explicit TWallPaper(const QPixmap &picture);
    const QPixmap &Picture() const { return picture_; }
    // Top left corner of the picture in an area of the given size; may be
    // negative when the area is smaller than the picture and its margins.
    QPoint Position(const QSize &areaSize) const;
    void Paint(QPainter &painter, const QSize &areaSize) const;

private:
    QPixmap picture_;
};

// The area of the child windows, with the background picture behind them.
class TMdiClientArea : public QMdiArea {
    Q_OBJECT

public:
    explicit TMdiClientArea(QWidget *parent = nullptr);
    ~TMdiClientArea() override;
    // Takes over the background painting; a null picture restores the normal one.
    void SetWallPaper(std::unique_ptr<TWallPaper> wallPaper);
    const TWallPaper *WallPaper() const { return wallPaper_.get(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<TWallPaper> wallPaper_;
};
