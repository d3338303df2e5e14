#include "report/ui/designer_canvas.h"

#include "report/render/report_fonts.h"
#include "report/report_page.h"
#include "report/report_units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHandle = 6.0;

QString Qt8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

TfrDesignCanvas::TfrDesignCanvas(QWidget *parent)
    : QWidget(parent), scale_(logicalDpiX() / 25.4 / kUnitsPerMillimetre)
{
    setObjectName(QStringLiteral("DesignCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
}

void TfrDesignCanvas::SetPage(const TfrPage *page)
{
    page_ = page;
    if (!page_ || selected_ >= int(page_->Objects().size()))
        selected_ = -1;
    updateGeometry();
    resize(sizeHint());
    update();
}

void TfrDesignCanvas::Select(int index)
{
    selected_ = page_ && index >= 0 && index < int(page_->Objects().size()) ? index : -1;
    update();
    if (OnSelect)
        OnSelect(selected_);
}

QSize TfrDesignCanvas::sizeHint() const
{
    if (!page_)
        return {200, 200};
    return {int(std::ceil(page_->WidthUnits() * scale_)) + 2 * kOrigin,
            int(std::ceil(page_->HeightUnits() * scale_)) + 2 * kOrigin};
}

QRectF TfrDesignCanvas::ObjectRect(const TfrView &view) const
{
    double left = view.Left, width = view.Width;
    if (view.Kind == TfrViewKind::Band) {
        // A band spans the printable width whatever its own width says.
        left = page_->Margins().Left;
        width = page_->WidthUnits() - page_->Margins().Left - page_->Margins().Right;
    }
    return {kOrigin + left * scale_, kOrigin + view.Top * scale_, std::max(width * scale_, 1.0),
            std::max(view.Height * scale_, 1.0)};
}

int TfrDesignCanvas::HitTest(const QPointF &point) const
{
    if (!page_)
        return -1;
    const std::vector<TfrView> &objects = page_->Objects();
    for (bool bands : {false, true}) {
        for (int i = int(objects.size()) - 1; i >= 0; --i) {
            const TfrView &view = objects[size_t(i)];
            if ((view.Kind == TfrViewKind::Band) == bands &&
                ObjectRect(view).adjusted(-2, -2, 2, 2).contains(point))
                return i;
        }
    }
    return -1;
}

bool TfrDesignCanvas::OnHandle(const QPointF &point) const
{
    if (selected_ < 0)
        return false;
    const QPointF corner = ObjectRect(page_->Objects()[size_t(selected_)]).bottomRight();
    return std::abs(point.x() - corner.x()) <= kHandle && std::abs(point.y() - corner.y()) <= kHandle;
}

void TfrDesignCanvas::PaintObject(QPainter &painter, const TfrView &view, bool selected) const
{
    QRectF rect = ObjectRect(view);
    if (selected && drag_ == Drag::Move)
        rect.translate(dragDelta_);
    else if (selected && drag_ == Drag::Resize)
        rect.adjust(0, 0, dragDelta_.x(), dragDelta_.y());
    switch (view.Kind) {
    case TfrViewKind::Band:
        painter.fillRect(rect, QColor(230, 238, 250, 160));
        painter.setPen(QPen(QColor(120, 140, 190), 0, Qt::DotLine));
        painter.drawRect(rect);
        painter.setPen(QColor(90, 110, 160));
        painter.drawText(rect.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop, Qt8(view.Name));
        break;
    case TfrViewKind::CheckBox:
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.drawRect(rect);
        painter.drawLine(rect.topLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomLeft());
        break;
    case TfrViewKind::Picture: {
        QImage image;
        if (image.loadFromData(reinterpret_cast<const uchar *>(view.Picture.data()),
                               int(view.Picture.size())))
            painter.drawImage(rect, image);
        painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
        painter.drawRect(rect);
        break;
    }
    case TfrViewKind::Memo: {
        painter.setPen(QPen(QColor(170, 170, 170), 0, Qt::DotLine));
        painter.drawRect(rect);
        QFont font(ReportFontFamily(view.Font.Family));
        font.setPointSizeF(std::max(1.0, view.Font.Size * scale_ * kUnitsPerMillimetre * 25.4 / 72.0 * 72.0 /
                                             std::max(1, logicalDpiY())));
        font.setBold(view.Font.Bold);
        font.setItalic(view.Font.Italic);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int h = view.Alignment & frtaHorizontalMask;
        const Qt::Alignment align = (h == frtaRight    ? Qt::AlignRight
                                     : h == frtaCenter ? Qt::AlignHCenter
                                                       : Qt::AlignLeft) |
                                    Qt::AlignVCenter;
        // Turned as the preview prints it. The expression is shown, not the
        // value that grows an auto-width memo, so it is kept in the frame.
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        QRectF line = rect;
        if (view.Alignment & frtaVertical) {
            painter.translate(rect.bottomLeft());
            painter.rotate(-90);
            line = QRectF(0, 0, rect.height(), rect.width());
        }
        painter.drawText(line, align, Qt8(view.Memo));
        painter.restore();
        break;
    }
    }
    if (view.Frame != 0) {
        painter.setPen(QPen(Qt::black, 0));
        if (view.Frame & frbLeft)
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
        if (view.Frame & frbTop)
            painter.drawLine(rect.topLeft(), rect.topRight());
        if (view.Frame & frbRight)
            painter.drawLine(rect.topRight(), rect.bottomRight());
        if (view.Frame & frbBottom)
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    if (selected) {
        painter.setPen(QPen(QColor(0, 90, 220), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(-1, -1, 1, 1));
        painter.fillRect(
            QRectF(rect.bottomRight() - QPointF(kHandle / 2, kHandle / 2), QSizeF(kHandle, kHandle)),
            QColor(0, 90, 220));
    }
}

void TfrDesignCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    if (!page_)
        return;
    const QRectF sheet(kOrigin, kOrigin, page_->WidthUnits() * scale_, page_->HeightUnits() * scale_);
    painter.fillRect(sheet, Qt::white);
    const TfrMargins &m = page_->Margins();
    painter.setPen(QPen(QColor(160, 160, 160), 0, Qt::DashLine));
    painter.drawRect(sheet.adjusted(m.Left * scale_, m.Top * scale_, -m.Right * scale_, -m.Bottom * scale_));
    const std::vector<TfrView> &objects = page_->Objects();
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].Kind == TfrViewKind::Band)
            PaintObject(painter, objects[i], int(i) == selected_);
    }
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].Kind != TfrViewKind::Band)
            PaintObject(painter, objects[i], int(i) == selected_);
    }
}

void TfrDesignCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    if (event->button() != Qt::LeftButton || !page_)
        return;
    const QPointF point = event->position();
    if (OnHandle(point)) {
        drag_ = Drag::Resize;
    } else {
        Select(HitTest(point));
        drag_ = selected_ >= 0 ? Drag::Move : Drag::None;
    }
    if (drag_ != Drag::None) {
        dragStart_ = point;
        dragged_ = page_->Objects()[size_t(selected_)];
        dragMoved_ = false;
        dragDelta_ = {};
    }
}

void TfrDesignCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ == Drag::None || selected_ < 0)
        return;
    dragMoved_ = true;
    dragDelta_ = event->position() - dragStart_;
    update();
}

void TfrDesignCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (drag_ == Drag::None || selected_ < 0) {
        drag_ = Drag::None;
        return;
    }
    const QPointF delta = (event->position() - dragStart_) / scale_;
    const int dx = int(std::lround(delta.x())), dy = int(std::lround(delta.y()));
    const Drag drag = drag_;
    drag_ = Drag::None;
    update();
    if (!dragMoved_ || (dx == 0 && dy == 0))
        return;
    if (drag == Drag::Move)
        Change(dx, dy, 0, 0);
    else
        Change(0, 0, dx, dy);
}

void TfrDesignCanvas::keyPressEvent(QKeyEvent *event)
{
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (selected_ < 0)
        return;
    if (event->modifiers() & Qt::ShiftModifier)
        Change(0, 0, dx, dy);
    else
        Change(dx, dy, 0, 0);
}

void TfrDesignCanvas::Change(int dx, int dy, int dw, int dh)
{
    std::vector<TfrView> objects = page_->Objects();
    TfrView &view = objects[size_t(selected_)];
    view.Left += dx;
    view.Top += dy;
    view.Width = std::max(0, view.Width + dw);
    view.Height = std::max(0, view.Height + dh);
    if (OnChange)
        OnChange(std::move(objects));
}
