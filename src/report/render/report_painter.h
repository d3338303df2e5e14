#pragma once

#include "report/prepared_report.h"

#include <QImage>
#include <QPageSize>
#include <QSizeF>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Paints prepared pages with any QPainter (screen, image, printer, PDF). The
// prepared report must outlive the painter object; pictures are decoded once.
class TfrReportPainter {
public:
    explicit TfrReportPainter(const TfrPreparedReport &report);

    int PageCount() const { return static_cast<int>(report_.Pages.size()); }
    // The sheet of a page in millimetres.
    QSizeF PageSizeMm(int page) const;

    // Paints the page with its top-left corner at the painter's origin,
    // pixelsPerUnit device pixels to an engine unit. Paints no background.
    void PaintPage(QPainter &painter, int page, double pixelsPerUnit);
    // The page on white at the resolution (dots per inch).
    QImage RenderPage(int page, double dpi);

    // Device pixels per engine unit at a resolution.
    static double PixelsPerUnit(double dpi);
    // The page size for a sheet of these millimetres: the smallest whole
    // number of points that holds it, the finest a Qt page size can be.
    static QPageSize SheetSize(const QSizeF &mm);

    // Paints every page on a paged device (PDF writer, printer) at 100 %, each
    // on a sheet of its own size with no margin; progress hears each page
    // index first. False when the device cannot be painted on.
    bool PaintAllPages(QPagedPaintDevice &device, int resolution,
                       const std::function<void(int page)> &progress = {});

private:
    void PaintText(QPainter &painter, const TfrPreparedItem &item);
    void PaintFrame(QPainter &painter, const TfrPreparedItem &item);
    void PaintCross(QPainter &painter, const TfrPreparedItem &item);
    void PaintPicture(QPainter &painter, const TfrPreparedItem &item);

    const TfrPreparedReport &report_;
    std::vector<QImage> pictures_;
    std::vector<bool> decoded_;
};
