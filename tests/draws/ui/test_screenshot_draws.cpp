// The prizes window's four pages and the draw editor, in Spanish and in
// English. With QOR_SCREENSHOT_DIR set (tools/screenshot.sh) they are saved
// there; otherwise the grabs are only checked.
#include "draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/draw_import.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "framework/localize.h"
#include "framework/parametres.h"

#include <QAction>
#include <QFile>
#include <QTabWidget>
#include <QTest>

namespace {

void Shoot(const QString &suffix)
{
    TEuroMillonApuestas apuestas;
    FillPlayerBets(apuestas, 20110506, 9);
    TFRMEuroMillonPremios window;
    window.SetApuestas(&apuestas);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Trigger(&window, "ActProcesar");
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    const char *names[] = {"prizes_totals", "prizes_breakdown", "prizes_winning_bets", "prizes_chart"};
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        QTest::qWait(100);
        QVERIFY(SaveScreenshot(&window, QString::fromLatin1(names[page]) + suffix));
    }

    TFRMEuroMillonSorteo editor;
    const int index = window.Sorteos().IndexOfFecha(Day(2011, 5, 6));
    QVERIFY(index >= 0);
    TSorteoEuroMillonInfo info = window.Sorteos().Sorteo(index);
    info.Recaudacion = CurrencyFromUnits(52345678);
    editor.Sorteo().SetInfo(info);
    editor.SetFecha(info.FechaSorteo);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::qWait(100);
    QVERIFY(SaveScreenshot(&editor, QStringLiteral("draw_editor") + suffix));
}

} // namespace

class TestScreenshotDraws : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        folder_->CopyLanguageFiles();
        const QString csv = QStringLiteral(QOR_HISTORY_DIR "/euromillions.csv");
        QVERIFY2(QFile::exists(csv), qPrintable(csv));
        ImportDrawFiles({csv.toStdString()}, ArchivoSorteos());
        Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(Day(2010, 1, 1)));
        Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(Day(2011, 5, 6)));
        Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(true));
    }
    void cleanupTestCase() { folder_.reset(); }

    void spanish()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("es")));
        Shoot(QString());
    }

    void english()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("en")));
        Shoot(QStringLiteral("_en"));
        Localizer().UnloadLanguage();
    }

private:
    std::unique_ptr<ShellTestFolder> folder_;
};

QTEST_MAIN(TestScreenshotDraws)
#include "test_screenshot_draws.moc"
