// The preview window over an automatic ticket: navigation, zoom, PDF and printing.
#include "report/ui/report_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "report/render/report_painter.h"
#include "report/report_units.h"
#include "report/ui/report_preview.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTest>
#include <QTimer>

class TestReportPreview : public QObject {
    Q_OBJECT

    TEuroMillonApuestas apuestas;

private slots:
    void initTestCase()
    {
        DialogService::SetHeadless(true);
        const std::vector<BetMask> bets = SpreadBets(12);
        apuestas.AppendMasks(bets.data(), bets.size());
        apuestas.SetName("Doce apuestas");
    }

    void navigatesThroughTheTickets()
    {
        TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pbEspana, 0));
        preview.show();
        QCOMPARE(preview.PageCount(), 3);
        auto *label = preview.findChild<QLabel *>(QStringLiteral("lblPage"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Página 1 de 3"));
        QVERIFY(!FindAction(&preview, "ActPriorPage")->isEnabled());
        Trigger(&preview, "ActNextPage");
        QCOMPARE(preview.CurrentPage(), 1);
        Trigger(&preview, "ActLastPage");
        QCOMPARE(preview.CurrentPage(), 2);
        QCOMPARE(label->text(), QStringLiteral("Página 3 de 3"));
        QVERIFY(!FindAction(&preview, "ActNextPage")->isEnabled());
        Trigger(&preview, "ActFirstPage");
        QCOMPARE(preview.CurrentPage(), 0);
        preview.ShowPage(99);
        QCOMPARE(preview.CurrentPage(), 2);
    }

    void zooms()
    {
        TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pbEspana, 0));
        preview.show();
        QCOMPARE(preview.Zoom(), 1.0);
        auto *view = preview.findChild<QWidget *>(QStringLiteral("PageView"));
        QVERIFY(view);
        const int width100 = view->width();
        Trigger(&preview, "ActZoomIn");
        QCOMPARE(preview.Zoom(), 1.25);
        QVERIFY(view->width() > width100);
        auto *zoom = preview.findChild<QComboBox *>(QStringLiteral("cbZoom"));
        QVERIFY(zoom);
        zoom->setCurrentIndex(0);
        emit zoom->activated(0); // whole page fits the viewport
        QVERIFY(view->height() <= preview.height());
        preview.SetZoom(2.0);
        QCOMPARE(zoom->currentText(), QStringLiteral("200 %"));
    }

    void savesPdfThroughTheDialogService()
    {
        ShellTestFolder folder;
        TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pbFrancia, 1));
        const QString path = folder.FilePath(QStringLiteral("tickets.pdf"));
        DialogService::SetNextFileName(path);
        Trigger(&preview, "ActSavePdf");
        QVERIFY(FileBytes(path).startsWith("%PDF"));

        DialogService::ClearShownBoxes();
        const QString impossible = folder.FilePath(QStringLiteral("missing/folder/tickets.pdf"));
        QVERIFY(!preview.SavePdf(impossible));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().front().kind, DialogService::Kind::Error);
        QVERIFY(!QFile::exists(impossible));
    }

    void printsEveryPageAtItsSize()
    {
        ShellTestFolder folder;
        TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pbEspana, 0));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = folder.FilePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(path);
        preview.PrintTo(printer);
        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
                 3);
        Trigger(&preview, "ActPrint"); // headless: no dialog, nothing printed
    }

    void showReportPreparesAndShowsModally()
    {
        TfrReport report;
        const TTablasBoleto &es = TablasDePais(pbEspana);
        ConstruirBoletoAutomatico(report, 0, es.Geometria, es.Formato, 0, 0, kPrintBoletosDataSet);
        TPrintBoletosSource source(apuestas, es.Formato);
        source.Attach(report, kPrintBoletosDataSet);
        int pages = -1;
        QTimer::singleShot(0, this, [&] {
            auto *preview = qobject_cast<TfrPreviewWindow *>(QApplication::activeModalWidget());
            QVERIFY(preview);
            pages = preview->PageCount();
            preview->reject();
        });
        ShowReportPreview(report, nullptr);
        QCOMPARE(pages, 3);
    }

    void paintsTheMarksWhereTheBoxesAre()
    {
        const TfrPreparedReport prepared = PrepareAutomaticTicket(apuestas, pbEspana, 0);
        TfrReportPainter painter(prepared);
        const QImage image = painter.RenderPage(0, 300);
        QCOMPARE(image.width(), qRound(161.0 / 25.4 * 300));
        QCOMPARE(image.height(), qRound(104.0 / 25.4 * 300));
        // The first marked number of bet 1: a cross through the middle of its box.
        int first = 1;
        while (!(apuestas.Mask(0) & NumberBit(first)))
            ++first;
        const TRectTenths box =
            CasillaDeValor(TablasDePais(pbEspana).Geometria, TablasDePais(pbEspana).Formato, 1, 1, first);
        const double pixelsPerTenth = 300 / 254.0;
        const QPoint centre(qRound((box.x + box.w / 2) * pixelsPerTenth),
                            qRound((box.y + box.h / 2) * pixelsPerTenth));
        QVERIFY(qGray(image.pixel(centre)) < 128);
        // Between two rows of boxes nothing is drawn.
        QCOMPARE(qGray(image.pixel(centre + QPoint(0, qRound((box.h / 2 + 6) * pixelsPerTenth)))), 255);
    }
};

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
