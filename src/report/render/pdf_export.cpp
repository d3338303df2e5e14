#include "report/render/pdf_export.h"

#include "framework/localize.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "report/render/gui_application.h"
#include "report/render/report_painter.h"
#include "report/render/stream_device.h"
#include "report/report_errors.h"

#include <QPdfWriter>

namespace {

constexpr int kPdfResolution = 1200;

} // namespace

void ExportPdf(const TfrPreparedReport &report, const std::string &path,
               const std::function<void(int)> &progress)
{
    if (report.Pages.empty())
        throw EReportError(GetText(kTextReportWithoutPages));
    EnsureGuiApplication();
    TSafeFileStream stream(path);
    TStreamDevice device(stream);
    device.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("QOR-EuroMillon"));
        writer.setResolution(kPdfResolution);
        TfrReportPainter pages(report);
        if (!pages.PaintAllPages(writer, kPdfResolution, progress))
            throw EWriteError(GetText(kTextPdfNotWritten) + path);
    }
    device.close();
    if (device.Failed())
        throw EWriteError(GetText(kTextPdfNotWritten) + path);
    stream.Commit();
}
