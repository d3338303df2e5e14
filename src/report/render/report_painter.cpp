#include "report/render/report_painter.h"

#include "report/render/report_fonts.h"
#include "report/report_units.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// A tick is a cross of lines 0.3 mm wide; frames are 0.1 mm.
constexpr double kCrossPen = 0.3 * kUnitsPerMillimetre;
constexpr double kFramePen = 0.1 * kUnitsPerMillimetre;

QRectF Box(const TfrPreparedItem &item)
{
    return QRectF(item.X, item.Y, item.W, item.H);
}

} // namespace

TfrReportPainter::TfrReportPainter(const TfrPreparedReport &report)
    : report_(report), pictures_(report.Pictures.size()), decoded_(report.Pictures.size(), false)
{
}

QSizeF TfrReportPainter::PageSizeMm(int page) const
{
    const TfrPreparedPage &p = report_.Pages.at(static_cast<size_t>(page));
    return QSizeF(p.WidthTenths / 10.0, p.HeightTenths / 10.0);
}

double TfrReportPainter::PixelsPerUnit(double dpi)
{
    return dpi / 25.4 / kUnitsPerMillimetre;
}

QImage TfrReportPainter::RenderPage(int page, double dpi)
{
    const QSizeF mm = PageSizeMm(page);
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, PixelsPerUnit(dpi));
    return image;
}

QPageSize TfrReportPainter::SheetSize(const QSizeF &mm)
{
    // Qt keeps page sizes in whole points (QPageLayout::fullRectPoints) and
    // would round 161.0 mm down to 160.87 mm: round up instead, so that the
    // sheet always holds the whole form. Pages are painted from the top-left
    // corner, so the extra fraction of a point is blank paper at the right
    // and at the bottom.
    const auto points = [](double millimetres) {
        return static_cast<int>(std::ceil(millimetres / 25.4 * 72.0 - 1e-6));
    };
    return QPageSize(QSize(points(mm.width()), points(mm.height())), QString(), QPageSize::ExactMatch);
}

bool TfrReportPainter::PaintAllPages(QPagedPaintDevice &device, int resolution,
                                     const std::function<void(int)> &progress)
{
    if (PageCount() == 0)
        return true;
    device.setPageLayout(QPageLayout(SheetSize(PageSizeMm(0)), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pixelsPerUnit = PixelsPerUnit(resolution);
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0) {
            device.setPageSize(SheetSize(PageSizeMm(page)));
            device.newPage();
        }
        if (progress)
            progress(page);
        PaintPage(painter, page, pixelsPerUnit);
    }
    return painter.end();
}

void TfrReportPainter::PaintPage(QPainter &painter, int page, double pixelsPerUnit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    for (const TfrPreparedItem &item : report_.Pages.at(static_cast<size_t>(page)).Items) {
        switch (item.Kind) {
        case TfrItemKind::Text:
            PaintText(painter, item);
            break;
        case TfrItemKind::Frame:
            PaintFrame(painter, item);
            break;
        case TfrItemKind::Cross:
            PaintCross(painter, item);
            break;
        case TfrItemKind::Picture:
            PaintPicture(painter, item);
            break;
        }
    }
    painter.restore();
}

void TfrReportPainter::PaintText(QPainter &painter, const TfrPreparedItem &item)
{
    if (item.Index >= report_.Fonts.size())
        return;
    painter.save();
    const bool vertical = item.Style & kTextVertical;
    // The line's own frame: along the text, then across it.
    double along = item.W, across = item.H;
    if (vertical) {
        painter.translate(item.X, item.Y + item.H);
        painter.rotate(-90);
        along = item.H;
        across = item.W;
    } else {
        painter.translate(item.X, item.Y);
    }
    painter.scale(1 / kTextScale, 1 / kTextScale);
    painter.setFont(ScaledQFont(report_.Fonts[item.Index]));
    painter.setPen(Qt::black);
    int flags = Qt::TextSingleLine;
    if (item.Style & kTextAcrossTop)
        flags |= Qt::AlignTop;
    else if (item.Style & kTextAcrossBottom)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignVCenter;
    switch (item.Style & kTextAlignMask) {
    case 1:
        flags |= Qt::AlignRight;
        break;
    case 2:
        flags |= Qt::AlignHCenter;
        break;
    default:
        flags |= Qt::AlignLeft;
        break;
    }
    if (!(item.Style & kTextNoClip))
        painter.setClipRect(QRectF(0, 0, along * kTextScale, across * kTextScale));
    else
        flags |= Qt::TextDontClip;
    painter.drawText(QRectF(0, 0, along * kTextScale, across * kTextScale), flags,
                     QString::fromStdString(item.Text));
    painter.restore();
}

void TfrReportPainter::PaintFrame(QPainter &painter, const TfrPreparedItem &item)
{
    const QRectF r = Box(item);
    painter.setPen(QPen(Qt::black, kFramePen, Qt::SolidLine, Qt::SquareCap));
    if (item.Style & 1)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (item.Style & 2)
        painter.drawLine(r.topLeft(), r.topRight());
    if (item.Style & 4)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (item.Style & 8)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

void TfrReportPainter::PaintCross(QPainter &painter, const TfrPreparedItem &item)
{
    // Inset by half the pen so that the ink stays inside the box.
    const double inset = kCrossPen / 2;
    const QRectF r = Box(item).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::black, kCrossPen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.topRight());
}

void TfrReportPainter::PaintPicture(QPainter &painter, const TfrPreparedItem &item)
{
    const size_t index = item.Index;
    if (index >= pictures_.size())
        return;
    if (!decoded_[index]) {
        const std::string &bytes = report_.Pictures[index];
        if (bytes.size() > 0x7FFFFFFF) {
            decoded_[index] = true;
            return;
        }
        pictures_[index].loadFromData(reinterpret_cast<const uchar *>(bytes.data()),
                                      static_cast<int>(bytes.size()), "PNG");
        decoded_[index] = true;
    }
    if (!pictures_[index].isNull())
        painter.drawImage(Box(item), pictures_[index]);
}
