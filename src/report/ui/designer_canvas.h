#pragma once

#include "report/report_objects.h"

#include <QWidget>

#include <functional>
#include <vector>

class TfrPage;

// The page under design at scale: the sheet, its margins (dashed), the bands
// as tinted strips, and every object as a framed box with its expression.
// A click selects the topmost object under the mouse (bands last); a drag
// moves it, a drag of its lower-right handle resizes it. The arrow keys move
// the selection by one engine unit, with Shift they change its size.
//
// The canvas never changes the page itself: each finished gesture is handed
// to OnChange as the page's whole object list after it, so that the owner
// can record it for undo.
class TfrDesignCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TfrDesignCanvas(QWidget *parent = nullptr);

    // The page shown; null shows nothing. The page must outlive the canvas
    // or be replaced first.
    void SetPage(const TfrPage *page);
    // The selected object's index in the page's objects; -1 for none.
    int Selected() const { return selected_; }
    void Select(int index);
    // Screen pixels per engine unit.
    double Scale() const { return scale_; }

    std::function<void(std::vector<TfrView> objects)> OnChange;
    std::function<void(int index)> OnSelect;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF ObjectRect(const TfrView &view) const;
    int HitTest(const QPointF &point) const;
    bool OnHandle(const QPointF &point) const;
    void Change(int dx, int dy, int dw, int dh);
    void PaintObject(QPainter &painter, const TfrView &view, bool selected) const;

    const TfrPage *page_ = nullptr;
    int selected_ = -1;
    double scale_;
    static constexpr int kOrigin = 12; // pixels around the sheet
    enum class Drag { None, Move, Resize } drag_ = Drag::None;
    QPointF dragStart_;
    QPointF dragDelta_;
    TfrView dragged_; // the selection as it was when the drag began
    bool dragMoved_ = false;
};
