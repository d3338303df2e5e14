#include "report/render/pdf_export.h"

#include "framework/localize.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "report/render/gui_application.h"
#include "report/render/report_painter.h"
#include "report/render/stream_device.h"
#include "report/report_errors.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kPdfResolution = 1200;

QPageSize ExactPageSize(const QSizeF &mm)
{
    return QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

void WritePages(const TfrPreparedReport &report, QIODevice &device, const std::function<void(int)> &progress)
{
    TfrReportPainter pages(report);
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("QOR-EuroMillon"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(ExactPageSize(pages.PageSizeMm(0)), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        throw EWriteError(kStreamWriteError);
    const double pixelsPerUnit = TfrReportPainter::PixelsPerUnit(kPdfResolution);
    for (int page = 0; page < pages.PageCount(); ++page) {
        if (page > 0) {
            writer.setPageSize(ExactPageSize(pages.PageSizeMm(page)));
            writer.newPage();
        }
        if (progress)
            progress(page);
        pages.PaintPage(painter, page, pixelsPerUnit);
    }
    painter.end();
}

} // namespace

void ExportPdf(const TfrPreparedReport &report, const std::string &path, const std::function<void(int)> &progress)
{
    if (report.Pages.empty())
        throw EReportError(GetText(kTextReportWithoutPages));
    EnsureGuiApplication();
    TSafeFileStream stream(path);
    TStreamDevice device(stream);
    device.open(QIODevice::WriteOnly);
    WritePages(report, device, progress);
    device.close();
    if (device.Failed())
        throw EWriteError(GetText(kTextPdfNotWritten) + path);
    stream.Commit();
}
