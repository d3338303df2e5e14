// The templates the build installs beside the program: each one loads,
// prepares against a twelve-bet combination and paints a page with ink on it.
#include "model/euromillon_apuestas.h"
#include "model/separators.h"
#include "printing/boleto_automatico.h"
#include "printing/plantillas_incluidas.h"
#include "printing/print_boletos_source.h"
#include "report/render/qt_text_measure.h"
#include "report/render/report_painter.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>

namespace {

// Pixels darker than light grey.
int InkedPixels(const QImage &image)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            inked += qGray(image.pixel(x, y)) < 160;
    }
    return inked;
}

} // namespace

class TestShippedTemplates : public QObject {
    Q_OBJECT

private slots:
    void eachInstalledTemplatePrintsTwelveBets()
    {
        SetNumberSeparator(".");
        TEuroMillonApuestas combination;
        for (int k = 1; k <= 12; ++k) {
            BetMask mask = StarBit(2) | StarBit(8);
            for (int n = k; n < k + 5; ++n)
                mask |= NumberBit(n);
            combination.AppendMasks(&mask, 1);
        }
        combination.SetName("Doce");
        const QDir program(QCoreApplication::applicationDirPath());
        for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
            const QString path =
                program.filePath(QString::fromStdString(plantilla.Carpeta + "/" + plantilla.Archivo));
            QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is not installed")));
            TfrReport report;
            report.LoadFromFile(path.toStdString());
            TPrintBoletosSource source(combination, TablasDePais(pbFrancia).Formato);
            source.Attach(report, kPrintBoletosDataSet);
            const TfrPreparedReport prepared = report.Prepare(QtTextMeasure());
            QVERIFY(!prepared.Pages.empty());
            TfrReportPainter painter(prepared);
            const QImage page = painter.RenderPage(0, 72);
            QVERIFY(!page.isNull());
            // A ticket marks 5 x 7 boxes; a listing writes sixty lines of text.
            QVERIFY2(InkedPixels(page) > 100, plantilla.Archivo.c_str());
        }
    }
};

QTEST_MAIN(TestShippedTemplates)
#include "test_shipped_templates.moc"
