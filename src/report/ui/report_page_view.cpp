#include "report/ui/report_page_view.h"

#include "report/render/report_painter.h"
#include "report/report_units.h"

#include <QPainter>

namespace {

constexpr int kBorder = 12; // grey around the sheet

} // namespace

TfrPageView::TfrPageView(TfrReportPainter &pages, QWidget *parent) : QWidget(parent), pages_(pages)
{
    setObjectName(QStringLiteral("PageView"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);
}

void TfrPageView::SetPage(int page)
{
    if (pages_.PageCount() == 0)
        return;
    page_ = std::clamp(page, 0, pages_.PageCount() - 1);
    updateGeometry();
    resize(sizeHint());
    update();
}

void TfrPageView::SetZoom(double zoom)
{
    zoom_ = std::clamp(zoom, 0.1, 8.0);
    updateGeometry();
    resize(sizeHint());
    update();
}

double TfrPageView::PixelsPerMillimetre() const
{
    return logicalDpiX() / 25.4;
}

QSizeF TfrPageView::PageSizePixels() const
{
    if (pages_.PageCount() == 0)
        return {};
    return pages_.PageSizeMm(page_) * PixelsPerMillimetre() * zoom_;
}

QSize TfrPageView::sizeHint() const
{
    return PageSizePixels().toSize() + QSize(2 * kBorder, 2 * kBorder);
}

void TfrPageView::paintEvent(QPaintEvent *)
{
    if (pages_.PageCount() == 0)
        return;
    QPainter painter(this);
    const QSizeF size = PageSizePixels();
    const QRectF sheet(QPointF(kBorder, kBorder), size);
    painter.fillRect(sheet.translated(3, 3), QColor(0x40, 0x40, 0x40));
    painter.fillRect(sheet, Qt::white);
    painter.translate(sheet.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    pages_.PaintPage(painter, page_, PixelsPerMillimetre() * zoom_ / kUnitsPerMillimetre);
}
