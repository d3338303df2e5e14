#pragma once

#include <QWidget>

class TfrReportPainter;

// One prepared page on white with a thin shadow, at a zoom factor (1.0 = the
// sheet's real size on the screen).
class TfrPageView : public QWidget {
    Q_OBJECT
public:
    TfrPageView(TfrReportPainter &pages, QWidget *parent = nullptr);

    void SetPage(int page);
    int Page() const { return page_; }
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // Device-independent pixels per millimetre at zoom 1.
    double PixelsPerMillimetre() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSizeF PageSizePixels() const;

    TfrReportPainter &pages_;
    int page_ = 0;
    double zoom_ = 1.0;
};
