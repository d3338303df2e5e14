// The print window (tickets and listings pages, in Spanish and in French),
// the preview of the automatic ticket of each country, a listing page and
// the designer on the Spanish ticket. With QOR_SCREENSHOT_DIR set
// (tools/screenshot.sh) the windows are saved there; otherwise the grabs are
// only checked.
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "model/euromillon_apuestas.h"
#include "printing/boleto_automatico.h"
#include "printing/plantillas_incluidas.h"
#include "printing/print_boletos_source.h"
#include "printing/ui/frm_print_boletos.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"
#include "report/ui/designer_canvas.h"
#include "report/ui/report_designer.h"
#include "report/ui/report_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace {

bool Shown(QWidget &window, const QString &name)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(50);
    return SaveScreenshot(&window, name);
}

bool SavePreview(TfrReport &report, const QString &name)
{
    TfrPreviewWindow preview(report.Prepare(QtTextMeasure()));
    preview.resize(1000, 760);
    return Shown(preview, name);
}

} // namespace

class TestScreenshotPrinting : public QObject {
    Q_OBJECT

private:
    TEuroMillonApuestas combination_;

    bool SaveWindow(const QString &name)
    {
        TFRMPrintBoletos tickets;
        tickets.SetApuestas(combination_);
        tickets.SetModoBoletos(true);
        if (!Shown(tickets, name + QStringLiteral("_tickets")))
            return false;
        TFRMPrintBoletos listings;
        listings.SetApuestas(combination_);
        listings.SetModoBoletos(false);
        return Shown(listings, name + QStringLiteral("_listings"));
    }

private slots:
    void initTestCase() { FillTwelveBets(combination_); }

    void printWindowInSpanishAndFrench()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        folder.CopyLanguageFiles();
        InstalarPlantillasIncluidas(folder.Path().toStdString());
        QVERIFY(SaveWindow(QStringLiteral("print_window")));
        QVERIFY(Localizer().LoadLanguage(
            folder.FilePath(QStringLiteral("QOREuroMillonv3_french.lng")).toStdString()));
        QVERIFY(SaveWindow(QStringLiteral("print_window_french")));
        Localizer().UnloadLanguage();
    }

    void automaticTicketOfEachCountry()
    {
        ShellTestFolder folder;
        for (auto [pais, name] :
             {std::pair{pbEspana, "print_preview_spain"}, std::pair{pbFrancia, "print_preview_france"}}) {
            const TTablasBoleto &tablas = TablasDePais(pais);
            TfrReport report;
            TPrintBoletosSource source(combination_, tablas.Formato);
            source.Attach(report, kPrintBoletosDataSet);
            ConstruirBoletoAutomatico(report, 0, tablas.Geometria, tablas.Formato, 0, 0,
                                      kPrintBoletosDataSet);
            QVERIFY(SavePreview(report, QString::fromLatin1(name)));
        }
    }

    void testPrintWithCrossHairs()
    {
        ShellTestFolder folder;
        TFRMPrintBoletos window;
        window.SetApuestas(combination_);
        window.SetModoBoletos(true);
        window.findChild<QCheckBox *>(QStringLiteral("cbTestMode"))->setChecked(true);
        window.findChild<QComboBox *>(QStringLiteral("cbRotate"))->setCurrentIndex(0);
        window.PrepararReport();
        QVERIFY(SavePreview(window.Report(), QStringLiteral("print_preview_test_mode")));
    }

    void listingPage()
    {
        ShellTestFolder folder;
        for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
            if (plantilla.Archivo != "Listado_Por_Boletos.frf")
                continue;
            TfrReport report;
            plantilla.Construir(report);
            TPrintBoletosSource source(combination_, TablasDePais(pbEspana).Formato);
            source.Attach(report, kPrintBoletosDataSet);
            QVERIFY(SavePreview(report, QStringLiteral("print_listing")));
        }
    }

    void designer()
    {
        ShellTestFolder folder;
        TfrReport report;
        const TTablasBoleto &tablas = TablasDePais(pbEspana);
        ConstruirBoletoAutomatico(report, 0, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
        TfrDesignerWindow window(report);
        window.Canvas().Select(int(report.Page(0).Objects().size()) - 1);
        window.resize(1100, 560);
        QVERIFY(Shown(window, QStringLiteral("print_designer")));
    }
};

QTEST_MAIN(TestScreenshotPrinting)
#include "test_screenshot_printing.moc"
